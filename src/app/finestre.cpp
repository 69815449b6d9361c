#include "app/finestre.h"

#include "app/formmenu.h"
#include "exercises/sentences/form12_transitive_intransitive.h"
#include "exercises/sentences/form13_predicate.h"
#include "exercises/sentences/form15_person.h"
#include "exercises/sentences/form17_active_passive.h"
#include "exercises/sentences/form19_fitting_verb.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "exercises/sentences/form9_recognise_verb.h"
#include "exercises/verbs/form11_classification.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/verbs/form10_complete_tables.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form2_root_ending.h"
#include "exercises/verbs/form4_past_present_future.h"
#include "exercises/verbs/form5_form_conjugation.h"
#include "exercises/verbs/form6_find_infinitive.h"
#include "exercises/verbs/form7_mood.h"
#include "exercises/verbs/form8_mixed_tables.h"
#include "tables/form3_conjugation_tables.h"

namespace Module1 {

void RegistraFinestre() {
  FormMenu::RegistraFinestra(0, [] { return &platform::Instance<Form1>(); });
  FormMenu::RegistraFinestra(1, [] { return &platform::Instance<Form2>(); });
  FormMenu::RegistraFinestra(2, [] { return &platform::Instance<Form3>(); });
  FormMenu::RegistraFinestra(3, [] { return &platform::Instance<Form4>(); });
  FormMenu::RegistraFinestra(4, [] { return &platform::Instance<Form6>(); });
  FormMenu::RegistraFinestra(5, [] { return &platform::Instance<Form5>(); });
  FormMenu::RegistraFinestra(6, [] { return &platform::Instance<Form7>(); });
  FormMenu::RegistraFinestra(8, [] { return &platform::Instance<Form9>(); });
  FormMenu::RegistraFinestra(9, [] { return &platform::Instance<Form15>(); });
  FormMenu::RegistraFinestra(11, [] { return &platform::Instance<Form11>(); });
  FormMenu::RegistraFinestra(7, [] { return &platform::Instance<Form8>(); });
  FormMenu::RegistraFinestra(10, [] { return &platform::Instance<Form10>(); });
  FormMenu::RegistraFinestra(12, [] { return &platform::Instance<Form12>(); });
  FormMenu::RegistraFinestra(13, [] { return &platform::Instance<Form13>(); });
  FormMenu::RegistraFinestra(14, [] { return &platform::Instance<Form14>(); });
  FormMenu::RegistraFinestra(15, [] { return &platform::Instance<Form16>(); });
  FormMenu::RegistraFinestra(16, [] { return &platform::Instance<Form17>(); });
  FormMenu::RegistraFinestra(17, [] { return &platform::Instance<Form19>(); });
  FormMenu::RegistraFinestra(18, [] { return &platform::Instance<Form18>(); });
  FormMenu::RegistraFinestra(19, [] { return &platform::Instance<Form20>(); });
}

}  // namespace Module1
