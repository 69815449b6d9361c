#include <gtest/gtest.h>

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
      {"text after a closing quote is dropped", "\"ab\"cd,e", {"ab", "e"}},
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
  EXPECT_EQ(platform::ReadLines(path).value(), (std::vector<std::string>{"così", " 48 ", ""}));
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
