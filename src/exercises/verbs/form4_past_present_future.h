// "Passato presente futuro": a conjugated form; the pupil tells whether it speaks of the past,
// the present or the future.
#pragma once

#include "exercise_window/bottoni_risposta.h"

class Form4 : public BottoniRisposta {
  Q_OBJECT

 public:
  Form4();
  int ConiugazioneScelta = 0;
  void LeggiFosku() override;
  // The time group of a tense index: 0 past, 1 present, 2 future; -1 for the imperativo and
  // the non-finite forms.
  static int GruppoDelTempo(int Tempo);

 protected:
  std::optional<QString> Estrai() override;
};
