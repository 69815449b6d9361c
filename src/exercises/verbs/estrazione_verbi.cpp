#include "exercises/verbs/estrazione_verbi.h"

#include <utility>

#include "conjugation/forms.h"
#include "conjugation/verb_lists.h"
#include "platform/random.h"

namespace EstrazioneVerbi {

bool ClasseUsabile(int Coniugazione) {
  if (Coniugazione == 3 || Coniugazione == 4) return true;
  for (int r = 1; r <= CostruisciFosku::CountOf(Coniugazione); ++r) {
    if (!CostruisciFosku::RowOf(Coniugazione, r).Radice.empty()) return true;
  }
  return false;
}

int ScegliClasse(int n) { return platform::DrawChoice(n, ClasseUsabile); }

std::optional<FormaEstratta> FormaConPersona(int Tempo, int Coniugazione) {
  if (Coniugazione < 0 || Coniugazione > 4) return std::nullopt;
  if (Coniugazione <= 2 && !CostruisciFosku::DrawRegularVerb(Coniugazione)) return std::nullopt;
  CostruisciFosku::CostruisciForme(Tempo, Coniugazione);
  const int persona = platform::RandomBelow(6);
  return FormaEstratta{persona, CostruisciFosku::Forme[static_cast<size_t>(persona)]};
}

std::optional<std::string> Forma(int Tempo, int Coniugazione) {
  auto f = FormaConPersona(Tempo, Coniugazione);
  if (!f) return std::nullopt;
  return std::move(f->Forma);
}

std::vector<std::string> FileRegolari(int n) {
  std::vector<std::string> files;
  for (int c = 0; c < n && c <= 2; ++c) {
    for (const auto& f : CostruisciFosku::ListFilesOf(c)) files.push_back(f);
  }
  return files;
}

}  // namespace EstrazioneVerbi
