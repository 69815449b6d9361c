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

}  // namespace platform
