#include "app/finestre.h"

#include "app/formmenu.h"
#include "exercise_window/exercisewindow.h"
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
  // The menu's buttons in their order, each with the window it opens and that window's title
  // (button n does not open Form n + 1: the menu's order is not the windows' numbering).
  FormMenu::RegistraFinestra(0, [] { return &platform::Instance<Form1>(); });   // Coniugazione (fosku all'infinito)
  FormMenu::RegistraFinestra(1, [] { return &platform::Instance<Form2>(); });   // Radice e desinenza (fosku all'infinito)
  FormMenu::RegistraFinestra(2, [] { return &platform::Instance<Form3>(); });   // Coniuga i fosku (the tables)
  FormMenu::RegistraFinestra(3, [] { return &platform::Instance<Form4>(); });   // Passato presente futuro
  FormMenu::RegistraFinestra(4, [] { return &platform::Instance<Form6>(); });   // Risalire all'infinito dei fosku
  FormMenu::RegistraFinestra(5, [] { return &platform::Instance<Form5>(); });   // Coniugazione (fosku coniugati)
  FormMenu::RegistraFinestra(6, [] { return &platform::Instance<Form7>(); });   // Il modo dei fosku
  FormMenu::RegistraFinestra(7, [] { return &platform::Instance<Form8>(); });   // Tabelle mescolate
  FormMenu::RegistraFinestra(8, [] { return &platform::Instance<Form9>(); });   // Riconosci il verbo
  FormMenu::RegistraFinestra(9, [] { return &platform::Instance<Form15>(); });  // Trova la persona del verbo
  FormMenu::RegistraFinestra(10, [] { return &platform::Instance<Form10>(); });  // Completa le tabelle
  FormMenu::RegistraFinestra(11, [] { return &platform::Instance<Form11>(); });  // Catalogare i fosku
  FormMenu::RegistraFinestra(12, [] { return &platform::Instance<Form12>(); });  // Verbi transitivi e intransitivi
  FormMenu::RegistraFinestra(13, [] { return &platform::Instance<Form13>(); });  // Predicato verbale e predicato nominale
  FormMenu::RegistraFinestra(14, [] { return &platform::Instance<Form14>(); });  // Corretto scorretto 1°
  FormMenu::RegistraFinestra(15, [] { return &platform::Instance<Form16>(); });  // Attivo passivo 1°
  FormMenu::RegistraFinestra(16, [] { return &platform::Instance<Form17>(); });  // Frasi attive e passive (Attivo passivo 2°)
  FormMenu::RegistraFinestra(17, [] { return &platform::Instance<Form19>(); });  // Scegli il verbo adatto
  FormMenu::RegistraFinestra(18, [] { return &platform::Instance<Form18>(); });  // Completa la frase
  FormMenu::RegistraFinestra(19, [] { return &platform::Instance<Form20>(); });  // Frasi corrette e scorrette (Corretto scorretto 2°)
  // Every window's return command leads back to the menu.
  ExerciseWindow::RegistraFinestraMenu([] { return &platform::Instance<FormMenu>(); });
}

}  // namespace Module1
