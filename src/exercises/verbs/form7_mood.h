// " Il modo dei fosku": a conjugated form; the pupil tells its mood.
#pragma once

#include "exercise_window/bottoni_risposta.h"

class Form7 : public BottoniRisposta {
  Q_OBJECT

 public:
  Form7();
  int ConiugazioneScelta = 0;
  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
};
