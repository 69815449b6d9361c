#include "exercises/verbs/form4_past_present_future.h"

#include "conjugation/verb_lists.h"
#include "exercises/verbs/estrazione_verbi.h"
#include "platform/random.h"

Form4::Form4()
    : BottoniRisposta(Finestra::Form4,
                      {.didascalie = {QStringLiteral("Passato"), QStringLiteral("Presente"), QStringLiteral("Futuro")},
                       .didascaliaConiugazione = false,
                       .titoloGriglia = QStringLiteral("Passato presente futuro"),
                       .intestazioni = {QStringLiteral("Passato"), QStringLiteral("Presente"), QStringLiteral("Futuro")}}) {}

void Form4::LeggiFosku() { CostruisciFosku::LeggiFosku(); }

int Form4::GruppoDelTempo(int Tempo) {
  switch (Tempo) {
    case 1: case 2: case 4: case 5: case 6: case 9: case 10: case 11: case 13:
      return 0;
    case 0: case 8: case 12:
      return 1;
    case 3: case 7:
      return 2;
    default:
      return -1;
  }
}

std::optional<QString> Form4::Estrai() {
  RispostaGiusta = platform::RandomBelow(3);
  int tempo = 0;
  if (RispostaGiusta == 0) {
    const int k = platform::RandomBelow(9) + 1;  // 1 to 9
    tempo = k == 3 ? 13 : k == 7 ? 10 : k == 8 ? 11 : k;
  } else if (RispostaGiusta == 1) {
    const int k = platform::RandomBelow(3);
    tempo = k == 0 ? 0 : k == 1 ? 8 : 12;
  } else {
    tempo = platform::RandomBelow(2) == 0 ? 3 : 7;
  }
  ConiugazioneScelta = EstrazioneVerbi::ScegliClasse(5);
  const auto forma = EstrazioneVerbi::Forma(tempo, ConiugazioneScelta);
  if (!forma) return std::nullopt;
  return QString::fromStdString(*forma);
}
