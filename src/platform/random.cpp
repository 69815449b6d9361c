#include "platform/random.h"

#include <chrono>
#include <random>

namespace platform {
namespace {
std::mt19937_64& Engine() {
  static std::mt19937_64 engine(12345);
  return engine;
}
}  // namespace

void SeedRandom(std::uint64_t seed) { Engine().seed(seed); }

void SeedRandomFromClock() {
  SeedRandom(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double Rnd() {
  // 53 random bits scaled into [0, 1): the largest value is 1 - 2^-53.
  return static_cast<double>(Engine()() >> 11) * (1.0 / 9007199254740992.0);
}

int RandomBelow(int n) {
  if (n <= 0) return 0;
  int v = static_cast<int>(Rnd() * n);
  return v >= n ? n - 1 : v;
}

std::optional<int> DrawUsable(int first, int last, const std::function<bool(int)>& usable) {
  std::vector<int> candidates;
  for (int row = first; row <= last; ++row) {
    if (usable(row)) candidates.push_back(row);
  }
  if (candidates.empty()) return std::nullopt;
  return candidates[static_cast<size_t>(RandomBelow(static_cast<int>(candidates.size())))];
}

std::optional<int> DrawUsable(const std::vector<std::string>& rows, int first) {
  return DrawUsable(first < 0 ? 0 : first, static_cast<int>(rows.size()) - 1,
                    [&rows](int row) { return !rows[static_cast<size_t>(row)].empty(); });
}

int DrawChoice(int n, const std::function<bool(int)>& usable) {
  const int first = RandomBelow(n);
  if (n > 0 && usable(first)) return first;
  const auto other = DrawUsable(0, n - 1, usable);
  return other ? *other : -1;
}

}  // namespace platform
