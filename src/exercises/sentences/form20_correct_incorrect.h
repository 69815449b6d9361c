// A sentence from "\testiFosku\6\": the pupil tells whether it is correct or incorrect.
#pragma once

#include "exercises/sentences/due_bottoni.h"

class Form20 : public DueBottoni {
  Q_OBJECT

 public:
  Form20();
};
