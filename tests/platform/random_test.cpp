#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/random.h"

TEST(Random, SeededDrawsRepeatAndStayInRange) {
  platform::SeedRandom(7);
  std::vector<double> first;
  for (int i = 0; i < 100; ++i) first.push_back(platform::Rnd());
  platform::SeedRandom(7);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(platform::Rnd(), first[i]);
  std::vector<int> hits(6, 0);
  for (int i = 0; i < 60000; ++i) {
    const double r = platform::Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    const int k = platform::RandomBelow(6);
    ASSERT_GE(k, 0);
    ASSERT_LT(k, 6);
    ++hits[k];
  }
  for (int h : hits) EXPECT_NEAR(h, 10000, 600);
  EXPECT_EQ(platform::RandomBelow(0), 0);
}

TEST(DrawUsable, DrawsEveryUsableRowAndNoOther) {
  // The last row is usable too: a draw that never reaches the end of the list shows here.
  const std::vector<std::string> rows = {"", "a", "", "b", "", "c"};
  std::map<int, int> hits;
  for (std::uint64_t seed = 0; seed < 3000; ++seed) {
    platform::SeedRandom(seed);
    auto row = platform::DrawUsable(rows, 1);
    ASSERT_TRUE(row.has_value());
    ++hits[*row];
  }
  ASSERT_EQ(hits.size(), 3u);
  for (int r : {1, 3, 5}) EXPECT_NEAR(hits[r], 1000, 150) << r;
}

TEST(DrawUsable, SaysWhenThereIsNone) {
  EXPECT_FALSE(platform::DrawUsable({"", ""}));
  EXPECT_FALSE(platform::DrawUsable(std::vector<std::string>{}));
  EXPECT_FALSE(platform::DrawUsable({"a", ""}, 1));  // row 0 is not drawn from
  EXPECT_FALSE(platform::DrawUsable(1, 0, [](int) { return true; }));
  EXPECT_EQ(platform::DrawUsable(3, 7, [](int r) { return r == 6; }), 6);
}
