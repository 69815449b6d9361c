#include "exercise_window/contatori.h"

#include <limits>

namespace Module1 {

std::int16_t Esatti = 0;
std::int16_t Errati = 0;

void Aggiungi(std::int16_t& contatore) {
  if (contatore < std::numeric_limits<std::int16_t>::max()) ++contatore;
}

}  // namespace Module1
