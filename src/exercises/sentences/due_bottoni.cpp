#include "exercises/sentences/due_bottoni.h"

#include <set>

#include "conjugation/verb_lists.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/textfile.h"

namespace {

// An item as the pupil reads it: blanks around it and letter case do not count.
QString Chiave(const std::string& s) { return QString::fromStdString(s).trimmed().toLower(); }

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

ConfigBottoniRisposta Cornice(const ConfigDueBottoni& c) {
  ConfigBottoniRisposta t;
  t.didascalie = {c.didascalia0, c.didascalia1};
  t.titoloGriglia = c.titoloGriglia;
  t.intestazioni = {c.intestazione0, c.intestazione1};
  t.disposizione = Disposizione();
  return t;
}

}  // namespace

DueBottoni::DueBottoni(Finestra finestra, ConfigDueBottoni config)
    : BottoniRisposta(finestra, Cornice(config)), due_(std::move(config)) {}

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
  // An item in both lists would have two right answers, and one of them would be judged wrong:
  // it is left out of both.
  std::set<QString> prime;
  for (const auto& item : PrimaLista) {
    if (!Vuota(item)) prime.insert(Chiave(item));
  }
  std::set<QString> doppie;
  for (auto& item : SecondaLista) {
    if (!Vuota(item) && prime.count(Chiave(item)) > 0) {
      doppie.insert(Chiave(item));
      item.clear();
    }
  }
  for (auto& item : PrimaLista) {
    if (!Vuota(item) && doppie.count(Chiave(item)) > 0) item.clear();
  }
}

bool DueBottoni::ListaUsabile(int lista) const { return HaRighePiene(lista == 0 ? PrimaLista : SecondaLista); }

void DueBottoni::SegnalaScelteMancanti() {
  const bool prima = ListaUsabile(0);
  const bool seconda = ListaUsabile(1);
  if (prima != seconda) {
    SegnalaScelteSenzaLista({prima ? due_.secondoFile : due_.primoFile}, true,
                            QStringLiteral("L'esercizio continua solo con l'altra lista"));
  } else if (!prima) {
    SegnalaFileMancanti({due_.primoFile, due_.secondoFile});
  }
}

std::optional<QString> DueBottoni::Estrai() {
  // Each list half of the time, whatever its length; a list without a usable item is left out.
  const int scelta = platform::DrawChoice(2, [this](int l) { return ListaUsabile(l); });
  if (scelta < 0) return std::nullopt;
  const auto& lista = scelta == 0 ? PrimaLista : SecondaLista;
  const auto riga = platform::DrawUsable(1, static_cast<int>(lista.size()) - 1,
                                                 [&](int r) { return !Vuota(lista[static_cast<size_t>(r)]); });
  ListaEstratta = scelta;
  RispostaGiusta = scelta;
  // The sentence row drawn is kept in the engine's current-item index, as the verb windows keep theirs.
  CostruisciFosku::IndiceEstratto = *riga;
  return QString::fromStdString(lista[static_cast<size_t>(*riga)]);
}
