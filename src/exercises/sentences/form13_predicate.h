// "Predicato verbale e predicato nominale": a sentence from "\testiFosku\5\" with its predicate
// in red; the pupil tells whether the predicate is verbal or nominal.
#pragma once

#include <array>
#include <optional>

#include "exercises/sentences/due_bottoni.h"

// Splits a line "before#predicate#after" followed by one terminator character into the three
// captions of the sentence: the text before followed by a blank, the predicate followed by a
// blank, and the text after (the terminator dropped). Nothing when the line lacks two "#" in
// front of its last character.
std::optional<std::array<QString, 3>> DividiFrase(const QString& riga);

class Form13 : public DueBottoni {
  Q_OBJECT

 public:
  Form13();

  // The sentence: before the predicate, the predicate (red), after it.
  std::array<QLabel*, 3> Label2{};

 protected:
  // Whole lines; a line that cannot be split, or that has no predicate to show in red, is kept
  // as an empty row.
  Lettura ModoLettura() const override { return Lettura::Righe; }
  bool ItemValido(const std::string& riga) const override;
  void CreaEtichette() override;
  void SvuotaEtichette() override;
  QString MostraItem(const QString& testo) override;
  QWidget* EtichettaFont() override { return Label2[0]; }
  void DopoFont() override;
  void Ridisponi() override { DisponiFrase(); }
  void Form_Unloaded() override;

 private:
  // The three labels side by side on one line, centred in Picture1.
  void DisponiFrase();
};
