// "Completa la frase": a sentence from the files of "\testiFosku\8\" (one per tense) with one
// verb form left out; above it the verb's infinitive and the tense; the pupil types the form.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exercise_window/rispostascritta.h"

// A line of a sentence file taken apart: "before#form#after" and one separator character, then
// "[infinitive]" at the end of the line.
struct FraseDaCompletare {
  QString testo;    // what the pupil sees: before, " _____ ", after
  QString forma;    // the missing form, without the blanks around it
  QString verbo;    // the infinitive
};
// Nothing when the line does not follow that layout or leaves no form to type.
std::optional<FraseDaCompletare> AnalizzaFrase(const std::string& riga);

class Form18 : public RispostaScritta {
  Q_OBJECT

 public:
  Form18();
  static constexpr int kTempi = 14;     // presente indicativo .. passato condizionale
  static constexpr int kCapacita = 200; // lines a file can hold
  // Lines 1 .. count of each tense's file (row 0 empty).
  std::array<std::vector<std::string>, kTempi> FrasiTempo;
  int TempoEstratto = 0;
  QString RispostaAttesa;

  void LeggiFosku() override;
  static std::string FileDelTempo(int Tempo);

 protected:
  std::optional<QString> Estrai() override;
  QString Attesa(int) const override { return RispostaAttesa; }
};
