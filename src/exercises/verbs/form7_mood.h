// " Il modo dei fosku": a conjugated form; the pupil tells its mood.
#pragma once

#include "exercise_window/trebottoni.h"

class Form7 : public TreBottoni {
  Q_OBJECT

 public:
  Form7();
  int ConiugazioneScelta = 0;
  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
};
