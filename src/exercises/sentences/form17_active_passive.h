// A sentence from "\testiFosku\7\": the pupil tells whether it is active or passive.
#pragma once

#include "exercises/sentences/due_bottoni.h"

class Form17 : public DueBottoni {
  Q_OBJECT

 public:
  Form17();
};
