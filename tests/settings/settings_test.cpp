#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/paths.h"
#include "platform/textfile.h"
#include "settings/moduloperini.h"
#include "support/temp_dirs.h"

using namespace ModuloPerIni;
namespace fs = std::filesystem;

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
  // The program's own file, line by line exactly as written (the data readers drop end blanks).
  const auto lines =
      platform::SplitLines(platform::DecodeCp1252(platform::ReadFileBytes(outer + "/leggimi.txt").value()));
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

TEST_F(SettingsTest, AnythingButASettingsFileGivesTheDefaultsAtOnce) {
  const std::string fosku = home_.config() + "/ImpostazioniProgrammiOlmea/Fosku";
  const std::string saved = "False\r\nVerdana\r\n 30 \r\nArial\r\n 36 \r\nArial\r\n 24 \r\nArial\r\n 20 \r\nArial\r\n 16 \r\n";
  struct Case {
    const char* name;
    std::function<void()> make;
  };
  std::unique_ptr<testsupport::Fifo> fifo;
  const std::vector<Case> cases = {
      {"a pipe", [&] { fifo = std::make_unique<testsupport::Fifo>(IniPath(), 5); }},
      {"a link to an endless device", [&] { fs::create_symlink("/dev/zero", IniPath()); }},
      {"a folder", [&] { fs::create_directories(IniPath() + "/x"); }},
      {"a good start padded past any settings file", [&] {
         WriteIni(saved);
         fs::resize_file(IniPath(), platform::kSettingsFile.maxBytes + 1);
       }},
  };
  for (const Case& c : cases) {
    fs::create_directories(fosku);
    c.make();
    Impostazioni = Impostazioni_t{};
    const auto start = std::chrono::steady_clock::now();
    LeggiImpostazioni();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << c.name;
    ExpectDefaults();
    fifo.reset();
    fs::remove_all(fosku);
  }
}

TEST_F(SettingsTest, EveryFontNameComesBackAsItWasSaved) {
  PreparaCartelle();
  const std::vector<std::string> names = {
      "Arial, Bold",   "\"Quoted\" Sans",  "  Edge Blanks  ", "\tTabbed",     "Inner \"quote\", and comma",
      "Così Serif",    "",                 "\"",             "Trailing,",    "Two\"\"Quotes",
  };
  for (size_t k = 0; k + 5 <= names.size(); k += 5) {
    ImpostazioniPredefinite();
    for (int i = 1; i <= 5; ++i) Impostazioni.NomeFont[i] = names[k + static_cast<size_t>(i) - 1];
    Impostazioni.SuoniAttivati = false;
    const Impostazioni_t written = Impostazioni;
    ASSERT_TRUE(SalvaImpostazioni());
    const std::string bytes = platform::ReadFileBytes(IniPath()).value();
    // Still eleven lines.
    size_t lineEnds = 0;
    for (size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++lineEnds;
    EXPECT_EQ(lineEnds, 11u);
    Impostazioni = Impostazioni_t{};
    LeggiImpostazioni();
    EXPECT_EQ(Impostazioni.NomeFont, written.NomeFont);
    EXPECT_FALSE(Impostazioni.SuoniAttivati);
    EXPECT_EQ(Impostazioni.DimensioneFont, written.DimensioneFont);
  }
  // A plain name is still written plain, as earlier versions wrote every name.
  ImpostazioniPredefinite();
  Impostazioni.NomeFont[2] = "Comic Sans MS";
  EXPECT_EQ(RigheImpostazioni()[3], "Comic Sans MS");
}

TEST_F(SettingsTest, ANameTheCodePageCannotSpellIsSavedAsOneItCan) {
  PreparaCartelle();
  ImpostazioniPredefinite();
  Impostazioni.NomeFont[1] = "Ωmega Sans";
  Impostazioni.NomeFont[2] = "Noto Sans CJK 日本";
  std::vector<std::string> asked;
  SetFontNameFallback([&](const std::string& name) {
    asked.push_back(name);
    return name == "Ωmega Sans" ? std::string("Omega Sans") : std::string("Ω");  // the second does not fit
  });
  ASSERT_TRUE(SalvaImpostazioni());
  SetFontNameFallback({});
  EXPECT_EQ(asked, (std::vector<std::string>{"Ωmega Sans", "Noto Sans CJK 日本"}));
  EXPECT_EQ(platform::ReadFileBytes(IniPath()).value().find('?'), std::string::npos);
  LeggiImpostazioni();
  EXPECT_EQ(Impostazioni.NomeFont[1], "Omega Sans");
  EXPECT_EQ(Impostazioni.NomeFont[2], "Arial");  // nothing fitting offered: the default font
  EXPECT_EQ(Impostazioni.NomeFont[3], "Arial");
}

TEST_F(SettingsTest, AReadOnlyFolderKeepsTheChangeInTheFile) {
  const std::string folder = home_.config() + "/ImpostazioniProgrammiOlmea/Fosku";
  WriteIni(kDefaultFile);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  Impostazioni = Impostazioni_t{};
  LeggiImpostazioni();
  Impostazioni.SuoniAttivati = false;  // "Suoni attivati" unticked, then "Esci"
  EXPECT_EQ(testsupport::RunAsPlainUser({folder}, [] { return SalvaImpostazioni() ? 0 : 1; }), 0);
  EXPECT_EQ(platform::ReadLines(IniPath()).value().at(0), "False");
  EXPECT_FALSE(fs::exists(IniPath() + ".tmp"));

  // The file read-only too: nothing can be saved, and the message says where and why.
  fs::permissions(IniPath(), fs::perms::owner_read);
  EXPECT_EQ(testsupport::RunAsPlainUser({folder}, [] {
              std::string motivo;
              if (SalvaImpostazioni(&motivo)) return 0;
              return motivo.find("fosku.INI") != std::string::npos && motivo.find("accesso negato") != std::string::npos
                         ? 1
                         : 2;
            }),
            1);
  fs::permissions(folder, fs::perms::owner_all);
}

TEST_F(SettingsTest, ALinkedSettingsFileIsWrittenThrough) {
  testsupport::TempDir elsewhere;
  const std::string target = elsewhere.Write("mie impostazioni/fosku.INI", kDefaultFile);
  fs::create_directories(home_.config() + "/ImpostazioniProgrammiOlmea/Fosku");
  fs::create_symlink(target, IniPath());
  LeggiImpostazioni();
  Impostazioni.SuoniAttivati = false;
  ASSERT_TRUE(SalvaImpostazioni());
  EXPECT_TRUE(fs::is_symlink(IniPath()));
  EXPECT_EQ(platform::ReadLines(target).value().at(0), "False");
}

TEST_F(SettingsTest, AStaleTemporaryIsReplaced) {
  WriteIni(kDefaultFile);
  testsupport::TempDir::WriteTo(IniPath() + ".tmp", "True\r\nmezzo");
  fs::permissions(IniPath() + ".tmp", fs::perms::owner_read);
  LeggiImpostazioni();
  Impostazioni.SuoniAttivati = false;
  ASSERT_TRUE(SalvaImpostazioni());
  EXPECT_FALSE(fs::exists(IniPath() + ".tmp"));
  LeggiImpostazioni();
  EXPECT_FALSE(Impostazioni.SuoniAttivati);
}

TEST_F(SettingsTest, AReadMeLeftShortIsWrittenAgain) {
  const std::string outer = home_.config() + "/ImpostazioniProgrammiOlmea";
  // A first start on which the read-me cannot be written (here a folder stands where its
  // temporary would go): the folders are made, an empty read-me stays behind.
  fs::create_directories(outer + "/leggimi.txt.tmp/x");
  PreparaCartelle();
  EXPECT_TRUE(fs::is_directory(outer + "/Fosku"));
  EXPECT_EQ(platform::ReadFileBytes(outer + "/leggimi.txt").value(), "");
  // The next start writes it whole; so does one after it was cut short.
  fs::remove_all(outer + "/leggimi.txt.tmp");
  PreparaCartelle();
  const std::string whole = platform::ReadFileBytes(outer + "/leggimi.txt").value();
  EXPECT_EQ(platform::ReadLines(outer + "/leggimi.txt").value().size(), 5u);
  testsupport::TempDir::WriteTo(outer + "/leggimi.txt", whole.substr(0, whole.size() - 3));
  PreparaCartelle();
  EXPECT_EQ(platform::ReadFileBytes(outer + "/leggimi.txt").value(), whole);
  // A whole read-me is left alone.
  const auto before = fs::last_write_time(outer + "/leggimi.txt");
  PreparaCartelle();
  EXPECT_EQ(fs::last_write_time(outer + "/leggimi.txt"), before);
}
