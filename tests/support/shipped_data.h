// The data files the program ships, read as the program reads them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/textfile.h"

namespace testsupport {

// The lines of a shipped file, after checking that it exists and ends with CR LF; no lines (and a
// recorded failure) when it is missing.
inline std::vector<std::string> RigheSpedite(const std::string& file) {
  const auto bytes = platform::ReadFileBytes(file);
  EXPECT_TRUE(bytes.has_value()) << file;
  if (!bytes) return {};
  EXPECT_GE(bytes->size(), 2u) << file;
  if (bytes->size() >= 2) {
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n") << file;
  }
  auto righe = platform::ReadLines(file);
  EXPECT_TRUE(righe.has_value()) << file;
  return righe ? *righe : std::vector<std::string>{};
}

}  // namespace testsupport
