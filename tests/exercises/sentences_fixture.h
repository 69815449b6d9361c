// What the sentence-window tests share: a temporary home and program folder, quiet sounds,
// message boxes answered and recorded, and a writer of Windows-1252 CR LF data files.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "services/commdlgs.h"
#include "settings/moduloperini.h"
#include "support/temp_dirs.h"

namespace sentencetest {

inline const QColor kVerde(0, 192, 0);
inline const QColor kRosso(255, 0, 0);
inline const QColor kAzzurro(192, 255, 255);

class SentenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuloPerIni::ImpostazioniPredefinite();
    ModuloPerIni::Impostazioni.SuoniAttivati = false;
    platform::SetMsgBoxHandler([this](const QString& text, int) {
      messaggi_ << text;
      return platform::vbOK;
    });
  }
  void TearDown() override {
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
    platform::SetMsgBoxHandler({});
    CommDlgs::SetFontChooser({});
  }
  // Writes a data file of the program's folder as the program's files are: cp1252, CR LF.
  void Scrivi(const std::string& relative, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += platform::EncodeCp1252(l) + "\r\n";
    folder_.Write(relative, bytes);
  }

  testsupport::TempHome home_;
  testsupport::TempProgramFolder folder_;
  QStringList messaggi_;
};

}  // namespace sentencetest
