#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "platform/textfile.h"
#include "settings/moduloperini.h"
#include "support/temp_dirs.h"

using namespace ModuloPerIni;

namespace {

const std::string kDefaultFile =
    "True\r\nArial\r\n 48 \r\nArial\r\n 36 \r\nArial\r\n 24 \r\nArial\r\n 20 \r\nArial\r\n 16 \r\n";

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FileIni = kFileIni;
    Impostazioni = Impostazioni_t{};
  }
  std::string IniPath() const { return home_.config() + "/ImpostazioniProgrammiOlmea/Fosku/fosku.INI"; }
  void WriteIni(const std::string& bytes) {
    std::filesystem::create_directories(home_.config() + "/ImpostazioniProgrammiOlmea/Fosku");
    testsupport::TempDir::WriteTo(IniPath(), bytes);
  }
  testsupport::TempHome home_;
};

void ExpectDefaults() {
  EXPECT_TRUE(Impostazioni.SuoniAttivati);
  const int sizes[] = {0, 48, 36, 24, 20, 16};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(Impostazioni.NomeFont[i], "Arial") << i;
    EXPECT_EQ(Impostazioni.DimensioneFont[i], sizes[i]) << i;
  }
}

}  // namespace

TEST_F(SettingsTest, SavingTheDefaultsWritesElevenExactLines) {
  PreparaCartelle();
  ImpostazioniPredefinite();
  ASSERT_TRUE(SalvaImpostazioni());
  EXPECT_EQ(platform::ReadFileBytes(IniPath()).value(), kDefaultFile);
  Impostazioni.SuoniAttivati = false;
  ASSERT_TRUE(SalvaImpostazioni());
  EXPECT_EQ(platform::ReadFileBytes(IniPath()).value().substr(0, 7), "False\r\n");
}

TEST_F(SettingsTest, RoundTripKeepsEveryField) {
  PreparaCartelle();
  Impostazioni.SuoniAttivati = false;
  const char* names[] = {"", "Comic Sans MS", "Times New Roman", "Verdana", "Arial", "Liberation Serif"};
  for (int i = 1; i <= 5; ++i) {
    Impostazioni.NomeFont[i] = names[i];
    Impostazioni.DimensioneFont[i] = static_cast<std::int16_t>(10 + 7 * i);
  }
  const Impostazioni_t saved = Impostazioni;
  ASSERT_TRUE(SalvaImpostazioni());
  Impostazioni = Impostazioni_t{};
  LeggiImpostazioni();
  EXPECT_EQ(Impostazioni.SuoniAttivati, saved.SuoniAttivati);
  EXPECT_EQ(Impostazioni.NomeFont, saved.NomeFont);
  EXPECT_EQ(Impostazioni.DimensioneFont, saved.DimensioneFont);
}

TEST_F(SettingsTest, ReadingFilesOfEveryShape) {
  const std::string fonts =
      "Verdana\r\n 30 \r\nArial\r\n 36 \r\nArial\r\n 24 \r\nArial\r\n 20 \r\nArial\r\n 16 \r\n";
  struct Case {
    const char* name;
    std::string bytes;
    bool defaults;  // every field takes its default
    bool sound;     // otherwise: the sound flag read
  };
  const std::vector<Case> cases = {
      {"True", "True\r\n" + fonts, false, true},
      {"lower-case true turns the sound off", "true\r\n" + fonts, false, false},
      {"any upper-case T turns it on", "Tx\r\n" + fonts, false, true},
      {"empty first line turns it off", "\r\n" + fonts, false, false},
      {"False", "False\r\n" + fonts, false, false},
      {"one comma-separated line", "False,Verdana,30,Arial,36,Arial,24,Arial,20,Arial,16\r\n", false, false},
      {"LF only", "False\nVerdana\n 30 \nArial\n 36 \nArial\n 24 \nArial\n 20 \nArial\n 16 \n", false, false},
      {"truncated to five lines", "False\r\nVerdana\r\n 30 \r\nArial\r\n 36 \r\n", true, true},
      {"size too large for 16 bits", "False\r\nVerdana\r\n 40000 \r\n" + fonts.substr(15), true, true},
      {"size that is not a number", "False\r\nVerdana\r\n grande \r\n" + fonts.substr(15), true, true},
      {"empty file", "", true, true},
  };
  for (const auto& c : cases) {
    Impostazioni = Impostazioni_t{};
    WriteIni(c.bytes);
    LeggiImpostazioni();
    if (c.defaults) {
      ExpectDefaults();
    } else {
      EXPECT_EQ(Impostazioni.SuoniAttivati, c.sound) << c.name;
      EXPECT_EQ(Impostazioni.NomeFont[1], "Verdana") << c.name;
      EXPECT_EQ(Impostazioni.DimensioneFont[1], 30) << c.name;
      EXPECT_EQ(Impostazioni.DimensioneFont[5], 16) << c.name;
    }
  }
}

TEST_F(SettingsTest, MissingFileGivesDefaults) {
  LeggiImpostazioni();
  ExpectDefaults();
}

TEST_F(SettingsTest, FailedSaveLosesNothing) {
  PreparaCartelle();
  WriteIni("False\r\nVerdana\r\n 30 \r\nArial\r\n 36 \r\nArial\r\n 24 \r\nArial\r\n 20 \r\nArial\r\n 16 \r\n");
  const std::string before = platform::ReadFileBytes(IniPath()).value();
  // Something that cannot be written stands where the temporary file would go (a folder
  // holding a file: this fails for every user, root included).
  testsupport::TempDir::WriteTo(IniPath() + ".tmp/blocco", "x");
  ImpostazioniPredefinite();
  EXPECT_FALSE(SalvaImpostazioni());
  EXPECT_EQ(platform::ReadFileBytes(IniPath()).value(), before);
}

TEST_F(SettingsTest, SaveIntoAMissingFolderFailsCleanly) {
  ImpostazioniPredefinite();
  EXPECT_FALSE(SalvaImpostazioni());
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(SettingsTest, FoldersAndReadMe) {
  const std::string outer = home_.config() + "/ImpostazioniProgrammiOlmea";
  PreparaCartelle();
  EXPECT_TRUE(std::filesystem::is_directory(outer + "/Fosku"));
  const auto lines = platform::ReadLines(outer + "/leggimi.txt").value();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].rfind("Questa cartella contiene i files di impostazione dei programmi presenti nel sito ", 0), 0u);
  EXPECT_EQ(lines[1], " ");
  EXPECT_EQ(lines[4], "Non cancellare questo file.");
  // "può" is written as one Windows-1252 byte.
  EXPECT_NE(platform::ReadFileBytes(outer + "/leggimi.txt").value().find("pu\xF2 essere"), std::string::npos);

  // Deleting the read-me alone does not bring it back; deleting the inner folder does.
  std::filesystem::remove(outer + "/leggimi.txt");
  PreparaCartelle();
  EXPECT_FALSE(std::filesystem::exists(outer + "/leggimi.txt"));
  std::filesystem::remove_all(outer + "/Fosku");
  PreparaCartelle();
  EXPECT_TRUE(std::filesystem::exists(outer + "/leggimi.txt"));
  EXPECT_TRUE(std::filesystem::is_directory(outer + "/Fosku"));
}

TEST_F(SettingsTest, UncreatableFoldersDoNotStopStartUp) {
  // A plain file where the outer folder should be: nothing can be created.
  testsupport::TempDir::WriteTo(home_.config() + "/ImpostazioniProgrammiOlmea", "x");
  PreparaCartelle();
  LeggiImpostazioni();
  ExpectDefaults();
  EXPECT_FALSE(SalvaImpostazioni());
}
