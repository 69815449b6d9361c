#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "platform/textfile.h"
#include "support/temp_dirs.h"

using platform::SplitFields;
using platform::SplitLines;

TEST(FieldReader, SplitsAsTheSequentialReaderDoes) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> items;
  };
  const std::vector<Case> cases = {
      {"one per line, CR LF", "cant\r\nparl\r\n", {"cant", "parl"}},
      {"LF only reads the same", "cant\nparl\n", {"cant", "parl"}},
      {"missing last line end", "cant\r\nparl", {"cant", "parl"}},
      {"comma ends an item", "cant,parl\r\nball\r\n", {"cant", "parl", "ball"}},
      {"quoted field keeps its comma", "\"Arial, Bold\",x\r\n", {"Arial, Bold", "x"}},
      {"leading blanks skipped, trailing dropped", "   48 \r\n", {"48"}},
      {"empty line in the middle is an empty item", "a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"empty line at the end gives one empty item", "a\r\n\r\n", {"a", ""}},
      {"empty file gives nothing", "", {}},
      {"a lone line end gives one empty item", "\r\n", {""}},
      {"comma before the line end gives an empty item", "a,\r\nb", {"a", "", "b"}},
      // A quote closes only before a comma or the line's end; any other is the sentence's own.
      {"direct speech in typographic quotes", "\"La maestra dice: “Oggi è venerdì, così è più facile.”\"\n",
       {"La maestra dice: “Oggi è venerdì, così è più facile.”"}},
      {"direct speech in straight quotes", "“La maestra dice: \"Oggi è venerdì, così è più facile.\"”\n",
       {"La maestra dice: \"Oggi è venerdì, così è più facile.\""}},
      {"straight quotes in straight ones", "\"Il papà ha detto: \"Andiamo, è tardi.\"\"\n",
       {"Il papà ha detto: \"Andiamo, è tardi.\""}},
      {"words after the quote keep the sentence whole", "“Vieni qui, subito!” dice la mamma.\nb",
       {"“Vieni qui, subito!” dice la mamma.", "b"}},
      {"guillemets are text", "\"«Vieni qui, subito!» dice la mamma.\"\n", {"«Vieni qui, subito!» dice la mamma."}},
      {"blanks before the comma", "\"a, b\" ,\"c\"\r\nd,e\r\n", {"a, b", "c", "d", "e"}},
      {"typographic quotes as an editor types them", "“Quando nevica, io resto a casa.”\r\nb\r\n",
       {"Quando nevica, io resto a casa.", "b"}},
      {"typographic quotes either way round", "”a, b”,“c, d“\r\n", {"a, b", "c, d"}},
      {"a straight quote and a typographic one", "\"Quando nevica, io resto a casa.”\r\nb\r\n",
       {"Quando nevica, io resto a casa.", "b"}},
      {"a quote left open closes at the line's end", "\"Quando nevica, io\r\nresto a casa.\r\n",
       {"Quando nevica, io", "resto a casa."}},
      {"a typographic one too", "“Quando nevica, io\nresto\n", {"Quando nevica, io", "resto"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitFields(c.text), c.items) << c.name;
  }
}

TEST(LineReader, KeepsCommasAndBlanks) {
  EXPECT_EQ(SplitLines("Io mangio, tu bevi.\r\n  due\r\n"),
            (std::vector<std::string>{"Io mangio, tu bevi.", "  due"}));
  EXPECT_EQ(SplitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(Cp1252, DecodesAndEncodesBackByteForByte) {
  EXPECT_EQ(platform::DecodeCp1252("\xE8"), "è");
  EXPECT_EQ(platform::DecodeCp1252("perch\xE9 pu\xF2"), "perché può");
  EXPECT_EQ(platform::DecodeCp1252("\x80"), "€");
  EXPECT_EQ(platform::DecodeCp1252("\x93x\x94"), "“x”");
  EXPECT_EQ(platform::EncodeCp1252("è"), "\xE8");
  EXPECT_EQ(platform::EncodeCp1252("€ “x” …"), "\x80 \x93x\x94 \x85");
  EXPECT_EQ(platform::EncodeCp1252("Ω"), "?");  // not in the code page
  std::string all;
  for (int b = 0x20; b < 0x100; ++b) {
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    all += static_cast<char>(b);
  }
  EXPECT_EQ(platform::EncodeCp1252(platform::DecodeCp1252(all)), all);
}

TEST(TextFiles, WriteCrLfAndReadBack) {
  testsupport::TempDir dir;
  const std::string path = dir.path() + "/f.txt";
  ASSERT_TRUE(platform::WriteLines(path, {"così", " 48 ", ""}));
  EXPECT_EQ(platform::ReadFileBytes(path).value(), "cos\xEC\r\n 48 \r\n\r\n");
  // A data line's blanks at its end are not part of it; those before it are.
  EXPECT_EQ(platform::ReadLines(path).value(), (std::vector<std::string>{"così", " 48", ""}));
  EXPECT_EQ(platform::ReadFields(path).value(), (std::vector<std::string>{"così", "48", ""}));
  EXPECT_FALSE(platform::ReadFields(dir.path() + "/missing.txt").has_value());
  EXPECT_FALSE(platform::ReadFields(dir.path()).has_value());  // a folder is not a file
}

TEST(TextFiles, AtomicWriteLeavesTheOldFileWholeOnFailure) {
  testsupport::TempDir dir;
  const std::string path = dir.path() + "/sub/f.txt";
  EXPECT_FALSE(platform::WriteLinesAtomically(path, {"x"}));  // folder missing
  const std::string good = dir.Write("g.txt", "old\r\n");
  ASSERT_TRUE(platform::WriteLinesAtomically(good, {"new"}));
  EXPECT_EQ(platform::ReadFileBytes(good).value(), "new\r\n");
  EXPECT_FALSE(platform::ReadFileBytes(good + ".tmp").has_value());
}

namespace {

namespace fs = std::filesystem;

// A file of `size` bytes that starts with `start` (the rest a hole of zero bytes).
std::string Sized(const testsupport::TempDir& dir, const std::string& name, const std::string& start,
                  std::uintmax_t size) {
  const std::string path = dir.Write(name, start);
  fs::resize_file(path, size);
  return path;
}

}  // namespace

TEST(TextFiles, OnlyPlainFilesWithinTheBoundAreRead) {
  testsupport::TempDir dir;
  testsupport::Fifo fifo(dir.path() + "/pipe.txt");
  ASSERT_TRUE(fifo.made());
  fs::create_symlink("/dev/zero", dir.path() + "/zero.txt");
  const std::string good = dir.Write("good.txt", "cant\r\n");
  fs::create_symlink(good, dir.path() + "/link.txt");
  const std::size_t data = platform::kDataFile.maxBytes, settings = platform::kSettingsFile.maxBytes;
  struct Case {
    std::string name, path;
    platform::ReadBounds bounds;
    bool readable;
  };
  const std::vector<Case> cases = {
      {"a pipe with no writer", fifo.made() ? dir.path() + "/pipe.txt" : "", platform::kDataFile, false},
      {"a link to an endless device", dir.path() + "/zero.txt", platform::kDataFile, false},
      {"a folder", dir.path(), platform::kDataFile, false},
      {"a link to a plain file", dir.path() + "/link.txt", platform::kDataFile, true},
      {"a data file at the bound", Sized(dir, "d1", "cant\r\n", data), platform::kDataFile, true},
      {"a data file past the bound", Sized(dir, "d2", "cant\r\n", data + 1), platform::kDataFile, false},
      {"a settings file at its bound", Sized(dir, "s1", "True\r\n", settings), platform::kSettingsFile, true},
      {"a settings file past it", Sized(dir, "s2", "True\r\n", settings + 1), platform::kSettingsFile, false},
  };
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const auto lines = platform::ReadLines(c.path, c.bounds);
    EXPECT_LT(std::chrono::steady_clock::now() - start, testsupport::kHang) << c.name;
    EXPECT_EQ(lines.has_value(), c.readable) << c.name;
    if (lines) {
      ASSERT_FALSE(lines->empty()) << c.name;
      EXPECT_EQ(lines->front(), c.path.find("/s1") != std::string::npos ? "True" : "cant") << c.name;
    }
  }
}

TEST(TextFiles, DataLinesLongerThanASentenceAreLeftOut) {
  testsupport::TempDir dir;
  const std::string atBound(2000, 'a'), pastBound(2001, 'b');
  const std::string path = dir.Write("f.txt", "cant\r\n" + pastBound + "\r\n" + atBound + "\nparl,ball\r" +
                                                  std::string(3 << 20, 'c') + ",x\r\nfin");
  EXPECT_EQ(platform::ReadLines(path).value(), (std::vector<std::string>{"cant", atBound, "parl,ball", "fin"}));
  EXPECT_EQ(platform::ReadFields(path).value(), (std::vector<std::string>{"cant", atBound, "parl", "ball", "fin"}));
  // The settings reader's own bound knows no line length.
  const std::string settings = dir.Write("s.txt", pastBound + "\r\n");
  EXPECT_EQ(platform::ReadLines(settings, platform::kSettingsFile).value(), (std::vector<std::string>{pastBound}));
}

TEST(TextFiles, QuotedFieldsWithDoubledQuotes) {
  EXPECT_EQ(platform::SplitFields("\"a\"\"b, c\"\r\nd\r\n", true), (std::vector<std::string>{"a\"b, c", "d"}));
  EXPECT_EQ(platform::SplitFields("\"\"\"\"\r\n", true), (std::vector<std::string>{"\""}));
  // In a data file a quote that no comma follows is the teacher's own text.
  EXPECT_EQ(platform::SplitFields("\"a\"\"b\",c\r\n"), (std::vector<std::string>{"a\"\"b", "c"}));
  EXPECT_TRUE(platform::FitsCp1252("Perché € “x”"));
  EXPECT_FALSE(platform::FitsCp1252("Ωmega"));
  EXPECT_FALSE(platform::FitsCp1252("\xFF"));  // not UTF-8 at all
}

TEST(TextFiles, SavingThroughLinksAndOverStaleTemporaries) {
  testsupport::TempDir dir;
  const std::string real = dir.Write("real/f.txt", "old\r\n");
  fs::create_directories(dir.path() + "/links");
  fs::create_symlink("../real/f.txt", dir.path() + "/links/relative");
  fs::create_symlink(dir.path() + "/links/relative", dir.path() + "/links/chain");
  // A temporary left by a run that was cut short, read-only at that.
  dir.Write("real/f.txt.tmp", "half");
  fs::permissions(real + ".tmp", fs::perms::owner_read);

  ASSERT_TRUE(platform::WriteLinesAtomically(dir.path() + "/links/chain", {"new", "lines"}));
  EXPECT_EQ(platform::ReadFileBytes(real).value(), "new\r\nlines\r\n");
  EXPECT_TRUE(fs::is_symlink(dir.path() + "/links/chain"));
  EXPECT_TRUE(fs::is_symlink(dir.path() + "/links/relative"));
  EXPECT_FALSE(fs::exists(real + ".tmp"));
  EXPECT_FALSE(fs::exists(dir.path() + "/links/chain.tmp"));

  // A link to nothing, and links that go round, name no file of the user's: nothing is made
  // and every link stays as it was.
  fs::create_symlink("nuovo.txt", dir.path() + "/real/dangling");
  fs::create_symlink("b", dir.path() + "/a");
  fs::create_symlink("a", dir.path() + "/b");
  const struct {
    const char* link;
    const char* reason;
  } refused[] = {{"/real/dangling", "che non esiste"}, {"/a", "formano un ciclo"}};
  for (const auto& r : refused) {
    std::string reason;
    EXPECT_FALSE(platform::WriteLinesAtomically(dir.path() + r.link, {"x"}, &reason)) << r.link;
    EXPECT_NE(reason.find(r.reason), std::string::npos) << reason;
    EXPECT_TRUE(fs::is_symlink(dir.path() + r.link)) << r.link;
  }
  EXPECT_FALSE(fs::exists(fs::symlink_status(dir.path() + "/real/nuovo.txt")));
}

TEST(TextFiles, AReadOnlyFolderGetsItsFileRewrittenInPlace) {
  testsupport::TempDir dir;
  const std::string folder = dir.path() + "/ro";
  const std::string writable = dir.Write("ro/writable.txt", "a much longer old content\r\n");
  const std::string locked = dir.Write("ro/locked.txt", "old\r\n");
  fs::permissions(locked, fs::perms::owner_read);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  // 0: saved; 1: refused for the reason expected; 2: refused for another reason.
  auto save = [&](const std::string& path, const std::string& expected) {
    return testsupport::RunAsPlainUser({folder}, [&] {
      std::string reason;
      if (platform::WriteLinesAtomically(path, {"nuovo"}, &reason)) return 0;
      return reason == expected ? 1 : 2;
    });
  };
  EXPECT_EQ(save(writable, ""), 0);
  EXPECT_EQ(platform::ReadFileBytes(writable).value(), "nuovo\r\n");  // cut to its new length
  EXPECT_EQ(save(locked, "il file è di sola lettura"), 1);
  EXPECT_EQ(platform::ReadFileBytes(locked).value(), "old\r\n");
  EXPECT_EQ(save(folder + "/missing.txt", "accesso negato"), 1);
  EXPECT_FALSE(fs::exists(folder + "/missing.txt"));
  fs::permissions(folder, fs::perms::owner_all);
}

TEST(DataFiles, Utf8WithOrWithoutAMarkAndWindows1252ReadToTheSameText) {
  testsupport::TempDir dir;
  const std::vector<std::string> righe = {"Perché tu sei già partito?", "La città è bella, però piove."};
  const std::string utf8 = righe[0] + "\n" + righe[1] + "\n";
  const std::string cp1252 = platform::EncodeCp1252(righe[0]) + "\r\n" + platform::EncodeCp1252(righe[1]) + "\r\n";
  for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, cp1252}) {
    EXPECT_EQ(platform::ReadLines(dir.Write("f.txt", bytes)).value(), righe) << bytes;
  }
}

TEST(DataFiles, OnlyWellFormedUtf8BeyondAsciiIsTakenForUtf8) {
  struct Case {
    const char* name;
    std::string bytes, text;
  };
  const std::vector<Case> cases = {
      {"Windows-1252 accented letters", "citt\xE0 \xE8", "città è"},
      {"Windows-1252 whose first letters look like UTF-8", "\xC3\xA8 \xE8", "Ã¨ è"},
      {"a UTF-8 sequence cut short at the end", "citt\xC3", "cittÃ"},
      {"a UTF-8 surrogate", "\xED\xA0\x80", "í\xC2\xA0€"},
      {"UTF-8", "citt\xC3\xA0 \xE2\x82\xAC", "città €"},
      {"only a byte-order mark", "\xEF\xBB\xBF", ""},
      {"a mark and a Windows-1252 line", "\xEF\xBB\xBF" "a\xE0" "b", "aàb"},
      // Lines a teacher appended in the other encoding: each line read in its own.
      {"Windows-1252 with UTF-8 lines appended", "perch\xE9\r\nperch\xC3\xA9\r\nL\xE2\x80\x99" "ape\n",
       "perché\r\nperché\r\nL’ape\n"},
      {"UTF-8 with a Windows-1252 line appended", "\xEF\xBB\xBF" "citt\xC3\xA0\ncitt\xE0\n", "città\ncittà\n"},
      // Two Windows-1252 letters that happen to be a UTF-8 letter cannot be told apart.
      {"Windows-1252 that is well-formed UTF-8", "\xC3\xA8", "è"},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::DecodeText(c.bytes), c.text) << c.name;
}

TEST(DataFiles, BlanksAndTabsAtALineEndAreNotPartOfIt) {
  testsupport::TempDir dir;
  const std::string path = dir.Write("f.txt", "cant \t\r\n  parl  \nIl cane#abbaia#nel giardino.# \r\n \t\r\nfin ");
  EXPECT_EQ(platform::ReadLines(path).value(),
            (std::vector<std::string>{"cant", "  parl", "Il cane#abbaia#nel giardino.#", "", "fin"}));
  // The bound on a line counts its characters, not its bytes, and not the blanks after it.
  std::string lunga, troppo;
  for (int i = 0; i < 2000; ++i) lunga += "è";
  troppo = lunga + "a";
  const std::string path2 = dir.Write("g.txt", lunga + "    \n" + troppo + "\nok\n");
  EXPECT_EQ(platform::ReadLines(path2).value(), (std::vector<std::string>{lunga, "ok"}));
}
