#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <map>

#include "platform/random.h"
#include "services/commdlgs.h"
#include "services/modulocolorisuoni.h"
#include "settings/moduloperini.h"
#include "support/temp_dirs.h"

#include <QLabel>

using namespace ModuloColoriSuoni;

TEST(Sounds, PlayOnlyWhenSwitchedOnAndTheRightFile) {
  testsupport::TempProgramFolder program;
  std::vector<std::string> played;
  SetSoundPlayer([&](const std::string& p) { played.push_back(p); });
  ModuloPerIni::Impostazioni.SuoniAttivati = false;
  SuonoGiusto();
  SuonoSbagliato();
  EXPECT_TRUE(played.empty());
  ModuloPerIni::Impostazioni.SuoniAttivati = true;
  SuonoGiusto();
  SuonoSbagliato();
  ASSERT_EQ(played.size(), 2u);
  EXPECT_EQ(played[0], program.path() + "/suoni/si.wav");
  EXPECT_EQ(played[1], program.path() + "/suoni/no.wav");
  SetSoundPlayer({});
}

TEST(Sounds, MissingFileOrNoAudioDeviceIsSilent) {
  // The real player, with a missing file and (offscreen, in CI) no audio device.
  ModuloPerIni::Impostazioni.SuoniAttivati = true;
  {
    testsupport::TempProgramFolder empty;
    SuonoGiusto();
    SuonoSbagliato();
    QCoreApplication::processEvents();
  }
  // The shipped sounds through whatever device there is: no error, no wait. Played over and over
  // until together they last a hang: a player that waited for each sound to end would take that
  // long at least, one that does not wait a moment, however busy the machine.
  testsupport::TempProgramFolder shipped(true);
  const auto durata = [&](const char* nome) {
    QFile f(QString::fromStdString(shipped.path()) + "/suoni/" + nome);
    if (!f.open(QIODevice::ReadOnly)) return 0.0;
    const QByteArray h = f.read(44);  // the plain header the build writes
    const auto parola = [&](int at) { return qFromLittleEndian<quint32>(h.constData() + at); };
    return h.size() == 44 && parola(28) > 0 ? 1000.0 * parola(40) / parola(28) : 0.0;
  };
  const double suoni = 2 * durata("si.wav") + durata("no.wav");
  ASSERT_GT(suoni, 300.0) << "the shipped sounds are missing or not plain WAV files";
  QElapsedTimer tempo;
  tempo.start();
  for (double durate = 0; durate < static_cast<double>(testsupport::kHang.count()); durate += suoni) {
    SuonoGiusto();
    SuonoGiusto();
    SuonoSbagliato();
  }
  EXPECT_LT(tempo.elapsed(), testsupport::kHang.count());
  QCoreApplication::processEvents();
}

TEST(RandomColour, OnlyTheTableAndTheDoubledOneTwiceAsOften) {
  platform::SeedRandom(2024);
  const std::int32_t table[] = {0xC0C0FF, 0x8080FF, 0xFF,     0x80C0FF, 0x80FF,   0xC0FFFF,
                                0xFFFF,   0x40C0,   0x80FF80, 0xC000,   0xFFFFC0, 0xFFFF00,
                                0xFFC0C0, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};
  std::map<std::int32_t, int> counts;
  const int draws = 180000;
  for (int i = 0; i < draws; ++i) ++counts[ColoreCasuale()];
  EXPECT_EQ(counts.size(), 17u);
  for (auto c : table) {
    const int expected = c == 0xFFC0FF ? 20000 : 10000;
    EXPECT_NEAR(counts[c], expected, expected * 0.06) << std::hex << c;
  }
}

TEST(FontDialog, AppliesTheChoiceRoundedAndCancelLeavesTheTarget) {
  QLabel target("x");
  QFont start("Arial");
  start.setPointSize(20);
  start.setItalic(true);
  target.setFont(start);

  CommDlgs::FontRequest seen;
  CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest& r) -> std::optional<CommDlgs::FontChoice> {
    seen = r;
    return std::nullopt;
  });
  EXPECT_FALSE(CommDlgs::ShowFontDialog(nullptr, &target));
  EXPECT_EQ(target.font(), start);
  EXPECT_EQ(seen.pointSizeTenths, 200);
  EXPECT_TRUE(seen.italic);
  EXPECT_EQ(seen.weight, 0);

  struct Case {
    int tenths, weight, expectedSize;
    bool bold;
  };
  const Case cases[] = {{120, 400, 12, false}, {105, 600, 10, false}, {115, 700, 12, true},
                        {125, 800, 12, true},  {135, 400, 14, false}};
  for (const auto& c : cases) {
    CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
      return CommDlgs::FontChoice{"Liberation Serif", c.tenths, c.weight, false, true};
    });
    ASSERT_TRUE(CommDlgs::ShowFontDialog(nullptr, &target));
    EXPECT_EQ(target.font().pointSize(), c.expectedSize) << c.tenths;
    EXPECT_EQ(target.font().bold(), c.bold) << c.weight;
    EXPECT_FALSE(target.font().italic());
    EXPECT_TRUE(target.font().underline());
    EXPECT_EQ(target.font().family(), "Liberation Serif");
  }
  CommDlgs::SetFontChooser({});
}
