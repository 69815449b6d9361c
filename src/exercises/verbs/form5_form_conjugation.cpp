#include "exercises/verbs/form5_form_conjugation.h"

#include "conjugation/forms.h"
#include "conjugation/verb_lists.h"
#include "exercises/verbs/estrazione_verbi.h"
#include "platform/random.h"

Form5::Form5()
    : BottoniRisposta(Finestra::Form5,
                      {.didascalie = {QStringLiteral("Passato"), QStringLiteral("Presente"), QStringLiteral("Futuro")},
                       .didascaliaConiugazione = true,
                       .titoloGriglia = QStringLiteral("Coniugazione (fosku coniugati)"),
                       .intestazioni = {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")}}) {}

void Form5::LeggiFosku() { CostruisciFosku::LeggiFosku(); }

std::optional<QString> Form5::Estrai() {
  const int tempo = platform::RandomBelow(14);  // no imperativo, no non-finite forms
  const int classe = EstrazioneVerbi::ScegliClasse(3);
  if (classe < 0) {
    SegnalaFileMancanti(EstrazioneVerbi::FileRegolari(3));
    return std::nullopt;
  }
  RispostaGiusta = classe;
  const auto forma = EstrazioneVerbi::Forma(tempo, classe);
  if (!forma) return std::nullopt;
  return QString::fromStdString(*forma);
}

void Form5::SegnalaScelteMancanti() {
  // A conjugation whose lists have no root is never drawn: its button could never be right.
  std::vector<std::string> mancanti;
  bool altre = false;
  for (int c = 0; c < 3; ++c) {
    if (EstrazioneVerbi::ClasseUsabile(c)) {
      altre = true;
    } else {
      for (const auto& f : CostruisciFosku::ListFilesOf(c)) mancanti.push_back(f);
    }
  }
  SegnalaScelteSenzaLista(mancanti, altre, QStringLiteral("L'esercizio continua solo con le altre coniugazioni"));
}
