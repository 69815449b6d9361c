#include "app/finestre.h"

#include "app/formmenu.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form4_past_present_future.h"
#include "exercises/verbs/form5_form_conjugation.h"
#include "exercises/verbs/form7_mood.h"

namespace Module1 {

void RegistraFinestre() {
  FormMenu::RegistraFinestra(0, [] { return &platform::Instance<Form1>(); });
  FormMenu::RegistraFinestra(3, [] { return &platform::Instance<Form4>(); });
  FormMenu::RegistraFinestra(5, [] { return &platform::Instance<Form5>(); });
  FormMenu::RegistraFinestra(6, [] { return &platform::Instance<Form7>(); });
}

}  // namespace Module1
