#include <gtest/gtest.h>

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
