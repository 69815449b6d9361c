// Data files no teacher writes: a pipe, a file past any list's size, a line longer than any
// sentence. Every window opens at once; a list that cannot be read is reported like a missing
// one; a line that long is left out and the others are used.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/finestre.h"
#include "app/formmenu.h"
#include "conjugation/verb_lists.h"
#include "exercise_window/exercisewindow.h"
#include "exercises/sentences/form19_fitting_verb.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "settings/moduloperini.h"
#include "support/temp_dirs.h"

namespace fs = std::filesystem;

namespace {

class DataBounds : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuloPerIni::FileIni = ModuloPerIni::kFileIni;
    ModuloPerIni::ImpostazioniPredefinite();
    platform::SetMsgBoxHandler([this](const QString& t, int) {
      messages << t;
      return platform::vbOK;
    });
  }
  void TearDown() override {
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
    platform::SetMsgBoxHandler({});
  }
  QStringList messages;
  testsupport::TempHome home_;
};

const std::string kLongLine(100000, 'x');

}  // namespace

TEST_F(DataBounds, EveryWindowOpensAtOnceWhateverStandsInPlaceOfItsLists) {
  Module1::RegistraFinestre();
  testsupport::TempProgramFolder programma(true);
  const std::vector<std::string> files = programma.DataFiles();
  ASSERT_GE(files.size(), 30u);
  std::vector<std::string> shipped;
  for (const auto& f : files) shipped.push_back(platform::ReadFileBytes(f).value());
  CostruisciFosku::LeggiFosku();
  const std::array<int, 3> verbi = {CostruisciFosku::NumeroRadiciAre, CostruisciFosku::NumeroRadiciEre,
                                    CostruisciFosku::NumeroRadiciIre};

  std::vector<std::unique_ptr<testsupport::Fifo>> pipes;
  struct Case {
    const char* name;
    std::function<void(const std::string&, const std::string& bytes)> replace;
    bool reported;  // the windows say their lists are missing; else the lists read as shipped
  };
  const std::vector<Case> cases = {
      {"a pipe with no writer",
       [&](const std::string& f, const std::string&) {
         fs::remove(f);
         pipes.push_back(std::make_unique<testsupport::Fifo>(f));
       },
       true},
      {"a file past the size bound",
       [](const std::string& f, const std::string& bytes) {
         testsupport::TempDir::WriteTo(f, bytes);
         fs::resize_file(f, platform::kDataFile.maxBytes + 1);
       },
       true},
      {"a line longer than any sentence before the shipped ones",
       [](const std::string& f, const std::string& bytes) {
         testsupport::TempDir::WriteTo(f, kLongLine + "\r\n" + bytes + kLongLine);
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (size_t k = 0; k < files.size(); ++k) c.replace(files[k], shipped[k]);
    messages.clear();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < FormMenu::IndiceEsci(); ++i) {
      SCOPED_TRACE(Module1::FinestreMenu()[static_cast<size_t>(i)].classe);
      platform::Instance<FormMenu>().Show();
      platform::Instance<FormMenu>().Command1_Click(i);
      ASSERT_EQ(platform::Form::LoadedCount(), 1);
      if (auto* esercizio = dynamic_cast<ExerciseWindow*>(platform::Form::LoadedForms().front())) {
        for (int n = 0; n < 5; ++n) esercizio->GeneraEsercizio();
        esercizio->mnuEsci_Click();
      } else {
        platform::Form::LoadedForms().front()->Unload();
      }
    }
    EXPECT_LT(timer.elapsed(), testsupport::kHang.count());
    EXPECT_EQ(!messages.isEmpty(), c.reported) << messages.join(" | ").toStdString();
    if (!c.reported) {
      CostruisciFosku::LeggiFosku();
      EXPECT_EQ(CostruisciFosku::NumeroRadiciAre, verbi[0]);
      EXPECT_EQ(CostruisciFosku::NumeroRadiciEre, verbi[1]);
      EXPECT_EQ(CostruisciFosku::NumeroRadiciIre, verbi[2]);
    }
    pipes.clear();
  }
}

TEST_F(DataBounds, AHugeLineInTheFittingVerbListNeverStallsTheWindow) {
  testsupport::TempProgramFolder programma;
  const std::vector<std::string> buone = {"Il pesce#nel mare.[nuota,vola,legge,scrive,abbaia]",
                                          "La mucca#l'erba.[mangia,guida,scrive,legge,telefona]"};
  std::string righe;
  for (const auto& r : buone) righe += r + "\r\n";
  struct Case {
    const char* name;
    size_t lineLength;
    bool read;  // the other lines are used; otherwise the list is reported missing
  };
  const Case cases[] = {
      {"a line of 15 MB: left out", 15u << 20, true},
      {"a file of 40 MB: past the bound, reported", 40u << 20, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = righe.substr(0, buone[0].size() + 2);
    bytes += "Una frase#" + std::string(c.lineLength, 'a') + ".[a,b,c,d,e]\r\n";
    bytes += righe.substr(buone[0].size() + 2);
    programma.Write("testiFosku/9/fosku.txt", bytes);
    bytes.clear();
    bytes.shrink_to_fit();
    messages.clear();
    QElapsedTimer timer;
    timer.start();
    auto& w = platform::Instance<Form19>();
    w.Show();
    for (int n = 0; n < 10; ++n) w.GeneraEsercizio();
    EXPECT_LT(timer.elapsed(), testsupport::kHang.count());
    if (c.read) {
      EXPECT_EQ(w.Frasi, (std::vector<std::string>{"", buone[0], buone[1]}));
      EXPECT_TRUE(messages.isEmpty());
    } else {
      EXPECT_EQ(w.NumeroFrasi, 0);
      ASSERT_FALSE(messages.isEmpty());
      EXPECT_TRUE(messages[0].contains("fosku.txt"));
    }
    w.Unload();
  }
}
