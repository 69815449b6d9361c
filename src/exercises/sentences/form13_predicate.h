// "Predicato verbale e predicato nominale": a sentence from "\testiFosku\5\" with its predicate
// in red; the pupil tells whether the predicate is verbal or nominal.
#pragma once

#include <QFont>
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

  // The sentence on show in its three parts: before the predicate, the predicate, after it.
  // Label2 shows them as one text, the predicate in red, wrapped at blanks where it is longer
  // than the frame and made smaller where it is still too big.
  std::array<QString, 3> Parti;
  // The smallest size a long sentence is made to fit with.
  static constexpr int kPuntiMinimi = 8;

 protected:
  // Whole lines; a line that cannot be split, or that has no predicate to show in red, is kept
  // as an empty row.
  Lettura ModoLettura() const override { return Lettura::Righe; }
  bool ItemValido(const std::string& riga) const override;
  void CreaEtichette() override;
  void SvuotaEtichette() override;
  QString MostraItem(const QString& testo) override;
  // The dialog starts from the sentence's own font, not from a size made smaller to fit.
  QWidget* EtichettaFont() override;
  void DopoFont() override;
  void Ridisponi() override { DisponiFrase(); }

 private:
  // The sentence in the largest size, up to its font's, at which it fits Picture1, centred.
  void DisponiFrase();
  QFont fontFrase_;  // the group's font, or the one the font dialog gave the sentence
};
