#include "exercises/verbs/form6_find_infinitive.h"

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercises/verbs/estrazione_verbi.h"
#include "platform/random.h"

Form6::Form6()
    : RispostaScritta(Finestra::Form6,
                      {.caselle = {CasellaRisposta{}},  // every default: "*" when right, the typed text when wrong
                       .fattoriColonne = {1, 7, 2, 8},
                       .intestazioni = {QStringLiteral("Trova l'infinito"), QStringLiteral("esatti"),
                                        QStringLiteral("errori")},
                       .intestazioniCentrate = {2, 3},
                       .etichettaConsegna = false}) {}

void Form6::LeggiFosku() { CostruisciFosku::LeggiFosku(); }

std::optional<QString> Form6::Estrai() {
  // Any tense from the presente indicativo to the passato condizionale: never the imperativo
  // or the non-finite forms.
  const int tempo = platform::RandomBelow(14);
  ConiugazioneScelta = EstrazioneVerbi::ScegliClasse(3);
  if (ConiugazioneScelta < 0) {
    SegnalaFileMancanti(EstrazioneVerbi::FileRegolari(3));
    return std::nullopt;
  }
  const auto forma = EstrazioneVerbi::FormaConPersona(tempo, ConiugazioneScelta);
  if (!forma) return std::nullopt;
  PersonaEstratta = forma->Persona;
  // The answer is the drawn verb's present infinitive, whatever other verb the form may belong to.
  CostruisciFosku::CostruisciForme(ModuloFosku::TempoModiNonFiniti, ConiugazioneScelta);
  RispostaAttesa = QString::fromStdString(CostruisciFosku::Forme[0]);
  return QString::fromStdString(forma->Forma);
}
