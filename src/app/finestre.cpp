#include "app/finestre.h"

#include <type_traits>

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

namespace {

template <class W>
FinestraMenu Riga(Finestra finestra, const char* didascalia, int riga, int colonna) {
  const ConfigFinestra& c = Configurazione(finestra);
  return {finestra,
          W::staticMetaObject.className(),
          std::is_base_of_v<ExerciseWindow, W>,
          [] { return &platform::Instance<W>(); },
          c.titolo,
          c.gruppoFont,
          QString::fromUtf8(didascalia),
          riga,
          colonna};
}

}  // namespace

namespace Module1 {

const std::vector<FinestraMenu>& FinestreMenu() {
  // Button n does not open Form n + 1: the menu's order is not the windows' numbering.
  static const std::vector<FinestraMenu> righe = {
      Riga<Form1>(Finestra::Form1, "Coniugazione\r\n(fosku all'infinito)", 0, 0),
      Riga<Form2>(Finestra::Form2, "Radice e desinenza\r\n(fosku all'infinito)", 1, 0),
      Riga<Form3>(Finestra::Form3, "Coniuga i fosku", 2, 0),
      Riga<Form4>(Finestra::Form4, "Passato presente futuro", 3, 0),
      Riga<Form6>(Finestra::Form6, " Risalire all'infinito dei fosku ", 4, 0),
      Riga<Form5>(Finestra::Form5, "Coniugazione\r\n(fosku coniugati)", 5, 0),
      Riga<Form7>(Finestra::Form7, " Il modo dei fosku", 0, 1),
      Riga<Form8>(Finestra::Form8, "Tabelle mescolate", 1, 1),
      Riga<Form9>(Finestra::Form9, "Riconosci il verbo", 2, 1),
      Riga<Form15>(Finestra::Form15, " Trova la persona del verbo", 3, 1),
      Riga<Form10>(Finestra::Form10, "Completa le tabelle", 4, 1),
      Riga<Form11>(Finestra::Form11, "Catalogare i fosku", 5, 1),
      Riga<Form12>(Finestra::Form12, "Transitivi intransitivi", 0, 2),
      Riga<Form13>(Finestra::Form13, "Predicato verbale\r\nPredicato nominale", 1, 2),
      Riga<Form14>(Finestra::Form14, "Corretto scorretto\r\n1°", 2, 2),
      Riga<Form16>(Finestra::Form16, "Attivo passivo\r\n1°", 4, 2),
      Riga<Form17>(Finestra::Form17, "Attivo passivo\r\n2°", 5, 2),
      Riga<Form19>(Finestra::Form19, "Scegli il verbo adatto", 0, 3),
      Riga<Form18>(Finestra::Form18, "Completa la frase", 1, 3),
      Riga<Form20>(Finestra::Form20, "Corretto scorretto\r\n2°", 3, 2),
  };
  return righe;
}

void RegistraFinestre() {
  std::vector<FormMenu::Pulsante> pulsanti;
  for (const FinestraMenu& f : FinestreMenu()) pulsanti.push_back({f.didascalia, f.riga, f.colonna, f.apri});
  FormMenu::RegistraPulsanti(std::move(pulsanti));
  // Every window's return command leads back to the menu.
  ExerciseWindow::RegistraFinestraMenu([] { return &platform::Instance<FormMenu>(); });
}

}  // namespace Module1
