#include "exercises/verbs/radici_infinito.h"

#include "exercise_window/righe_dati.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/textfile.h"

namespace ListeInfinito {

Liste Leggi() {
  Liste liste;
  for (size_t c = 0; c < 3; ++c) liste[c] = LeggiRighe(kFile[c], kCapacita, Lettura::Campi);
  return liste;
}

bool ClasseUsabile(const Liste& liste, int c) { return c >= 0 && c <= 2 && HaRighePiene(liste[static_cast<size_t>(c)]); }

std::optional<Estratto> Estrai(const Liste& liste) {
  auto riga = [&](int c, int r) { return !Vuota(liste[static_cast<size_t>(c)][static_cast<size_t>(r)]); };
  auto ultima = [&](int c) { return static_cast<int>(liste[static_cast<size_t>(c)].size()) - 1; };
  const int classe = platform::DrawChoice(3, [&](int c) { return ClasseUsabile(liste, c); });
  if (classe < 0) return std::nullopt;
  const auto r = platform::DrawUsable(1, ultima(classe), [&](int x) { return riga(classe, x); });
  if (!r) return std::nullopt;
  return Estratto{classe, *r};
}

}  // namespace ListeInfinito
