#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>

#include "app/finestre.h"
#include "app/formmenu.h"
#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercise_window/contatori.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form4_past_present_future.h"
#include "exercises/verbs/form5_form_conjugation.h"
#include "exercises/verbs/form7_mood.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/commdlgs.h"
#include "services/modulocolorisuoni.h"
#include "settings/moduloperini.h"
#include "support/exercise_fixture.h"
#include "support/menu_windows.h"
#include "support/pixels.h"
#include "support/temp_dirs.h"

namespace {

using AnswerButtons = testsupport::ExerciseTest;

const QColor kVerde(0, 192, 0), kRosso(255, 0, 0), kAzzurro(192, 255, 255);

bool Shown(QAction* a) { return a != nullptr && a->isVisible(); }

}  // namespace

TEST_F(AnswerButtons, MenusAndViewsOfEveryWindow) {
  for (auto& [riga, finestra] : testsupport::Finestre<BottoniRisposta>()) {
    BottoniRisposta* w = &finestra;
    w->Show();
    const std::string name = w->Config().titolo.toStdString();
    EXPECT_EQ(w->mnuUtil->title(), "&Utilità") << name;
    EXPECT_EQ(w->mnuVisual->text(), "Visualizza esercizi eseguiti") << name;
    EXPECT_EQ(w->mnuStamp->text(), "Stampa esercizi eseguiti") << name;
    EXPECT_EQ(w->mnuEsci->text(), "Torna al &menù") << name;
    EXPECT_EQ(w->mnuStamp->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w->mnuVisual->shortcut(), QKeySequence("Ctrl+V"));
    EXPECT_EQ(w->mnuChiudi->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(w->mnuFont->shortcut(), QKeySequence("Ctrl+F"));
    // Exercise view at open.
    EXPECT_FALSE(w->Griglia->isVisible()) << name;
    EXPECT_FALSE(Shown(w->mnuChiudi)) << name;
    for (QAction* a : {w->mnuVisual, w->mnuStamp, w->mnuFont, w->mnuAzzera, w->mnuEsci}) EXPECT_TRUE(Shown(a)) << name;
    // Grid view.
    w->mnuVisual->trigger();
    EXPECT_TRUE(w->Griglia->isVisible());
    EXPECT_TRUE(Shown(w->mnuChiudi));
    EXPECT_TRUE(Shown(w->mnuStamp));
    for (QAction* a : {w->mnuVisual, w->mnuFont, w->mnuAzzera, w->mnuEsci}) EXPECT_FALSE(Shown(a)) << name;
    w->mnuVisual_Click();  // idempotent
    EXPECT_TRUE(w->Griglia->isVisible());
    // And back, with the rows kept.
    const int rows = w->Griglia->Rows();
    w->mnuChiudi->trigger();
    EXPECT_FALSE(w->Griglia->isVisible());
    EXPECT_FALSE(Shown(w->mnuChiudi));
    for (QAction* a : {w->mnuVisual, w->mnuStamp, w->mnuFont, w->mnuAzzera, w->mnuEsci}) EXPECT_TRUE(Shown(a)) << name;
    EXPECT_EQ(w->Griglia->Rows(), rows);
    w->Unload();
  }
  EXPECT_EQ(platform::Instance<Form5>().Config().didascaliaChiudi, "Chiudi griglia");
  EXPECT_EQ(platform::Instance<Form7>().Config().didascaliaAzzera, "&Azzera conteggio ");
  EXPECT_EQ(platform::Instance<Form1>().Config().didascaliaChiudi, "&Chiudi griglia");
}

TEST_F(AnswerButtons, AnswersThroughRealClicks) {
  auto& w = testsupport::Mostrata<Form7>();
  ASSERT_EQ(w.Griglia->Rows(), 2);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 0), "1");
  EXPECT_EQ(w.Griglia->TextMatrix(1, 1), w.Label2->text());
  EXPECT_FALSE(w.BottoneAvanti->isEnabled());
  const int right = w.RispostaGiusta;
  const int wrong1 = (right + 1) % 3, wrong2 = (right + 2) % 3;

  // Two wrong clicks, then the right one.
  QTest::mouseClick(w.Command1[static_cast<size_t>(wrong1)], Qt::LeftButton);
  EXPECT_EQ(platform::BackColor(w.Command1[static_cast<size_t>(wrong1)]), kRosso);
  EXPECT_TRUE(w.Command1[static_cast<size_t>(right)]->isEnabled());
  QTest::mouseClick(w.Command1[static_cast<size_t>(wrong2)], Qt::LeftButton);
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  2");
  EXPECT_EQ(w.Griglia->TextMatrix(1, 5), "**");
  EXPECT_FALSE(w.BottoneAvanti->isEnabled());
  QTest::mouseClick(w.Command1[static_cast<size_t>(right)], Qt::LeftButton);
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  1");
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  2");
  EXPECT_EQ(w.Griglia->TextMatrix(1, right + 2), "*");
  EXPECT_EQ(w.Griglia->TextMatrix(1, wrong1 + 2), "");
  EXPECT_EQ(platform::BackColor(w.Command1[static_cast<size_t>(right)]), kVerde);
  for (auto* b : w.Command1) EXPECT_FALSE(b->isEnabled());
  EXPECT_TRUE(w.BottoneAvanti->isEnabled());
  EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);  // Enter draws the next item
  ASSERT_EQ(sounds.size(), 3u);
  EXPECT_TRUE(sounds[0].ends_with("no.wav"));
  EXPECT_TRUE(sounds[2].ends_with("si.wav"));

  // Clicks after the right answer do nothing.
  QTest::mouseClick(w.Command1[static_cast<size_t>(wrong1)], Qt::LeftButton);
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  2");

  // Looking at the grid and closing it again never touches the item's row: marks still go there.
  w.Griglia->SetRow(0);
  w.Griglia->SetCol(3);
  // The next-item button draws exactly one item and disables itself.
  QTest::mouseClick(w.BottoneAvanti, Qt::LeftButton);
  EXPECT_FALSE(w.BottoneAvanti->isEnabled());
  ASSERT_EQ(w.Griglia->Rows(), 3);
  for (auto* b : w.Command1) {
    EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(platform::BackColor(b), kAzzurro);
  }
  // Right at the first click: "*" only in the chosen column and an empty "Errori".
  QTest::mouseClick(w.Command1[static_cast<size_t>(w.RispostaGiusta)], Qt::LeftButton);
  EXPECT_EQ(w.Griglia->TextMatrix(2, w.RispostaGiusta + 2), "*");
  EXPECT_EQ(w.Griglia->TextMatrix(2, 5), "");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 5), "Errori");  // not the cell last clicked
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  2");
}

TEST_F(AnswerButtons, ResetChangesOnlyTheCounters) {
  auto& w = testsupport::Mostrata<Form4>();
  QTest::mouseClick(w.Command1[static_cast<size_t>((w.RispostaGiusta + 1) % 3)], Qt::LeftButton);
  QTest::mouseClick(w.Command1[static_cast<size_t>(w.RispostaGiusta)], Qt::LeftButton);
  const QString item = w.Label2->text();
  w.mnuAzzera->trigger();
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  0");
  EXPECT_EQ(Module1::Esatti, 0);
  EXPECT_EQ(w.Griglia->Rows(), 2);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 5), "*");
  EXPECT_EQ(w.Label2->text(), item);
  EXPECT_TRUE(w.BottoneAvanti->isEnabled());
}

TEST_F(AnswerButtons, CountersStopAt32767) {
  Module1::Esatti = 32766;
  Module1::Aggiungi(Module1::Esatti);
  Module1::Aggiungi(Module1::Esatti);
  EXPECT_EQ(Module1::Esatti, 32767);
}

TEST_F(AnswerButtons, ReturnToTheMenuAndBackStartsAfresh) {
  Module1::RegistraFinestre();  // as at start-up: the return command leads to the menu
  auto& w = testsupport::Mostrata<Form1>();
  QTest::mouseClick(w.Command1[static_cast<size_t>(w.RispostaGiusta)], Qt::LeftButton);
  w.mnuEsci->trigger();
  EXPECT_TRUE(platform::Instance<FormMenu>().IsLoaded());
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(platform::Form::LoadedCount(), 1);
  platform::ChangeWindow(&platform::Instance<FormMenu>(), &w);
  EXPECT_EQ(w.Griglia->Rows(), 2);  // header and the new first item
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
  EXPECT_FALSE(w.BottoneAvanti->isEnabled());
}

TEST_F(AnswerButtons, ActivationRunsOncePerShowing) {
  auto& w = testsupport::Mostrata<Form5>();
  const QString item = w.Label2->text();
  // A message box or another window taking the focus and giving it back changes nothing.
  QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&w, &deactivate);
  QCoreApplication::sendEvent(&w, &activate);
  EXPECT_EQ(w.Griglia->Rows(), 2);
  EXPECT_EQ(w.Label2->text(), item);
}

TEST_F(AnswerButtons, Form1DrawsFromItsListsAndJudgesTheClass) {
  testsupport::TempProgramFolder program;
  program.Write("testiFosku/1/are.txt", "parl\r\n\r\n   \r\n");
  program.Write("testiFosku/1/ere.txt", "cred,tem\r\n");
  program.Write("testiFosku/1/ire.txt", "dorm\r\n");
  auto& w = testsupport::Mostrata<Form1>();
  EXPECT_EQ(w.Command1[0]->text(), "1°\r\nconiugazione");
  int seen[3] = {0, 0, 0};
  for (int i = 0; i < 600; ++i) {
    const QString item = w.Label2->text();
    const int c = w.RispostaGiusta;
    ++seen[c];
    const QStringList allowed[3] = {{"parlare"}, {"credere", "temere"}, {"dormire"}};
    EXPECT_TRUE(allowed[c].contains(item)) << item.toStdString();
    w.GeneraEsercizio();
  }
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(seen[c], 200, 45) << c;  // equal chance whatever the lengths
}

TEST_F(AnswerButtons, AWindowWithNoUsableListSaysWhichFilesAndDisablesItsButtons) {
  testsupport::TempProgramFolder program;  // no data at all
  program.Write("testiFosku/1/are.txt", "\r\n  \r\n");
  auto& w = testsupport::Mostrata<Form1>();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QString::fromStdString("manca il file \"" + program.path() + "/testiFosku/1/ire.txt\"")))
      << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains(QString::fromStdString("il file \"" + program.path() + "/testiFosku/1/are.txt\" è vuoto")))
      << messages[0].toStdString();
  for (auto* b : w.Command1) EXPECT_FALSE(b->isEnabled());
  EXPECT_EQ(w.Griglia->Rows(), 1);

  // Only the -ere list has roots: only the second class is ever drawn, and the pupil is told
  // once, when the window opens, that the other two are left out.
  messages.clear();
  w.Unload();
  program.Write("testiFosku/1/ere.txt", "vend\r\n");
  w.Show();
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(w.RispostaGiusta, 1);
    EXPECT_EQ(w.Label2->text(), "vendere");
    w.GeneraEsercizio();
  }
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("continua solo con le altre coniugazioni")) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains("are.txt") && messages[0].contains("ire.txt") && !messages[0].contains("ere.txt\""))
      << messages[0].toStdString();
}

namespace {

// True when `item` is a form of the current verb (class c) in one of `tenses`, with pronouns.
bool IsFormOf(const QString& item, int c, const std::vector<int>& tenses) {
  for (int t : tenses) {
    const auto forms = CostruisciFosku::BuildForms(t, c, CostruisciFosku::CurrentVerb(c), true);
    if (!forms) continue;
    for (const auto& f : *forms) {
      if (QString::fromStdString(f) == item) return true;
    }
  }
  return false;
}

}  // namespace

TEST_F(AnswerButtons, EachWindowsDrawIsTheEnginesFormAndTheRightButton) {
  testsupport::TempProgramFolder program(true);
  {
    auto& w = testsupport::Mostrata<Form5>();
    for (int i = 0; i < 200; ++i) {
      EXPECT_TRUE(IsFormOf(w.Label2->text(), w.RispostaGiusta, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}))
          << w.Label2->text().toStdString();
      w.GeneraEsercizio();
    }
    w.Unload();
  }
  {
    auto& w = testsupport::Mostrata<Form7>();
    int congiuntivi = 0;
    for (int i = 0; i < 300; ++i) {
      const QString item = w.Label2->text();
      const int mood = w.RispostaGiusta;
      const std::vector<int> tenses = mood == 0   ? std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}
                                      : mood == 1 ? std::vector<int>{8, 9, 10, 11}
                                                  : std::vector<int>{12, 13};
      EXPECT_TRUE(IsFormOf(item, w.ConiugazioneScelta, tenses)) << item.toStdString();
      if (mood == 1) {
        ++congiuntivi;
        EXPECT_TRUE(item.startsWith("che ")) << item.toStdString();
      }
      w.GeneraEsercizio();
    }
    EXPECT_GT(congiuntivi, 60);
    w.Unload();
  }
  {
    auto& w = testsupport::Mostrata<Form4>();
    for (int i = 0; i < 300; ++i) {
      const int group = w.RispostaGiusta;
      std::vector<int> tenses;
      for (int t = 0; t < 16; ++t) {
        if (Form4::GruppoDelTempo(t) == group) tenses.push_back(t);
      }
      bool found;
      found = IsFormOf(w.Label2->text(), w.ConiugazioneScelta, tenses);
      EXPECT_TRUE(found) << w.Label2->text().toStdString();
      w.GeneraEsercizio();
    }
  }
  // The grouping of the tenses.
  const int groups[16] = {1, 0, 0, 2, 0, 0, 0, 2, 1, 0, 0, 0, 1, 0, -1, -1};
  for (int t = 0; t < 16; ++t) EXPECT_EQ(Form4::GruppoDelTempo(t), groups[t]) << t;
}

TEST_F(AnswerButtons, FontCommandChangesTheGroupAndTheNextWindowOfTheGroupUsesIt) {
  auto& w = testsupport::Mostrata<Form1>();
  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    return CommDlgs::FontChoice{"Liberation Serif", 300, 700, false, false};
  });
  w.mnuFont->trigger();
  // Which group takes the choice: the font command's test over every window.
  EXPECT_EQ(w.Command1[0]->text(), "1°\r\nconiugazione");  // captions kept
  w.mnuEsci->trigger();

  auto& w7 = platform::Instance<Form7>();  // the same group
  platform::ChangeWindow(&platform::Instance<FormMenu>(), &w7);
  EXPECT_EQ(w7.Label2->font().family(), "Liberation Serif");
  EXPECT_EQ(w7.Label2->font().pointSize(), 30);
  EXPECT_EQ(w7.Command1[1]->text(), "Congiuntivo");

  // Cancelling: no message, the group's pair is written again from the unchanged label.
  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    return std::nullopt;
  });
  w7.mnuFont->trigger();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[1], 30);
}

namespace {

// The colour a button's caption is painted in, read off the button: the pixel of its inside
// (less its edges) that stands out most from its background.
QColor Didascalia(QPushButton* b) {
  const QImage img = testsupport::Rendered(b);
  const QRect dentro = img.rect().adjusted(6, 6, -6, -6);
  return testsupport::MostContrasting(img, testsupport::Background(img, dentro), dentro);
}

}  // namespace

TEST_F(AnswerButtons, ADisabledButtonIsPaintedUnlikeAnEnabledOneAndStillReads) {
  auto& w = testsupport::Mostrata<Form7>();
  const int right = w.RispostaGiusta;
  QPushButton* altro = w.Command1[static_cast<size_t>((right + 1) % 3)];
  QPushButton* giusto = w.Command1[static_cast<size_t>(right)];
  ASSERT_TRUE(altro->isEnabled());
  const QColor abilitata = Didascalia(altro);
  QTest::mouseClick(giusto, Qt::LeftButton);  // the right answer disables all three
  ASSERT_FALSE(altro->isEnabled());
  const QColor disabilitata = Didascalia(altro);
  EXPECT_NE(disabilitata, abilitata);
  for (QPushButton* b : {altro, giusto}) {
    const QImage img = testsupport::Rendered(b);
    const QColor sfondo = testsupport::Background(img, img.rect().adjusted(6, 6, -6, -6));
    EXPECT_EQ(sfondo, platform::BackColor(b));
    EXPECT_GE(testsupport::Contrast(Didascalia(b), sfondo), 4.5) << b->text().toStdString();
  }
  // Not a shade apart that no eye tells: a clearly softer tone.
  EXPECT_GT(testsupport::Contrast(disabilitata, abilitata), 1.2);
}

TEST_F(AnswerButtons, OnlyTheFocusedButtonPaintsTheFocusFrame) {
  auto& w = testsupport::Mostrata<Form7>();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  // The frame: a dotted line 4 pixels inside the button's edge, in the caption's colour; a dot
  // for every three pixels.
  const auto puntiDelBordo = [](QPushButton* b) {
    const QImage img = testsupport::Rendered(b);
    const QColor sfondo = testsupport::Background(img, img.rect().adjusted(6, 6, -6, -6));
    int n = 0;
    for (int x = 4; x < img.width() - 5; ++x) n += testsupport::Contrast(QColor(img.pixel(x, 4)), sfondo) > 3 ? 1 : 0;
    for (int y = 4; y < img.height() - 5; ++y) n += testsupport::Contrast(QColor(img.pixel(4, y)), sfondo) > 3 ? 1 : 0;
    return std::pair{n, img.width() + img.height() - 18};
  };
  for (size_t i = 0; i < w.Command1.size(); ++i) {
    SCOPED_TRACE(i);
    w.Command1[i]->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(w.Command1[i]->hasFocus());
    for (size_t j = 0; j < w.Command1.size(); ++j) {
      const auto [punti, lunghezza] = puntiDelBordo(w.Command1[j]);
      if (j == i) {
        EXPECT_GE(punti, lunghezza / 4) << "the focused button shows no frame";
      } else {
        EXPECT_EQ(punti, 0) << "button " << j << " shows a frame without the focus";
      }
    }
  }
}
