#include "exercises/verbs/form7_mood.h"

#include "conjugation/verb_lists.h"
#include "exercises/verbs/estrazione_verbi.h"
#include "platform/random.h"

Form7::Form7()
    : BottoniRisposta(Finestra::Form7,
                      {.didascalie = {QStringLiteral("Indicativo"), QStringLiteral("Congiuntivo"), QStringLiteral("Condizionale")},
                       .didascaliaConiugazione = false,
                       .titoloGriglia = QStringLiteral("Il modo dei fosku"),
                       .intestazioni = {QStringLiteral("Indicativo"), QStringLiteral("Congiuntivo"), QStringLiteral("Condizionale")}}) {}

void Form7::LeggiFosku() { CostruisciFosku::LeggiFosku(); }

std::optional<QString> Form7::Estrai() {
  RispostaGiusta = platform::RandomBelow(3);
  int tempo = 0;
  switch (RispostaGiusta) {
    case 0:
      tempo = platform::RandomBelow(8);  // indicativo: 0 to 7
      break;
    case 1:
      tempo = platform::RandomBelow(4) + 8;  // congiuntivo: 8 to 11
      break;
    default:
      tempo = platform::RandomBelow(2) + 12;  // condizionale: 12, 13
      break;
  }
  ConiugazioneScelta = EstrazioneVerbi::ScegliClasse(5);  // essere and avere are always there
  const auto forma = EstrazioneVerbi::Forma(tempo, ConiugazioneScelta);
  if (!forma) return std::nullopt;
  return QString::fromStdString(*forma);
}
