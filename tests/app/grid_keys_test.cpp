// While the results grid covers a window, the keyboard reaches nothing under it, and the menu bar
// offers only the grid's own menu: the commands that act on the item (levels and classes among
// them) are gone with their keys. When the grid closes, the focus is back where it was. Every
// window of the menu.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "exercise_window/bottoni_risposta.h"
#include "exercise_window/contatori.h"
#include "exercise_window/rispostascritta.h"
#include "exercise_window/tabelle_trascinabili.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/sentences/tavola_parole.h"
#include "exercises/verbs/form11_classification.h"
#include "support/exercise_fixture.h"
#include "support/menu_windows.h"
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

void Griglia(platform::Form& f, bool mostra) {
  if (auto* w = dynamic_cast<ExerciseWindow*>(&f)) {
    mostra ? w->mnuVisual_Click() : w->mnuChiudi_Click();
  } else {
    auto& t = dynamic_cast<Form3&>(f);
    mostra ? t.mnuVis_Click() : t.mnuChiudi_Click();
  }
}

}  // namespace

TEST_F(GridKeys, NothingHiddenTakesKeysAndTheFocusComesBack) {
  // How each window is readied once on show: the control then given the focus, by kind.
  using Prepara = std::function<QWidget*(platform::Form&)>;
  const Prepara bottoni = [](platform::Form& w) -> QWidget* { return dynamic_cast<BottoniRisposta&>(w).Command1[0]; };
  const Prepara risposto = [](platform::Form& f) -> QWidget* {
    auto& w = dynamic_cast<BottoniRisposta&>(f);
    w.Command1_Click(w.RispostaGiusta);
    return w.BottoneAvanti;
  };
  const Prepara casella = [](platform::Form& w) -> QWidget* { return dynamic_cast<RispostaScritta&>(w).Text1[0]; };
  const Prepara parole = [](platform::Form& w) -> QWidget* { return dynamic_cast<TavolaParole&>(w).Label3[0]; };
  const Prepara tabelle = [](platform::Form& w) -> QWidget* { return dynamic_cast<TabelleTrascinabili&>(w).BottoneAvanti; };
  const Prepara coppie = [](platform::Form& f) -> QWidget* {
    auto& w = dynamic_cast<TavolaCoppie&>(f);
    w.Label4_DragDrop(0, 0);
    w.Label4_DragDrop(1, 1);
    return w.BottoneAvanti;
  };
  const std::map<std::string, Prepara> casi = {
      {"Form1", bottoni}, {"Form4", bottoni}, {"Form5", bottoni}, {"Form7", bottoni}, {"Form12", bottoni},
      {"Form13", bottoni}, {"Form17", bottoni}, {"Form19", bottoni}, {"Form20", risposto},
      {"Form2", casella}, {"Form6", casella}, {"Form18", casella}, {"Form9", parole}, {"Form15", parole},
      {"Form8", tabelle}, {"Form10", tabelle}, {"Form14", coppie}, {"Form16", coppie},
      {"Form11", [](platform::Form& w) -> QWidget* { return dynamic_cast<Form11&>(w).Text1; }},
      {"Form3", [](platform::Form& w) -> QWidget* { return dynamic_cast<Form3&>(w).Option2[0]; }},
  };
  for (const auto& [riga, finestra, prepara] : testsupport::PerFinestra(casi)) {
    SCOPED_TRACE(riga.classe);
    platform::Form* w = &finestra;
    w->Show();
    QWidget* controllo = prepara(*w);
    controllo->setEnabled(true);
    controllo->setFocus();
    const bool prendeFuoco = w->focusWidget() == controllo;
    auto* griglia = w->Surface()->findChild<platform::FlexGrid*>();
    Griglia(*w, true);
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
    Griglia(*w, false);
    if (prendeFuoco) {
      EXPECT_EQ(w->focusWidget(), controllo);
    }
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
  }
}
