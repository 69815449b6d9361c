// The keyboard alone reaches every answer: after each draw the focus is where the pupil answers,
// it stays there after a wrong answer, and it comes back there when the results grid or the font
// dialog closes. Keys go to the window as the window system delivers them.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include "exercise_window/bottoni_risposta.h"
#include "exercise_window/contatori.h"
#include "exercise_window/tabelle_trascinabili.h"
#include "exercises/sentences/form15_person.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/verbs/form11_classification.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form2_root_ending.h"
#include "exercises/verbs/form4_past_present_future.h"
#include "exercises/verbs/form6_find_infinitive.h"
#include "exercises/verbs/form7_mood.h"
#include "platform/twips.h"
#include "support/exercise_fixture.h"
#include "support/menu_windows.h"

namespace {

class Fuoco : public testsupport::ExerciseTest {
 protected:
  testsupport::TempProgramFolder programma{true};
};

// A key to the control that has the focus, as the window system hands it on.
void TastoAlFuoco(Qt::Key k) {
  QWidget* fuoco = QApplication::focusWidget();
  ASSERT_NE(fuoco, nullptr) << "no control has the focus";
  QTest::keyClick(fuoco, k);
}

// The window on show and active: keys go to the active window.
template <class W>
W& Aperta() {
  auto& w = testsupport::Mostrata<W>();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
  return w;
}

// Answers the item on show by keys alone among its answer buttons, the focus on the first after
// the draw: Space on it first when it is wrong, then Tab to the right one and Space.
template <class Bottoni>
void RispondiDaTastiera(const Bottoni& b, int giusta) {
  const auto indice = [&b] {
    return static_cast<int>(std::find(b.begin(), b.end(), QApplication::focusWidget()) - b.begin());
  };
  ASSERT_EQ(QApplication::focusWidget(), b[0]) << "the first answer button after the draw";
  if (giusta != 0) {
    const int errati = Module1::Errati;
    TastoAlFuoco(Qt::Key_Space);
    EXPECT_EQ(Module1::Errati, errati + 1);
    EXPECT_EQ(QApplication::focusWidget(), b[0]) << "a wrong answer keeps the focus where it was";
  }
  for (size_t n = 0; n < b.size() && indice() != giusta; ++n) TastoAlFuoco(Qt::Key_Tab);
  ASSERT_EQ(indice(), giusta) << "Tab reaches every answer button";
  const int esatti = Module1::Esatti;
  TastoAlFuoco(Qt::Key_Space);
  EXPECT_EQ(Module1::Esatti, esatti + 1);
}

// A key held down as an X11 desktop delivers it on a busy machine: the press, then for each repeat
// a release and a press with one time stamp, none marked as a repeat, then the last release. Each
// goes to the control that has the focus at that moment.
void TieniPremuto(Qt::Key k, int ripetizioni = 6) {
  static ulong adesso = 1000000;
  adesso += 60000;
  const quint32 codice = k == Qt::Key_Space ? 65 : k == Qt::Key_Enter ? 104 : 36;  // the X key codes
  const QString testo = k == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
  const auto manda = [&](QEvent::Type tipo) {
    QWidget* fuoco = QApplication::focusWidget();
    ASSERT_NE(fuoco, nullptr);
    QKeyEvent e(tipo, k, k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier, codice, codice, 0, testo, false, 1);
    e.setTimestamp(adesso);
    QSpontaneKeyEvent::setSpontaneous(&e);
    QCoreApplication::sendEvent(fuoco, &e);
  };
  manda(QEvent::KeyPress);
  adesso += 500;  // the delay before the key repeats
  for (int r = 0; r < ripetizioni; ++r) {
    manda(QEvent::KeyRelease);
    manda(QEvent::KeyPress);
    adesso += 33;
  }
  manda(QEvent::KeyRelease);
}

}  // namespace

TEST_F(Fuoco, ThreeItemsInARowByKeysAloneInEveryButtonWindow) {
  for (const auto& [riga, w] : testsupport::Finestre<BottoniRisposta>()) {
    SCOPED_TRACE(riga.classe);
    w.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (int item = 1; item <= 3; ++item) {
      SCOPED_TRACE(item);
      RispondiDaTastiera(w.Command1, w.RispostaGiusta);
      EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);
      TastoAlFuoco(Qt::Key_Return);  // the next item
      ASSERT_EQ(w.Griglia->Rows(), item + 2);
    }
    EXPECT_EQ(w.focusWidget(), w.Command1[0]);
    EXPECT_EQ(Module1::Esatti, 3);
    w.Unload();
  }
}

TEST_F(Fuoco, Form15ByKeysAloneGoesOnFromTheAvantiPanel) {
  auto& w = Aperta<Form15>();
  QLabel* avanti = w.StatusBar1->Panel(3);
  for (int item = 1; item <= 3; ++item) {
    SCOPED_TRACE(item);
    RispondiDaTastiera(w.Command1, Form15::BottoneDelSoggetto(w.SoggettoSottinteso));
    EXPECT_EQ(Module1::Esatti, item);
    ASSERT_FALSE(avanti->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), avanti) << "after the right person, the keys go on from \"Avanti\"";
    const int righe = w.Griglia->Rows();
    TastoAlFuoco(item % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);  // what a click on "Avanti" does
    EXPECT_TRUE(avanti->isHidden());
    EXPECT_EQ(w.Griglia->Rows(), righe) << "the next sentence is not answered by that key";
    for (QPushButton* b : w.Command1) EXPECT_TRUE(b->isEnabled());
  }
}

// Form11 by keys alone: the arrows move the focus among the options on show of the open panel and
// never choose one, also once a wrong option is chosen; Space chooses; each right step gives the
// keys to the next one.
TEST_F(Fuoco, Form11FiveStepsByKeysAlone) {
  auto& w = Aperta<Form11>();
  const auto giro = [&w](auto& opzioni, int giusta) {
    // Space on the focused option when it is wrong, then the arrows to the right one, checking
    // that no arrow answers, then Space.
    const auto indice = [&opzioni] {
      return static_cast<int>(std::find(opzioni.begin(), opzioni.end(), QApplication::focusWidget()) - opzioni.begin());
    };
    ASSERT_LT(indice(), static_cast<int>(opzioni.size())) << "the focus is on an option of the open step";
    QWidget* pannello = opzioni[static_cast<size_t>(indice())]->parentWidget();
    const int errati = Module1::Errati + (indice() != giusta ? 1 : 0);
    if (indice() != giusta) {
      QWidget* scelta = QApplication::focusWidget();
      TastoAlFuoco(Qt::Key_Space);  // a wrong option chosen: the arrows must not choose the next
      ASSERT_EQ(Module1::Errati, errati);
      EXPECT_EQ(QApplication::focusWidget(), scelta) << "a wrong answer keeps the focus";
    }
    int passi = 0;
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Down}) {
      TastoAlFuoco(k);
      ++passi;
      QWidget* f = QApplication::focusWidget();
      ASSERT_TRUE(f != nullptr && f->parentWidget() == pannello && f->isVisible()) << "arrow " << passi;
    }
    EXPECT_EQ(Module1::Errati, errati) << "no arrow answers";
    for (size_t n = 0; n < opzioni.size() && indice() != giusta; ++n) TastoAlFuoco(Qt::Key_Down);
    ASSERT_EQ(indice(), giusta) << "Down reaches every option of the step";
    EXPECT_EQ(Module1::Errati, errati) << "no arrow answers";
    TastoAlFuoco(Qt::Key_Space);
  };
  for (int item = 1; item <= 2; ++item) {
    SCOPED_TRACE(item);
    ASSERT_EQ(QApplication::focusWidget(), w.Text1);
    QTest::keyClicks(w.Text1, w.InfinitoAtteso);
    TastoAlFuoco(Qt::Key_Return);
    giro(w.Option2, w.ConiugazioneScelta);
    EXPECT_FALSE(w.Picture2->isEnabled());
    giro(w.Option1, w.PersonaEstratta);
    EXPECT_FALSE(w.Picture1->isEnabled());
    giro(w.Option3, Form11::ModoDelTempo(w.TempoEstratto));
    EXPECT_FALSE(w.Picture3->isEnabled());
    // The tense step: the arrows go round the shown panel's options only, never onto a hidden one.
    const int primo = static_cast<int>(std::find(w.Option4.begin(), w.Option4.end(), QApplication::focusWidget()) -
                                       w.Option4.begin());
    ASSERT_LT(primo, 14);
    int contati = 0;
    do {
      TastoAlFuoco(Qt::Key_Down);
      ASSERT_TRUE(QApplication::focusWidget()->isVisible());
      ++contati;
    } while (QApplication::focusWidget() != w.Option4[static_cast<size_t>(primo)] && contati < 20);
    const int modo = Form11::ModoDelTempo(w.TempoEstratto);
    EXPECT_EQ(contati, modo == 0 ? 8 : modo == 1 ? 4 : 2) << "once round the mood's tenses";
    giro(w.Option4, w.TempoEstratto);
    EXPECT_EQ(Module1::Esatti, 5 * item);
    EXPECT_EQ(QApplication::focusWidget(), w.BottoneAvanti);
    TastoAlFuoco(Qt::Key_Return);
  }
  EXPECT_EQ(QApplication::focusWidget(), w.Text1);
}

// Wherever the pupil is, the keys have a control to go on from: after each draw where the item is
// answered, once it is answered the control that draws the next one; and back there after the
// results grid (opened and closed by its keys), the font dialog (confirmed or cancelled), the
// reset of the counters and a message box, also when the focus was lost on the way.
TEST_F(Fuoco, AlwaysAControlToGoOnFrom) {
  struct Modo {
    std::function<QWidget*(ExerciseWindow&)> risposta;  // where the item is answered; null: by the mouse
    std::function<void(ExerciseWindow&)> giusta;        // answers the item on show right
    bool fuocoSubito = true;                            // the right answer itself gives the focus to `avanti`
    std::function<QWidget*(ExerciseWindow&)> avanti = [](ExerciseWindow& w) { return w.BottoneAvanti; };
  };
  const Modo bottoni{[](ExerciseWindow& w) -> QWidget* { return dynamic_cast<BottoniRisposta&>(w).Command1[0]; },
                     [](ExerciseWindow& w) {
                       auto& b = dynamic_cast<BottoniRisposta&>(w);
                       QTest::mouseClick(b.Command1[static_cast<size_t>(b.RispostaGiusta)], Qt::LeftButton);
                     }};
  const auto casella = [](ExerciseWindow& w) { return dynamic_cast<RispostaScritta&>(w).Text1[0]; };
  const auto scrivi = [](QLineEdit* box, const QString& testo) {
    box->setText(testo);
    QTest::keyClick(box, Qt::Key_Return);
  };
  const Modo tabelle{nullptr, [](ExerciseWindow& w) {
                       auto& t = dynamic_cast<TabelleTrascinabili&>(w);
                       for (int i = 0; i < t.NumeroCelle(); ++i) t.Label1_DragDrop(i, i);
                     }};
  const Modo coppie{nullptr,
                    [](ExerciseWindow& w) {
                      dynamic_cast<TavolaCoppie&>(w).Label4_DragDrop(0, 0);
                      dynamic_cast<TavolaCoppie&>(w).Label4_DragDrop(1, 1);
                    },
                    false};
  const std::map<std::string, Modo> modi = {
      {"Form1", bottoni}, {"Form4", bottoni}, {"Form5", bottoni}, {"Form7", bottoni}, {"Form12", bottoni},
      {"Form13", bottoni}, {"Form17", bottoni}, {"Form19", bottoni}, {"Form20", bottoni},
      {"Form8", tabelle}, {"Form10", tabelle}, {"Form14", coppie}, {"Form16", coppie},
      {"Form2", {casella,
                 [&](ExerciseWindow& w) {
                   auto& f = static_cast<Form2&>(w);
                   const auto c = static_cast<size_t>(f.ConiugazioneScelta);
                   scrivi(f.Text1[0], QString::fromStdString(f.RadiciInfinito[c][static_cast<size_t>(f.RigaEstratta)]));
                   scrivi(f.Text1[1], QString::fromStdString(f.DesinenzeInfinito[c]));
                 }}},
      {"Form6", {casella, [&](ExerciseWindow& w) { scrivi(casella(w), static_cast<Form6&>(w).RispostaAttesa); }}},
      {"Form18", {casella, [&](ExerciseWindow& w) { scrivi(casella(w), static_cast<Form18&>(w).RispostaAttesa); }}},
      {"Form11", {[](ExerciseWindow& w) -> QWidget* { return static_cast<Form11&>(w).Text1; },
                  [&](ExerciseWindow& w) {
                    auto& f = static_cast<Form11&>(w);
                    scrivi(f.Text1, f.InfinitoAtteso);
                    f.Option2_Click(f.ConiugazioneScelta);
                    f.Option1_Click(f.PersonaEstratta);
                    f.Option3_Click(Form11::ModoDelTempo(f.TempoEstratto));
                    f.Option4_Click(f.TempoEstratto);
                  }}},
      {"Form15", {[](ExerciseWindow& w) -> QWidget* { return static_cast<Form15&>(w).Command1[0]; },
                  [](ExerciseWindow& w) {
                    auto& f = static_cast<Form15&>(w);
                    QTest::mouseClick(f.Command1[static_cast<size_t>(Form15::BottoneDelSoggetto(f.SoggettoSottinteso))],
                                      Qt::LeftButton);
                  },
                  true, [](ExerciseWindow& w) -> QWidget* { return w.StatusBar1->Panel(3); }}},
  };
  const testsupport::Escluse escluse = {
      {"Form3", "the conjugation tables: no item to answer"},
      {"Form9", "answered by the mouse alone: its words and its \"Avanti\" panel take no focus"},
  };

  // The font dialog answered as the pupil would; false when the window showed none (no font
  // command, or one that does nothing).
  bool dialogo = false;
  const auto font = [&](ExerciseWindow& w, bool conferma) {
    dialogo = false;
    CommDlgs::SetFontChooser([&dialogo, conferma](QWidget*, const CommDlgs::FontRequest&) {
      dialogo = true;
      return conferma ? std::optional(CommDlgs::FontChoice{"Liberation Serif", 240, 400, false, false}) : std::nullopt;
    });
    if (w.mnuFont != nullptr) w.mnuFont->trigger();
    return dialogo;
  };
  struct Passo {
    const char* cosa;
    std::function<bool(ExerciseWindow&)> fai;  // false when nothing came of it in this window
  };
  const std::vector<Passo> passi = {
      {"the grid by its keys", [](ExerciseWindow& w) {
         QTest::keyClick(w.windowHandle(), Qt::Key_V, Qt::ControlModifier);
         EXPECT_TRUE(w.Griglia->isVisible());
         QTest::keyClick(w.windowHandle(), Qt::Key_C, Qt::ControlModifier);
         EXPECT_FALSE(w.Griglia->isVisible());
         return true;
       }},
      {"the font dialog confirmed", [&](ExerciseWindow& w) { return font(w, true); }},
      {"the font dialog cancelled", [&](ExerciseWindow& w) { return font(w, false); }},
      {"the reset of the counters", [](ExerciseWindow& w) {
         w.mnuAzzera->trigger();
         return true;
       }},
      {"a message box", [this](ExerciseWindow& w) {
         // The real box: "Avvio la stampa?", answered No by its own key.
         platform::SetMsgBoxHandler({});
         int attese = 0;
         std::function<void()> rispondi = [&] {
           if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
             QTest::keyClick(box, Qt::Key_Escape);
           } else if (++attese < 200) {
             QTimer::singleShot(10, rispondi);
           }
         };
         QTimer::singleShot(0, rispondi);
         w.mnuStamp->trigger();
         EXPECT_LT(attese, 200) << "the box never came";
         platform::SetMsgBoxHandler(testsupport::Annota(messages));
         w.activateWindow();  // as the window system does once the box is gone
         return true;
       }},
  };
  // Each step with the focus where the pupil left it, and again after it was lost (a click on the
  // window's background).
  const auto dopoOgniPasso = [&](ExerciseWindow& w, QWidget* atteso, const char* quando) {
    for (const Passo& p : passi) {
      for (bool perso : {false, true}) {
        SCOPED_TRACE(std::string(quando) + ", " + p.cosa + (perso ? ", the focus lost before" : ""));
        if (perso && w.focusWidget() != nullptr) w.focusWidget()->clearFocus();
        const bool fatto = p.fai(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        if (fatto) {
          EXPECT_EQ(QApplication::focusWidget(), atteso);
        }
        atteso->setFocus();
      }
    }
  };

  for (const auto& [riga, w, f] : testsupport::PerFinestra<ExerciseWindow>(modi, escluse)) {
    SCOPED_TRACE(riga.classe);
    w.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QWidget* risposta = f.risposta ? f.risposta(w) : nullptr;
    if (risposta != nullptr) {
      EXPECT_EQ(QApplication::focusWidget(), risposta) << "after the first draw";
      dopoOgniPasso(w, risposta, "an item waiting");
    }
    f.giusta(w);
    QWidget* avanti = f.avanti(w);
    ASSERT_TRUE(avanti->isEnabled() && !avanti->isHidden()) << "answered";
    if (f.fuocoSubito) {
      EXPECT_EQ(QApplication::focusWidget(), avanti) << "right after the answer";
    }
    dopoOgniPasso(w, avanti, "an item answered");
    const int esatti = Module1::Esatti, errati = Module1::Errati;
    TastoAlFuoco(Qt::Key_Return);  // the next item
    EXPECT_EQ(Module1::Esatti, esatti);
    EXPECT_EQ(Module1::Errati, errati);
    if (risposta != nullptr) {
      EXPECT_EQ(QApplication::focusWidget(), f.risposta(w)) << "after the next item";
    }
    w.Unload();
  }
}

// A key held down is one press, however the desktop delivers it: at most one answer, and the press
// that brings the next item never answers on it.
TEST_F(Fuoco, AHeldKeyIsOnePress) {
  struct Caso {
    const char* cosa;
    std::function<ExerciseWindow&()> prepara;  // opens the window, readies the control, gives it the focus
    Qt::Key tasto;
    int esatti, errati, righe;                  // what the one press adds
    std::function<void(ExerciseWindow&)> dopo;  // what else holds afterwards
  };
  const auto sbagliato = [](BottoniRisposta& w) -> ExerciseWindow& {
    w.Command1[static_cast<size_t>((w.RispostaGiusta + 1) % 3)]->setFocus();
    return w;
  };
  const auto giusto = [](BottoniRisposta& w) -> ExerciseWindow& {
    QTest::mouseClick(w.Command1[static_cast<size_t>(w.RispostaGiusta)], Qt::LeftButton);
    return w;
  };
  // Form6 and Form11 with a word in the box: `sbagliata`, or (nullptr) the right one.
  const auto form6 = [](const char* sbagliata) -> ExerciseWindow& {
    auto& w = Aperta<Form6>();
    w.Text1[0]->setText(sbagliata != nullptr ? QString::fromUtf8(sbagliata) : w.RispostaAttesa);
    return w;
  };
  const auto form11 = [](const char* sbagliata, bool classi = false) -> Form11& {
    auto& w = Aperta<Form11>();
    w.Text1->setText(sbagliata != nullptr ? QString::fromUtf8(sbagliata) : w.InfinitoAtteso);
    if (classi) QTest::keyClick(w.Text1, Qt::Key_Return);
    return w;
  };
  const std::vector<Caso> casi = {
      {"Enter on a wrong answer button", [&]() -> ExerciseWindow& { return sbagliato(Aperta<Form4>()); }, Qt::Key_Return,
       0, 1, 0, [](ExerciseWindow& w) { EXPECT_EQ(w.Griglia->TextMatrix(w.RigaItem(), 5), "*"); }},
      {"Space on a wrong answer button", [&]() -> ExerciseWindow& { return sbagliato(Aperta<Form1>()); }, Qt::Key_Space,
       0, 1, 0, nullptr},
      {"Enter on the next-item button", [&]() -> ExerciseWindow& { return giusto(Aperta<Form4>()); }, Qt::Key_Return, 0,
       0, 1,
       [](ExerciseWindow& w) {
         auto& f = static_cast<Form4&>(w);
         for (QPushButton* b : f.Command1) {
           EXPECT_TRUE(b->isEnabled());
           EXPECT_EQ(platform::BackColor(b), QColor(192, 255, 255));
         }
         EXPECT_EQ(QApplication::focusWidget(), f.Command1[0]);
       }},
      {"Space on the next-item button", [&]() -> ExerciseWindow& { return giusto(Aperta<Form7>()); }, Qt::Key_Space, 0,
       0, 1, nullptr},
      {"Enter on a wrong word in the answer box",
       [&]() -> ExerciseWindow& { return form6("sbagliato"); }, Qt::Key_Return, 0, 1, 0,
       [](ExerciseWindow& w) { EXPECT_EQ(w.Griglia->TextMatrix(w.RigaItem(), 3), "sbagliato "); }},
      {"keypad Enter on a wrong word in the answer box", [&]() -> ExerciseWindow& { return form6("sbagliato"); },
       Qt::Key_Enter, 0, 1, 0, nullptr},
      {"Enter on the right word in the answer box",
       [&]() -> ExerciseWindow& { return form6(nullptr); }, Qt::Key_Return, 1, 0, 0,
       [](ExerciseWindow& w) { EXPECT_EQ(QApplication::focusWidget(), w.BottoneAvanti) << "still on the item answered"; }},
      {"Enter on a wrong infinitive", [&]() -> ExerciseWindow& { return form11("sbagliare"); }, Qt::Key_Return, 0, 1, 0,
       nullptr},
      {"Enter on the right infinitive",
       [&]() -> ExerciseWindow& { return form11(nullptr); }, Qt::Key_Return, 1, 0, 0,
       [](ExerciseWindow& w) {
         auto& f = static_cast<Form11&>(w);
         EXPECT_TRUE(f.Picture2->isEnabled()) << "the class step open, not answered";
         EXPECT_EQ(f.Griglia->TextMatrix(f.RigaItem(), 3), "");
       }},
      {"Space on a wrong class",
       [&]() -> ExerciseWindow& {
         auto& w = form11(nullptr, true);
         w.Option2[static_cast<size_t>((w.ConiugazioneScelta + 1) % 5)]->setFocus();
         return w;
       },
       Qt::Key_Space, 0, 1, 0, nullptr},
      {"Enter on \"Avanti\" in the status bar",
       [&]() -> ExerciseWindow& {
         auto& w = Aperta<Form15>();
         QTest::mouseClick(w.Command1[static_cast<size_t>(Form15::BottoneDelSoggetto(w.SoggettoSottinteso))],
                           Qt::LeftButton);
         return w;
       },
       Qt::Key_Return, 0, 0, 0,
       [](ExerciseWindow& w) {
         EXPECT_TRUE(w.StatusBar1->Panel(3)->isHidden()) << "the next sentence came";
         for (QPushButton* b : static_cast<Form15&>(w).Command1) EXPECT_TRUE(b->isEnabled());
       }},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.cosa);
    ExerciseWindow& w = c.prepara();
    const int esatti = Module1::Esatti, errati = Module1::Errati, righe = w.Griglia->Rows();
    TieniPremuto(c.tasto);
    EXPECT_EQ(Module1::Esatti, esatti + c.esatti);
    EXPECT_EQ(Module1::Errati, errati + c.errati);
    EXPECT_EQ(w.Griglia->Rows(), righe + c.righe);
    if (c.dopo) c.dopo(w);
    w.Unload();
  }
}
