// What the exercise-window tests share: a temporary home, default settings, the tense tables
// filled, a seeded generator, sounds and message boxes recorded instead of played and shown.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "conjugation/modulo_fosku.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "services/commdlgs.h"
#include "services/modulocolorisuoni.h"
#include "settings/moduloperini.h"
#include "support/message_boxes.h"
#include "support/temp_dirs.h"

namespace testsupport {

// The window, on show.
template <class W>
W& Mostrata() {
  auto& w = platform::Instance<W>();
  w.Show();
  return w;
}

// The window made `scala` times as wide and as high, as the pupil drags its corner.
inline void Scala(platform::Form& w, double larghezza, double altezza) {
  w.SetWidth(w.Width() * larghezza);
  w.SetHeight(w.Height() * altezza);
  QCoreApplication::processEvents();
}

class ExerciseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuloPerIni::ImpostazioniPredefinite();
    ModuloFosku::RiempiTabelle();
    ModuloColoriSuoni::SetSoundPlayer([this](const std::string& p) { sounds.push_back(p); });
    platform::SetMsgBoxHandler(Annota(messages));
    platform::SeedRandom(99);
  }
  void TearDown() override {
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
    ModuloColoriSuoni::SetSoundPlayer({});
    platform::SetMsgBoxHandler({});
    CommDlgs::SetFontChooser({});
  }
  // True when a sound whose file name holds `name` was played.
  bool Played(const char* name) const {
    return std::any_of(sounds.begin(), sounds.end(),
                       [&](const std::string& s) { return s.find(name) != std::string::npos; });
  }

  std::vector<std::string> sounds;
  QStringList messages;
  TempHome home;
};

}  // namespace testsupport
