// The keyboard alone reaches every answer: after each draw the focus is where the pupil answers,
// it stays there after a wrong answer, and it comes back there when the results grid or the font
// dialog closes. Keys go to the window as the window system delivers them.
#include <gtest/gtest.h>

#include <QTest>

#include "exercise_window/bottoni_risposta.h"
#include "exercise_window/contatori.h"
#include "exercises/sentences/form12_transitive_intransitive.h"
#include "exercises/sentences/form13_predicate.h"
#include "exercises/sentences/form15_person.h"
#include "exercises/sentences/form17_active_passive.h"
#include "exercises/sentences/form19_fitting_verb.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "exercises/verbs/form11_classification.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form2_root_ending.h"
#include "exercises/verbs/form4_past_present_future.h"
#include "exercises/verbs/form5_form_conjugation.h"
#include "exercises/verbs/form6_find_infinitive.h"
#include "exercises/verbs/form7_mood.h"
#include "support/exercise_fixture.h"

namespace {

class Fuoco : public testsupport::ExerciseTest {
 protected:
  testsupport::TempProgramFolder programma{true};
};

void Tasto(platform::Form& w, Qt::Key k) { QTest::keyClick(w.windowHandle(), k); }

// Answers the item on show of a window with answer buttons by keys alone: Space on a wrong
// button first when the focus is on one, then Tab to the right one and Space.
void RispondiDaTastiera(BottoniRisposta& w) {
  const auto indice = [&w] {
    const auto& b = w.Command1;
    return static_cast<int>(std::find(b.begin(), b.end(), w.focusWidget()) - b.begin());
  };
  ASSERT_EQ(w.focusWidget(), w.Command1[0]) << "the first answer button after the draw";
  if (indice() != w.RispostaGiusta) {
    const int errati = Module1::Errati;
    Tasto(w, Qt::Key_Space);
    EXPECT_EQ(Module1::Errati, errati + 1);
    EXPECT_EQ(w.focusWidget(), w.Command1[0]) << "a wrong answer keeps the focus where it was";
  }
  for (int n = 0; n < 10 && indice() != w.RispostaGiusta; ++n) Tasto(w, Qt::Key_Tab);
  ASSERT_EQ(indice(), w.RispostaGiusta) << "Tab reaches every answer button";
  const int esatti = Module1::Esatti;
  Tasto(w, Qt::Key_Space);
  EXPECT_EQ(Module1::Esatti, esatti + 1);
  EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);
}

template <class W>
BottoniRisposta& Apri() {
  auto& w = platform::Instance<W>();
  w.Show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&w));  // keys go to the active window
  return w;
}

}  // namespace

TEST_F(Fuoco, ThreeItemsInARowByKeysAloneInEveryButtonWindow) {
  const std::vector<std::pair<const char*, std::function<BottoniRisposta&()>>> finestre = {
      {"Form1", Apri<Form1>},   {"Form4", Apri<Form4>},   {"Form5", Apri<Form5>},
      {"Form7", Apri<Form7>},   {"Form19", Apri<Form19>}, {"Form12", Apri<Form12>},
      {"Form13", Apri<Form13>}, {"Form17", Apri<Form17>}, {"Form20", Apri<Form20>},
  };
  for (const auto& [nome, apri] : finestre) {
    SCOPED_TRACE(nome);
    BottoniRisposta& w = apri();
    for (int item = 1; item <= 3; ++item) {
      SCOPED_TRACE(item);
      RispondiDaTastiera(w);
      Tasto(w, Qt::Key_Return);  // the next item
      ASSERT_EQ(w.Griglia->Rows(), item + 2);
    }
    EXPECT_EQ(w.focusWidget(), w.Command1[0]);
    EXPECT_EQ(Module1::Esatti, 3);
    w.Unload();
  }
}

TEST_F(Fuoco, Form15AndForm11WhereThePupilAnswersNext) {
  auto& persone = platform::Instance<Form15>();
  persone.Show();
  for (int item = 0; item < 3; ++item) {
    EXPECT_EQ(persone.focusWidget(), persone.Command1[0]);
    persone.Command1_Click(Form15::BottoneDelSoggetto(persone.SoggettoSottinteso));
    persone.StatusBar1_PanelClick(3);  // "Avanti"
  }
  persone.Unload();
  auto& catalogo = platform::Instance<Form11>();
  catalogo.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&catalogo));
  QTest::keyClicks(catalogo.focusWidget(), catalogo.InfinitoAtteso);
  Tasto(catalogo, Qt::Key_Return);
  EXPECT_EQ(catalogo.focusWidget(), catalogo.Option2[0]) << "the class panel opened takes the keys";
}

TEST_F(Fuoco, BackWhereThePupilAnswersAfterTheGridAndTheFontDialog) {
  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    return CommDlgs::FontChoice{"Liberation Serif", 240, 400, false, false};
  });
  const std::vector<std::pair<ExerciseWindow*, QWidget* (*)(ExerciseWindow&)>> casi = {
      {&platform::Instance<Form1>(), [](ExerciseWindow& w) -> QWidget* { return static_cast<Form1&>(w).Command1[0]; }},
      {&platform::Instance<Form20>(), [](ExerciseWindow& w) -> QWidget* { return static_cast<Form20&>(w).Command1[0]; }},
      {&platform::Instance<Form2>(), [](ExerciseWindow& w) -> QWidget* { return static_cast<Form2&>(w).Text1[0]; }},
      {&platform::Instance<Form6>(), [](ExerciseWindow& w) -> QWidget* { return static_cast<Form6&>(w).Text1[0]; }},
      {&platform::Instance<Form18>(), [](ExerciseWindow& w) -> QWidget* { return static_cast<Form18&>(w).Text1[0]; }},
      {&platform::Instance<Form11>(), [](ExerciseWindow& w) -> QWidget* { return static_cast<Form11&>(w).Text1; }},
  };
  for (const auto& [w, risposta] : casi) {
    SCOPED_TRACE(w->windowTitle().toStdString());
    w->Show();
    EXPECT_EQ(w->focusWidget(), risposta(*w)) << "after the first draw";
    risposta(*w)->clearFocus();  // a click on the window's background: the focus nowhere
    w->mnuVisual_Click();
    w->mnuChiudi_Click();
    EXPECT_EQ(w->focusWidget(), risposta(*w)) << "after the grid closes";
    if (w->mnuFont != nullptr) {
      risposta(*w)->clearFocus();
      w->mnuFont_Click();
      EXPECT_EQ(w->focusWidget(), risposta(*w)) << "after the font dialog closes";
    }
    w->Unload();
  }
}
