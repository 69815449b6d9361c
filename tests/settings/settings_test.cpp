#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
const std::string kSavedFile = "False\r\nVerdana\r\n 30 \r\nArial\r\n 36 \r\nArial\r\n 24 \r\nArial\r\n 20 \r\nArial\r\n 16 \r\n";

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FileIni = kFileIni;
    Impostazioni = Impostazioni_t{};
  }
  std::string Folder() const { return home_.config() + "/ImpostazioniProgrammiOlmea/Fosku"; }
  std::string IniPath() const { return Folder() + "/fosku.INI"; }
  void WriteIni(const std::string& bytes) { testsupport::TempDir::WriteTo(IniPath(), bytes); }
  // How many entries the settings folder holds.
  long Entries() const { return std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()); }
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
    int size1 = 30; // and font 1's size
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
      // No usable size, yet a 16-bit number: only that font takes its default size.
      {"size 0", "False\r\nVerdana\r\n 0 \r\n" + fonts.substr(15), false, false, 48},
      {"negative size", "False\r\nVerdana\r\n-12 \r\n" + fonts.substr(15), false, false, 48},
      {"smallest 16-bit size", "False\r\nVerdana\r\n-32768 \r\n" + fonts.substr(15), false, false, 48},
      {"size too small for 16 bits", "False\r\nVerdana\r\n-32769 \r\n" + fonts.substr(15), true, true},
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
      EXPECT_EQ(Impostazioni.DimensioneFont[1], c.size1) << c.name;
      EXPECT_EQ(Impostazioni.DimensioneFont[2], 36) << c.name;
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
  WriteIni(kSavedFile);
  const std::string before = platform::ReadFileBytes(IniPath()).value();
  ImpostazioniPredefinite();
  std::string motivo;
  {
    // A file-size limit (as an administrator may set one) stops the new file halfway: the save
    // fails, says why, and the program goes on.
    const testsupport::FileSizeLimit limit(20);
    EXPECT_FALSE(SalvaImpostazioni(&motivo));
  }
  EXPECT_NE(motivo.find("dimensione massima"), std::string::npos) << motivo;
  EXPECT_EQ(platform::ReadFileBytes(IniPath()).value(), before);
  EXPECT_EQ(Entries(), 1);
}

TEST_F(SettingsTest, ASaveTellsAMissingFolderFromOneThatCannotBeEntered) {
  const std::string outer = home_.config() + "/ImpostazioniProgrammiOlmea";
  struct Case {
    const char* name;
    std::function<void()> make;
    std::string why;
    bool start = false;  // a start-up tried to make the folders first
  };
  const std::vector<Case> cases = {
      {"no settings folder", [] {}, "non esiste"},
      // The cause is why the folder could not be made, not that it is missing.
      {"a folder that start-up could not make in a read-only one",
       [&] { fs::permissions(home_.config(), fs::perms::owner_read | fs::perms::owner_exec); },
       "la cartella " + outer + " non si è potuta creare (accesso negato)", true},
      {"a settings folder that may not be entered",
       [&] {
         fs::create_directories(outer + "/Fosku");
         fs::permissions(outer + "/Fosku", fs::perms::none);
       },
       "accesso negato"},
      {"an outer folder that may be listed but not entered",
       [&] {
         fs::create_directories(outer + "/Fosku");
         fs::permissions(outer, fs::perms::owner_read);
       },
       "accesso negato"},
      // Its name in another letter case could be found only by listing the folder around it.
      {"a folder that may be entered but not listed, around one in lower case",
       [&] {
         fs::create_directories(outer + "/fosku");
         fs::permissions(outer, fs::perms::owner_exec);
       },
       "accesso negato alla cartella"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::create_directories(home_.config());
    c.make();
    ImpostazioniPredefinite();
    const int code = testsupport::RunAsPlainUser({home_.config()}, [&] {
      if (c.start) PreparaCartelle();
      std::string motivo;
      if (SalvaImpostazioni(&motivo)) return 1;
      return motivo.find(c.why) != std::string::npos ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    fs::permissions(home_.config(), fs::perms::owner_all);
    std::error_code ec;  // the first cases made neither folder
    fs::permissions(outer, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(outer + "/Fosku", fs::perms::owner_all, fs::perm_options::add, ec);
    EXPECT_FALSE(fs::exists(IniPath()));
    EXPECT_FALSE(fs::exists(outer + "/fosku/fosku.INI"));
    fs::remove_all(outer);
  }
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
  struct Case {
    const char* name;
    std::function<void()> make;
  };
  std::unique_ptr<testsupport::Fifo> fifo;
  const std::vector<Case> cases = {
      {"a pipe", [&] { fifo = std::make_unique<testsupport::Fifo>(IniPath()); }},
      {"a link to an endless device", [&] { fs::create_symlink("/dev/zero", IniPath()); }},
      {"a folder", [&] { fs::create_directories(IniPath() + "/x"); }},
      {"a good start padded past any settings file", [&] {
         WriteIni(kSavedFile);
         fs::resize_file(IniPath(), platform::kSettingsFile.maxBytes + 1);
       }},
  };
  for (const Case& c : cases) {
    fs::create_directories(Folder());
    c.make();
    Impostazioni = Impostazioni_t{};
    const auto start = std::chrono::steady_clock::now();
    LeggiImpostazioni();
    EXPECT_LT(std::chrono::steady_clock::now() - start, testsupport::kHang) << c.name;
    ExpectDefaults();
    fifo.reset();
    fs::remove_all(Folder());
  }
}

TEST_F(SettingsTest, EveryFontNameComesBackAsItWasSaved) {
  PreparaCartelle();
  const std::vector<std::string> names = {
      "Arial, Bold",   "\"Quoted\" Sans",  "  Edge Blanks  ", "\tTabbed",     "Inner \"quote\", and comma",
      "Così Serif",    "",                 "\"",             "Trailing,",    "Two\"\"Quotes",
      "“Curly”",       "“Curly”, Sans",    "Sans “Curly”",   "”",            "\"“x”\"",
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
  const std::string folder = Folder();
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
              return motivo.find("fosku.INI") != std::string::npos && motivo.find("di sola lettura") != std::string::npos
                         ? 1
                         : 2;
            }),
            1);
  fs::permissions(folder, fs::perms::owner_all);
}

TEST_F(SettingsTest, ALinkIsWrittenThroughOnlyToAPlainFileOfTheUsersOwn) {
  const bool root = geteuid() == 0;
  struct Case {
    const char* name;
    // Makes what the link leads to, in a folder of its own; returns that path.
    std::function<std::string(const testsupport::TempDir& elsewhere)> make;
    bool asPlainUser;  // the save runs as a user who does not own the target
    const char* why;   // nullptr: saved through the link
    // What fosku.INI links to, when not straight to that path.
    std::function<std::string(const testsupport::TempDir& elsewhere)> via = nullptr;
  };
  const std::string folder = Folder();
  const std::vector<Case> cases = {
      // Each link's relative target is read from the link's own folder, at every depth: read
      // from the folder of the link first named, or from where the program runs, it leads nowhere.
      {"the user's own file through relative links in folders of different depths",
       [](const auto& e) { return e.Write("vere/fosku.INI", kDefaultFile); }, false, nullptr,
       [&](const auto& e) {
         fs::create_directories(e.path() + "/uno/due/tre");
         fs::create_symlink("../../../vere/fosku.INI", e.path() + "/uno/due/tre/passo");
         fs::create_symlink("uno/due/tre/passo", e.path() + "/primo");
         fs::create_directories(folder);
         return fs::path(e.path() + "/primo").lexically_relative(folder).string();
       }},
      {"the user's own private file",
       [](const auto& e) {
         const std::string f = e.Write("mie impostazioni/fosku.INI", kDefaultFile);
         fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
         return f;
       },
       false, nullptr},
      {"a named pipe",
       [](const auto& e) {
         const std::string f = e.path() + "/tubo";
         EXPECT_EQ(mkfifo(f.c_str(), 0600), 0);
         return f;
       },
       false, "non è un file normale"},
      // A device node of our own where we may make one, else the machine's own zero device,
      // which an unprivileged save could never replace anyway.
      {"a device",
       [root](const auto& e) {
         if (!root) return std::string("/dev/zero");
         const std::string f = e.path() + "/zero";
         EXPECT_EQ(mknod(f.c_str(), S_IFCHR | 0666, makedev(1, 5)), 0);
         return f;
       },
       false, "non è un file normale"},
      {"another user's private file",
       [root](const auto& e) {
         if (!root) return std::string("/etc/passwd");
         const std::string f = e.Write("altrui/fosku.INI", kDefaultFile);
         fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
         return f;
       },
       true, "è un file di un altro utente"},
      {"nothing", [](const auto& e) { return e.path() + "/sparito.INI"; }, false, "che non esiste"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::TempDir elsewhere;
    const std::string target = c.make(elsewhere);
    struct stat before {};
    const bool existed = lstat(target.c_str(), &before) == 0;
    const auto bytes = platform::ReadFileBytes(target, 1 << 20);
    fs::create_directories(folder);
    fs::remove(IniPath());
    fs::create_symlink(c.via ? c.via(elsewhere) : target, IniPath());
    ImpostazioniPredefinite();
    Impostazioni.SuoniAttivati = false;  // "Suoni attivati" unticked, then "Esci"
    std::string motivo;
    if (c.asPlainUser) {
      // The user's own settings folder, someone else's file.
      const int code = testsupport::RunAsPlainUser({home_.config()}, [&] {
        std::string m;
        if (SalvaImpostazioni(&m)) return 0;
        return m.find(IniPath()) != std::string::npos && m.find(target) != std::string::npos &&
                       m.find(c.why) != std::string::npos
                   ? 1
                   : 2;
      });
      EXPECT_EQ(code, 1);
    } else if (c.why == nullptr) {
      EXPECT_TRUE(SalvaImpostazioni(&motivo)) << motivo;
    } else {
      EXPECT_FALSE(SalvaImpostazioni(&motivo));
      // The message names the settings file, where its link leads, and why nothing was saved.
      EXPECT_NE(motivo.find(IniPath()), std::string::npos) << motivo;
      EXPECT_NE(motivo.find(target), std::string::npos) << motivo;
      EXPECT_NE(motivo.find(c.why), std::string::npos) << motivo;
    }
    EXPECT_TRUE(fs::is_symlink(IniPath()));
    EXPECT_FALSE(fs::exists(IniPath() + ".tmp"));
    struct stat after {};
    EXPECT_EQ(lstat(target.c_str(), &after) == 0, existed);
    if (!existed) continue;
    // Whatever the link leads to keeps its kind, owner and permissions.
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_rdev, before.st_rdev);
    if (c.why == nullptr) {
      EXPECT_EQ(platform::ReadLines(target).value().at(0), "False");
    } else if (S_ISREG(after.st_mode)) {
      EXPECT_EQ(platform::ReadFileBytes(target, 1 << 20), bytes);
    }
  }
}

TEST_F(SettingsTest, WithoutHomeNothingGoesToAFolderOfOtherUsers) {
  // As anyone but root the body would run as the developer and make folders in the real home.
  if (geteuid() != 0) GTEST_SKIP() << "only as root can the save run as a user whose home is not ours";
  // Started with neither HOME nor XDG_CONFIG_HOME (TempHome puts them back).
  unsetenv("HOME");
  unsetenv("XDG_CONFIG_HOME");
  constexpr unsigned kUnknown = 54321;  // a user the password database does not know
  ASSERT_EQ(getpwuid(kUnknown), nullptr);
  testsupport::TempDir cwd;
  struct Case {
    const char* name;
    unsigned uid;
  };
  for (const Case& c : {Case{"a user of the password database", testsupport::kNobody}, Case{"an unknown user", kUnknown}}) {
    SCOPED_TRACE(c.name);
    const int code = testsupport::RunAsPlainUser(
        {cwd.path()},
        [&] {
          if (chdir(cwd.path().c_str()) != 0) return 10;
          const passwd* entry = getpwuid(geteuid());
          const std::string expected = entry != nullptr ? std::string(entry->pw_dir) + "/.config" : "";
          if (platform::DriveC() != expected) return 11;
          PreparaCartelle();
          LeggiImpostazioni();
          std::string motivo;
          if (SalvaImpostazioni(&motivo)) return 12;  // neither home can take a file
          if (motivo.find("fosku.INI") == std::string::npos) return 13;
          if (entry == nullptr && motivo.find("non ha una cartella personale") == std::string::npos) return 14;
          if (entry != nullptr && motivo.find(expected) == std::string::npos) return 15;
          // Nothing was made where the program runs either.
          return fs::is_empty(cwd.path()) ? 0 : 16;
        },
        c.uid);
    EXPECT_EQ(code, 0);
  }
  // The folder every user can write got nothing.
  EXPECT_FALSE(fs::exists(fs::temp_directory_path() / "ImpostazioniProgrammiOlmea"));
  EXPECT_FALSE(fs::exists(fs::temp_directory_path() / ".fosku.lock"));
}

TEST_F(SettingsTest, NothingAtTheTemporarysNameStopsASave) {
  struct Case {
    const char* name;
    std::function<void(const std::string& temp)> make;
    bool stays;  // what stood there is left as it was
  };
  testsupport::TempDir elsewhere;
  const std::vector<Case> cases = {
      {"a temporary of ours that a run cut short left, read-only at that",
       [](const std::string& t) {
         testsupport::TempDir::WriteTo(t, "True\r\nmezzo");
         fs::permissions(t, fs::perms::owner_read);
       },
       false},
      {"a folder", [](const std::string& t) { fs::create_directories(t + "/x"); }, true},
      {"a link to a file elsewhere",
       [&](const std::string& t) { fs::create_symlink(elsewhere.Write("altro.txt", "altro"), t); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteIni(kDefaultFile);
    const std::string temp = IniPath() + ".tmp";
    c.make(temp);
    const auto kind = fs::symlink_status(temp).type();
    LeggiImpostazioni();
    Impostazioni.SuoniAttivati = false;
    std::string motivo;
    EXPECT_TRUE(SalvaImpostazioni(&motivo)) << motivo;
    LeggiImpostazioni();
    EXPECT_FALSE(Impostazioni.SuoniAttivati);
    // Nothing else is left beside the file: the stale temporary is gone, a stray entry is not.
    EXPECT_EQ(Entries(), c.stays ? 2 : 1);
    EXPECT_EQ(fs::exists(fs::symlink_status(temp)), c.stays);
    if (c.stays) {
      EXPECT_EQ(fs::symlink_status(temp).type(), kind);
    }
    EXPECT_EQ(platform::ReadFileBytes(elsewhere.path() + "/altro.txt").value_or("altro"), "altro");
    fs::remove_all(Folder());
  }
}

// A file the pupil cannot read was never read: the run took the defaults in its place, and
// saving them would lose the fonts for good. A file made read-only keeps its fonts on purpose.
// Neither is replaced; "Esci" says why.
TEST_F(SettingsTest, AFileTheUserCannotReadOrHasMadeReadOnlyIsLeftAsItIs) {
  struct Case {
    const char* name;
    fs::perms mode;
    const char* why;
    bool read;  // the start reads the file
  };
  const Case cases[] = {
      {"mode 000", fs::perms::none, "accesso negato", false},
      {"mode 200", fs::perms::owner_write, "accesso negato", false},
      {"mode 444", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, "di sola lettura", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteIni(kSavedFile);
    fs::permissions(IniPath(), c.mode);
    const int code = testsupport::RunAsPlainUser({home_.config()}, [&] {
      LeggiImpostazioni();  // at start-up: the defaults on any failure, as ever
      if (Impostazioni.SuoniAttivati == c.read) return 1;
      Impostazioni.NomeFont[2] = "Comic Sans MS";  // a font chosen, then "Esci"
      std::string motivo;
      if (SalvaImpostazioni(&motivo)) return 2;
      return motivo.find(IniPath()) != std::string::npos && motivo.find(c.why) != std::string::npos ? 0 : 3;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(fs::status(IniPath()).permissions(), c.mode);
    fs::permissions(IniPath(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(platform::ReadFileBytes(IniPath()).value(), kSavedFile);
    EXPECT_EQ(Entries(), 1);
  }
}

TEST_F(SettingsTest, AReadMeLeftShortIsWrittenAgain) {
  const std::string outer = home_.config() + "/ImpostazioniProgrammiOlmea";
  // A first start on which the read-me cannot be written (here a file-size limit stops it): the
  // folders are made, an empty read-me stays behind.
  {
    const testsupport::FileSizeLimit limit(0);
    PreparaCartelle();
  }
  EXPECT_TRUE(fs::is_directory(outer + "/Fosku"));
  EXPECT_EQ(platform::ReadFileBytes(outer + "/leggimi.txt").value(), "");
  // The next start writes it whole; so does one after it was cut short.
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
