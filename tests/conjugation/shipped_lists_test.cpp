// The regular-verb lists shipped with the program: their files and every form they produce.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>
#include <string>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "support/temp_dirs.h"

namespace CF = CostruisciFosku;

TEST(ShippedLists, FilesHoldOneBareLowerCaseRootPerCrLfLine) {
  testsupport::TempProgramFolder folder(true);
  std::set<std::string> all;
  for (int c = 0; c < 3; ++c) {
    for (const std::string& name : CF::ListFilesOf(c)) {
      auto bytes = platform::ReadFileBytes(platform::ProgramPath(name));
      ASSERT_TRUE(bytes.has_value()) << name;
      ASSERT_FALSE(bytes->empty()) << name;
      // Every line ends in CR LF: each CR right before an LF, each LF right after a CR.
      for (std::size_t i = 0; i < bytes->size(); ++i) {
        const char b = (*bytes)[i];
        if (b == '\r') {
          EXPECT_EQ(bytes->substr(i, 2), "\r\n") << name;
        } else if (b == '\n') {
          EXPECT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << name;
        }
      }
      EXPECT_EQ(bytes->back(), '\n') << name;
      for (const std::string& root : platform::SplitLines(*bytes)) {
        EXPECT_FALSE(root.empty()) << name;
        EXPECT_EQ(root.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << name << ": " << root;
        EXPECT_TRUE(all.insert(std::to_string(c) + root).second) << "listed twice: " << root;
      }
    }
  }
}

TEST(ShippedLists, AreLongEnough) {
  testsupport::TempProgramFolder folder(true);
  CF::LeggiFosku();
  EXPECT_GE(CF::NumeroRadiciAre, 80);
  EXPECT_GE(CF::NumeroRadiciEre, 12);
  EXPECT_GE(CF::NumeroRadiciIre, 50);
  int essereAre = 0, isco = 0, essereIre = 0, ei = 0;
  for (int r = 1; r <= CF::NumeroRadiciAre; ++r) essereAre += CF::RadiciAre[r].Ausiliare == "e";
  for (int r = 1; r <= CF::NumeroRadiciEre; ++r) ei += CF::RadiciEre[r].DesinenzaRemotoIo == "ei";
  for (int r = 1; r <= CF::NumeroRadiciIre; ++r) {
    isco += CF::RadiciIre[r].DesinenzaPresenteIo == "isco";
    essereIre += CF::RadiciIre[r].Ausiliare == "e";
  }
  EXPECT_GE(essereAre, 10);
  EXPECT_GE(isco, 20);
  EXPECT_GE(essereIre, 10);
  EXPECT_GT(ei, 0);
  EXPECT_LT(ei, CF::NumeroRadiciEre);
}

// Every shipped root (and essere and avere), in every tense, with and without pronouns: six
// non-empty forms, the right prefix, and a root/ending split that joins back into the builders'
// form.
TEST(ShippedLists, EveryRootBuildsEveryTense) {
  testsupport::TempProgramFolder folder(true);
  ModuloFosku::RiempiTabelle();
  CF::LeggiFosku();
  std::vector<std::pair<int, int>> verbs = {{3, 0}, {4, 0}};
  for (int classe = 0; classe < 3; ++classe) {
    for (int row = 1; row <= CF::CountOf(classe); ++row) verbs.emplace_back(classe, row);
  }
  for (auto [classe, row] : verbs) {
    CF::IndiceEstratto = row;
    CF::RadiceScelta = CF::RowOf(classe, row).Radice;
    for (int t = 0; t < 16; ++t) {
      CF::CostruisciForme(t, classe);
      const CF::FormeVerbo with = CF::Forme;
      CostruisciFoskuSenzaPersona::CostruisciForme(t, classe);
      const CF::FormeVerbo without = CF::Forme;
      const auto split = CF::SplitCurrentForms(t, classe, true);
      const auto bare = CF::SplitCurrentForms(t, classe, false);
      ASSERT_TRUE(split && bare);
      for (int p = 0; p < 6; ++p) {
        const std::string where = CF::RadiceScelta + " class " + std::to_string(classe) + " tense " +
                                  std::to_string(t) + " person " + std::to_string(p);
        std::string prefix;
        if (t < 14) prefix = (t >= 8 && t <= 11 ? "che " : "") + ModuloFosku::Persone[p] + " ";
        const bool noParticiple = classe == 3 && t == 15 && p == 2;  // essere has no present participle
        EXPECT_EQ(without[p].empty(), noParticiple) << where;
        EXPECT_EQ(with[p], prefix + without[p]) << where;
        EXPECT_EQ((*split)[p].Whole(), with[p]) << where;
        EXPECT_EQ((*bare)[p].Whole(), without[p]) << where;
        const bool whole = classe >= 3 || t == 15 || (t == 14 && p == 0);
        EXPECT_EQ((*bare)[p].ending.empty(), whole) << where;
        if (!whole && !ModuloFosku::TempoComposto(t)) {
          // The root part is the root, bar a dropped final i or an added h.
          const std::string stem = CF::RadiceScelta.substr(0, CF::RadiceScelta.size() - 1);
          EXPECT_EQ((*bare)[p].root.substr(0, stem.size()), stem) << where;
        }
      }
    }
  }
  EXPECT_GT(verbs.size(), 140u);
}
