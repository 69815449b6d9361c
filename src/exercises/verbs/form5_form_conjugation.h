// "Coniugazione (fosku coniugati)": a conjugated form of a regular verb; the pupil tells its
// conjugation.
#pragma once

#include "exercise_window/bottoni_risposta.h"

class Form5 : public BottoniRisposta {
  Q_OBJECT

 public:
  Form5();
  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
  void SegnalaScelteMancanti() override;
};
