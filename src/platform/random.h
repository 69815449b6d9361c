// The program's one pseudo-random generator: uniform values in [0, 1), never 1.
// Start-up seeds it from the clock once; tests seed it to make a draw known.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

void SeedRandom(std::uint64_t seed);
void SeedRandomFromClock();
// A uniform value in [0, 1).
double Rnd();
// The whole part of Rnd() * n: a value in 0 .. n - 1 (0 when n <= 0).
int RandomBelow(int n);

// Draws uniformly, with one RandomBelow, among the values first .. last for which `usable`
// holds (the rows of a list, tenses, classes, places); nothing when there is none. Every "draw
// again while the entry is empty" goes through here, so no draw can loop for ever.
std::optional<int> DrawUsable(int first, int last, const std::function<bool(int)>& usable);
// The same over the rows first .. size - 1 of a list whose text is not empty.
std::optional<int> DrawUsable(const std::vector<std::string>& rows, int first = 0);
// A choice among 0 .. n - 1: one plain draw, as every choice is made; when the drawn choice
// cannot be used, a second draw among the usable ones. -1 when none can be used.
int DrawChoice(int n, const std::function<bool(int)>& usable);

}  // namespace platform
