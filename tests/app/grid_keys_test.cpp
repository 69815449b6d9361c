// While the results grid covers a window, the keyboard reaches nothing under it, and the menu bar
// offers only the grid's own menu: the commands that act on the item (levels and classes among
// them) are gone with their keys. When the grid closes, the focus is back where it was. One case
// per kind of window, and every window with a level or class menu.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "exercise_window/contatori.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "exercises/sentences/form9_recognise_verb.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/verbs/form11_classification.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form6_find_infinitive.h"
#include "exercises/verbs/form10_complete_tables.h"
#include "exercises/verbs/form8_mixed_tables.h"
#include "support/exercise_fixture.h"
#include "tables/form3_conjugation_tables.h"

namespace {

using GridKeys = testsupport::ExerciseTest;

// Everything the keys could change in the window: counters, texts, choices, grid rows.
QString Stato(platform::Form* f) {
  QStringList s{QString::number(Module1::Esatti), QString::number(Module1::Errati)};
  for (auto* l : f->Surface()->findChildren<QLabel*>()) s << l->text();
  for (auto* e : f->Surface()->findChildren<QLineEdit*>()) s << e->text();
  for (auto* b : f->Surface()->findChildren<QAbstractButton*>()) s << QStringLiteral("%1%2").arg(b->isChecked()).arg(b->isEnabled());
  for (auto* g : f->Surface()->findChildren<platform::FlexGrid*>()) s << QString::number(g->Rows());
  return s.join(QLatin1Char('|'));
}

template <class W>
W& Apri() {
  auto& w = platform::Instance<W>();
  w.Show();
  return w;
}

void Griglia(ExerciseWindow& w, bool mostra) { mostra ? w.mnuVisual_Click() : w.mnuChiudi_Click(); }

}  // namespace

TEST_F(GridKeys, NothingHiddenTakesKeysAndTheFocusComesBack) {
  struct Caso {
    const char* tipo;
    std::function<QWidget*()> prepara;  // opens the window; returns the control given the focus
    std::function<void(bool)> griglia;  // shows or closes the grid
  };
  const std::vector<Caso> casi = {
      {"answer buttons", [] { return Apri<Form1>().Command1[0]; }, [](bool m) { Griglia(platform::Instance<Form1>(), m); }},
      {"next-item button", [] {
         auto& w = Apri<Form20>();
         w.Command1_Click(w.RispostaGiusta);
         return w.BottoneAvanti;
       }, [](bool m) { Griglia(platform::Instance<Form20>(), m); }},
      {"answer box", [] { return Apri<Form6>().Text1[0]; }, [](bool m) { Griglia(platform::Instance<Form6>(), m); }},
      {"classification", [] { return static_cast<QWidget*>(Apri<Form11>().Text1); },
       [](bool m) { Griglia(platform::Instance<Form11>(), m); }},
      {"word labels", [] { return Apri<Form9>().Label3[0]; }, [](bool m) { Griglia(platform::Instance<Form9>(), m); }},
      {"drag tables", [] { return Apri<Form8>().BottoneAvanti; }, [](bool m) { Griglia(platform::Instance<Form8>(), m); }},
      {"drag tables with classes", [] { return Apri<Form10>().BottoneAvanti; },
       [](bool m) { Griglia(platform::Instance<Form10>(), m); }},
      {"sentence pairs", [] {
         auto& w = Apri<Form14>();
         w.Label4_DragDrop(0, 0);
         w.Label4_DragDrop(1, 1);
         return w.BottoneAvanti;
       }, [](bool m) { Griglia(platform::Instance<Form14>(), m); }},
      {"conjugation tables", [] { return Apri<Form3>().Option2[0]; }, [](bool m) {
         auto& w = platform::Instance<Form3>();
         m ? w.mnuVis_Click() : w.mnuChiudi_Click();
       }},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.tipo);
    QWidget* controllo = c.prepara();
    auto* w = static_cast<platform::Form*>(controllo->window());
    controllo->setEnabled(true);
    controllo->setFocus();
    const bool prendeFuoco = w->focusWidget() == controllo;
    auto* griglia = w->Surface()->findChild<platform::FlexGrid*>();
    c.griglia(true);
    ASSERT_TRUE(griglia->isVisible());
    int menu = 0;
    for (QAction* a : w->menuBar()->actions()) menu += a->isVisible() ? 1 : 0;
    EXPECT_EQ(menu, 1) << "the grid's own menu alone";
    const QString prima = Stato(w);
    for (QKeyCombination k : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter), QKeyCombination(Qt::Key_Space),
                              QKeyCombination(Qt::Key_A), QKeyCombination(Qt::Key_Down), QKeyCombination(Qt::Key_Tab),
                              QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Space), QKeyCombination(Qt::Key_F1),
                              QKeyCombination(Qt::Key_F2), QKeyCombination(Qt::Key_F3),
                              QKeyCombination(Qt::ControlModifier, Qt::Key_F2)}) {
      QTest::keyClick(w->windowHandle(), k.key(), k.keyboardModifiers());
      QWidget* fuoco = w->focusWidget();
      EXPECT_TRUE(fuoco == nullptr || fuoco == griglia || griglia->isAncestorOf(fuoco)) << k.toCombined();
    }
    EXPECT_EQ(Stato(w), prima);
    c.griglia(false);
    if (prendeFuoco) {
      EXPECT_EQ(w->focusWidget(), controllo);
    }
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
  }
}
