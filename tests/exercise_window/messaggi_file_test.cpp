#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "exercise_window/messaggi_file.h"
#include "support/temp_dirs.h"

namespace fs = std::filesystem;

// What the message says of a data file is what is true of it for the pupil who runs the
// program: a file that is there but closed to them is never reported as missing.
TEST(DataFileMessages, TellAMissingFileFromOneThatMayNotBeRead) {
  struct Case {
    const char* name;
    const char* asked;  // the file the window looks for, as the program names it
    std::function<void(const std::string& folder)> make;
    const char* says;
  };
  const std::vector<Case> cases = {
      {"a missing file", "\\testiFosku\\3\\liv2.txt", [](const auto&) {}, "manca il file"},
      {"a folder that cannot be searched", "\\testiFosku\\3\\liv1.txt",
       [](const std::string& f) { fs::permissions(f, fs::perms::none); }, "accesso negato al file"},
      {"a folder that can be listed but not searched", "\\testiFosku\\3\\liv1.txt",
       [](const std::string& f) { fs::permissions(f, fs::perms::owner_read); }, "accesso negato al file"},
      // The name in another letter case can be found only by listing the folder.
      {"a folder that can be searched but not listed", "\\testifosku\\3\\LIV1.txt",
       [](const std::string& f) { fs::permissions(f, fs::perms::owner_exec); }, "accesso negato al file"},
      {"a file that may not be read", "\\testiFosku\\3\\liv1.txt",
       [](const std::string& f) { fs::permissions(f + "/liv1.txt", fs::perms::none); }, "accesso negato al file"},
      {"an empty file", "\\testiFosku\\3\\vuoto.txt", [](const auto&) {}, "è vuoto"},
      // Some editors save an empty file as a UTF-8 byte-order mark alone.
      {"a byte-order mark alone", "\\testiFosku\\3\\segno.txt", [](const auto&) {}, "è vuoto"},
      {"a byte-order mark and blank lines", "\\testiFosku\\3\\righe.txt", [](const auto&) {}, "è vuoto"},
      {"a line no window can use", "\\testiFosku\\3\\inutile.txt", [](const auto&) {}, "nessuna riga utilizzabile"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::TempProgramFolder program;
    program.Write("testiFosku/3/liv1.txt", "il cane#0#abbaia#1#\r\n");
    program.Write("testiFosku/3/vuoto.txt", "");
    program.Write("testiFosku/3/segno.txt", "\xEF\xBB\xBF");
    program.Write("testiFosku/3/righe.txt", "\xEF\xBB\xBF\r\n \t\r\n\r\n");
    program.Write("testiFosku/3/inutile.txt", "\xEF\xBB\xBFil cane abbaia\r\n");
    const std::string folder = program.path() + "/testiFosku/3";
    c.make(folder);
    const int code = testsupport::RunAsPlainUser({program.path()}, [&] {
      const std::string message = MessaggioFileDati(QStringLiteral("Manca"), {c.asked}).toStdString();
      if (message.find(c.says) == std::string::npos) return 1;
      return message.find(program.path() + "/testi") != std::string::npos ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
  }
}
