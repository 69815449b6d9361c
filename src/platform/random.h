// The program's one pseudo-random generator: uniform values in [0, 1), never 1.
// Start-up seeds it from the clock once; tests seed it to make a draw known.
#pragma once

#include <cstdint>

namespace platform {

void SeedRandom(std::uint64_t seed);
void SeedRandomFromClock();
// A uniform value in [0, 1).
double Rnd();
// The whole part of Rnd() * n: a value in 0 .. n - 1 (0 when n <= 0).
int RandomBelow(int n);

}  // namespace platform
