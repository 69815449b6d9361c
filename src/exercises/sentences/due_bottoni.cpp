#include "exercises/sentences/due_bottoni.h"

#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace {

bool Vuota(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

// The two-button windows share one design: a wide frame for the item and, below it, the two
// answer buttons and the next-item button side by side.
DisposizioneBottoni Disposizione() {
  DisposizioneBottoni d;
  d.larghezza = 6765;
  d.altezza = 4725;
  d.picture = QRectF(120, 120, 6495, 2415);
  d.bottoni = {QRectF(360, 2760, 1815, 975), QRectF(2520, 2760, 1815, 975)};
  d.avanti = QRectF(4680, 2760, 1815, 975);
  d.avantiAzzurro = true;
  d.larghezzaErrori = 2;
  d.erroriCentrato = false;
  return d;
}

ConfigTreBottoni Cornice(const ConfigDueBottoni& c) {
  ConfigTreBottoni t;
  t.didascalie = {c.didascalia0, c.didascalia1};
  t.titoloGriglia = c.titoloGriglia;
  t.intestazioni = {c.intestazione0, c.intestazione1};
  t.disposizione = Disposizione();
  return t;
}

}  // namespace

DueBottoni::DueBottoni(Finestra finestra, ConfigDueBottoni config)
    : TreBottoni(finestra, Cornice(config)), due_(std::move(config)) {}

void DueBottoni::Riempi(const std::string& file, std::vector<std::string>& lista, int& numero) const {
  lista = LeggiRighe(file, kCapacita, ModoLettura());
  for (auto& item : lista) {
    if (!ItemValido(item)) item.clear();
  }
  numero = static_cast<int>(lista.size()) - 1;
}

void DueBottoni::LeggiFosku() {
  Riempi(due_.primoFile, PrimaLista, NumeroPrimaLista);
  Riempi(due_.secondoFile, SecondaLista, NumeroSecondaLista);
}

std::optional<QString> DueBottoni::Estrai() {
  const std::vector<std::string>* liste[2] = {&PrimaLista, &SecondaLista};
  auto usabile = [&](int l) {
    const auto& lista = *liste[l];
    for (size_t r = 1; r < lista.size(); ++r) {
      if (!Vuota(lista[r])) return true;
    }
    return false;
  };
  // Each list half of the time, whatever its length; a list without a usable item is left out.
  const int scelta = ScegliUsabile(2, usabile);
  if (scelta < 0) {
    SegnalaFileMancanti({due_.primoFile, due_.secondoFile});
    return std::nullopt;
  }
  const auto& lista = *liste[scelta];
  const auto riga = ModuloFosku::DrawNonEmptyRow(1, static_cast<int>(lista.size()) - 1,
                                                 [&](int r) { return !Vuota(lista[static_cast<size_t>(r)]); });
  ListaEstratta = scelta;
  RispostaGiusta = scelta;
  CostruisciFosku::IndiceEstratto = *riga;
  return QString::fromStdString(lista[static_cast<size_t>(*riga)]);
}
