// The two answer counters every exercise window shows: right ("Esatti") and wrong ("Errati").
#pragma once

#include <cstdint>

namespace Module1 {

extern std::int16_t Esatti;
extern std::int16_t Errati;

// Adds one, stopping at 32,767 instead of wrapping round to a negative count.
void Aggiungi(std::int16_t& contatore);

}  // namespace Module1
