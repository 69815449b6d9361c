// A verb from "\testiFosku\4\": the pupil tells whether it is transitive or intransitive.
#pragma once

#include "exercises/sentences/due_bottoni.h"

class Form12 : public DueBottoni {
  Q_OBJECT

 public:
  Form12();
};
