#include <gtest/gtest.h>

#include <QTest>
#include <set>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercise_window/contatori.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form2_root_ending.h"
#include "exercises/verbs/form6_find_infinitive.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "services/commdlgs.h"
#include "services/modulocolorisuoni.h"
#include "settings/moduloperini.h"
#include "support/exercise_fixture.h"
#include "support/shipped_data.h"
#include "support/temp_dirs.h"

namespace {

constexpr int kInvio = 13;

class TypedAnswers : public testsupport::ExerciseTest {
 protected:
  // Types `text` into box `i` and releases Enter there.
  static void Rispondi(RispostaScritta& w, const QString& text, int i = 0) {
    w.Text1[static_cast<size_t>(i)]->setText(text);
    w.Text1_KeyUp(i, kInvio);
  }
  static QString Cella(RispostaScritta& w, int k) { return w.Griglia->TextMatrix(w.RigaItem(), k); }
  static QString Pannello(RispostaScritta& w, int i) { return w.StatusBar1->PanelText(i); }
};

// Makes `radice` the only row of the -are list, so the next draw of -are takes it.
void SoloVerboAre(const std::string& radice) {
  for (auto& r : CostruisciFosku::RadiciAre) r = CostruisciFosku::VerboRegolare{};
  for (auto& r : CostruisciFosku::RadiciEre) r = CostruisciFosku::VerboRegolare{};
  for (auto& r : CostruisciFosku::RadiciIre) r = CostruisciFosku::VerboRegolare{};
  CostruisciFosku::RadiciAre[1] = CostruisciFosku::VerboRegolare{radice, "a", "", "", ""};
  CostruisciFosku::NumeroRadiciAre = 1;
  CostruisciFosku::NumeroRadiciEre = 0;
  CostruisciFosku::NumeroRadiciIre = 0;
}

}  // namespace

TEST_F(TypedAnswers, LayoutAndOpeningState) {
  struct Caso {
    RispostaScritta* w;
    int caselle;
    std::vector<QString> intestazioni;
    std::vector<int> fattori;
    std::set<int> centrate;
  };
  const std::vector<Caso> casi = {
      {&platform::Instance<Form2>(), 2,
       {"", "Radice e desinenza (fosku all'infinito)", "radice", "desinenza", "Errori radice", "Errori desinenza"},
       {1, 7, 3, 3, 3, 3},
       {2, 3, 5}},
      {&platform::Instance<Form6>(), 1, {"", "Trova l'infinito", "esatti", "errori"}, {1, 7, 2, 8}, {2, 3}},
      {&platform::Instance<Form18>(), 1, {"", "Completa la frase", "verbo", "errori"}, {1, 7, 2, 8}, {2, 3}},
  };
  for (const Caso& c : casi) {
    RispostaScritta& w = *c.w;
    SCOPED_TRACE(w.Config().titolo.toStdString());
    Module1::Esatti = 5;
    w.Show();
    EXPECT_EQ(Module1::Esatti, 0);
    ASSERT_EQ(static_cast<int>(w.Text1.size()), c.caselle);
    EXPECT_TRUE(w.Text1[0]->isEnabled());
    if (c.caselle == 2) {
      EXPECT_FALSE(w.Text1[1]->isEnabled());
    }
    EXPECT_FALSE(w.BottoneAvanti->isEnabled());
    EXPECT_EQ(Pannello(w, 1), "Esatti");
    EXPECT_EQ(Pannello(w, 2), "Errati");
    EXPECT_EQ(Pannello(w, 3), "Avanti");
    ASSERT_EQ(w.Griglia->Cols(), static_cast<int>(c.intestazioni.size()));
    const long u = platform::RoundHalfEven(w.Width()) / 36;
    for (int k = 0; k < w.Griglia->Cols(); ++k) {
      EXPECT_EQ(w.Griglia->TextMatrix(0, k), c.intestazioni[static_cast<size_t>(k)]);
      // Only the listed header cells are centred; every column but the item's is centred.
      const bool intestazioneCentrata = c.centrate.count(k) == 1;
      EXPECT_EQ(w.Griglia->item(0, k)->textAlignment() == Qt::AlignCenter, intestazioneCentrata) << k;
      EXPECT_EQ(w.Griglia->item(1, k)->textAlignment() == Qt::AlignCenter, k != 1) << k;
      EXPECT_EQ(w.Griglia->ColWidth(k), c.fattori[static_cast<size_t>(k)] * u);
    }
    // The first item: row 1, its text as shown.
    EXPECT_EQ(w.Griglia->Rows(), 2);
    EXPECT_EQ(w.Griglia->TextMatrix(1, 0), "1");
    EXPECT_EQ(w.Griglia->TextMatrix(1, 1), w.Label2->text());
    EXPECT_FALSE(w.Label2->text().isEmpty());
    // Centred in its frame.
    EXPECT_NEAR(w.Label2->x(), (w.Picture1->width() - w.Label2->width()) / 2, 1);
    EXPECT_NEAR(w.Label2->y(), (w.Picture1->height() - w.Label2->height()) / 2, 1);
    w.Unload();
  }
}

TEST_F(TypedAnswers, JudgingATypedAnswer) {
  auto& w = testsupport::Mostrata<Form6>();
  SoloVerboAre("cant");
  w.GeneraEsercizio();
  ASSERT_EQ(w.RispostaAttesa, "cantare");
  const int riga = w.RigaItem();
  ASSERT_EQ(riga, 2);

  // Not Enter, an empty box, a box of blanks: nothing at all.
  w.Text1[0]->setText("cantare");
  w.Text1_KeyUp(0, 65);
  Rispondi(w, "");
  Rispondi(w, "   ");
  EXPECT_EQ(Module1::Esatti + Module1::Errati, 0);
  EXPECT_TRUE(sounds.empty());
  EXPECT_EQ(Cella(w, 2), "");
  EXPECT_EQ(Cella(w, 3), "");
  EXPECT_EQ(Pannello(w, 1), "Esatti");

  // Wrong answers, the root alone among them, are kept as typed in order, each with a blank.
  Rispondi(w, "canto");
  EXPECT_EQ(Pannello(w, 1), "Esatti  0");
  EXPECT_EQ(Pannello(w, 2), "Errati  1");
  Rispondi(w, "cant");
  Rispondi(w, " cantàre");
  EXPECT_EQ(Module1::Errati, 3);
  EXPECT_EQ(Cella(w, 3), "canto cant  cantàre ");
  EXPECT_EQ(w.Text1[0]->text(), " cantàre");  // the box keeps the text
  EXPECT_TRUE(w.Text1[0]->isEnabled());
  EXPECT_EQ(w.focusWidget(), w.Text1[0]);
  EXPECT_EQ(sounds.size(), 3u);

  // Capitals and blanks around: right.
  Rispondi(w, "  CANTARE ");
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(Cella(w, 2), "*");
  EXPECT_FALSE(w.Text1[0]->isEnabled());
  EXPECT_TRUE(w.BottoneAvanti->isEnabled());
  EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);
  EXPECT_TRUE(Played("si"));
  EXPECT_EQ(Pannello(w, 1), "Esatti  1");
  Rispondi(w, "cantare");  // answered: not judged again
  EXPECT_EQ(Module1::Esatti, 1);

  // Enter on the next-item button draws the next item into its own row, with an empty box.
  QTest::keyClick(w.BottoneAvanti, Qt::Key_Return);
  EXPECT_FALSE(w.BottoneAvanti->isEnabled());
  EXPECT_EQ(w.RigaItem(), riga + 1);
  EXPECT_EQ(w.Griglia->TextMatrix(riga + 1, 0), QString::number(riga + 1));
  EXPECT_TRUE(w.Text1[0]->isEnabled());
  EXPECT_EQ(w.Text1[0]->text(), "");
  EXPECT_EQ(w.Griglia->TextMatrix(riga, 3), "canto cant  cantàre ");

  // Enter pressed and released in the box goes through the key handler.
  w.Text1[0]->setText("x");
  QTest::keyClick(w.Text1[0], Qt::Key_Return);
  EXPECT_EQ(Module1::Errati, 4);
}

TEST_F(TypedAnswers, FindTheInfinitiveOfTheDrawnVerb) {
  auto& w = testsupport::Mostrata<Form6>();
  std::set<int> classi;
  std::set<int> tempi;
  std::set<int> persone;
  for (int n = 0; n < 400; ++n) {
    w.GeneraEsercizio();
    const int c = w.ConiugazioneScelta;
    classi.insert(c);
    persone.insert(w.PersonaEstratta);
    const CostruisciFosku::VerboRegolare v = CostruisciFosku::CurrentVerb(c);
    ASSERT_EQ(w.RispostaAttesa.toStdString(), v.Radice + ListeInfinito::kDesinenze[static_cast<size_t>(c)]);
    // The form shown is the drawn verb's, in a tense from the presente indicativo to the
    // passato condizionale.
    bool trovato = false;
    for (int t = 0; t < 16; ++t) {
      const auto forme = CostruisciFosku::BuildForms(t, c, v, true);
      for (size_t p = 0; p < forme->size(); ++p) {
        if (QString::fromStdString((*forme)[p]) == w.Label2->text() && static_cast<int>(p) == w.PersonaEstratta) {
          trovato = true;
          if (t < 14) tempi.insert(t);
        }
      }
    }
    ASSERT_TRUE(trovato) << w.Label2->text().toStdString();
  }
  EXPECT_EQ(classi, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(tempi.size(), 14u);
  EXPECT_EQ(persone.size(), 6u);
}

TEST_F(TypedAnswers, RootThenEnding) {
  auto& w = testsupport::Mostrata<Form2>();
  w.RadiciInfinito = {std::vector<std::string>{"", "parl"}, std::vector<std::string>{""},
                      std::vector<std::string>{""}};
  w.GeneraEsercizio();
  ASSERT_EQ(w.Label2->text(), "parlare");
  EXPECT_EQ(w.Griglia->TextMatrix(w.RigaItem(), 1), "parlare");
  EXPECT_EQ(w.focusWidget(), w.Text1[0]);  // the pupil can type the root at once

  // The ending box cannot be answered before the root.
  w.Text1[1]->setText("are");
  w.Text1_KeyUp(1, kInvio);
  EXPECT_EQ(Module1::Errati + Module1::Esatti, 0);

  Rispondi(w, "are", 0);    // the ending in the root box: a wrong root
  Rispondi(w, "parla", 0);
  EXPECT_EQ(Cella(w, 4), "**");
  EXPECT_EQ(w.focusWidget(), w.Text1[0]);  // a wrong root: try again in the same box
  Rispondi(w, " PARL ", 0);  // right root: marked, neither counted nor sounded
  EXPECT_EQ(Cella(w, 2), "*");
  EXPECT_EQ(Module1::Esatti, 0);
  EXPECT_EQ(sounds.size(), 2u);
  EXPECT_EQ(Pannello(w, 1), "Esatti  0");
  EXPECT_FALSE(w.Text1[0]->isEnabled());
  EXPECT_TRUE(w.Text1[1]->isEnabled());
  EXPECT_FALSE(w.BottoneAvanti->isEnabled());
  EXPECT_EQ(w.focusWidget(), w.Text1[1]);  // on to the ending without the mouse

  Rispondi(w, "ere", 1);
  EXPECT_EQ(Cella(w, 5), "*");
  EXPECT_EQ(w.focusWidget(), w.Text1[1]);
  EXPECT_EQ(Module1::Errati, 3);
  Rispondi(w, "Are", 1);
  EXPECT_EQ(Cella(w, 3), "*");
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(Pannello(w, 1), "Esatti  1");
  EXPECT_EQ(Pannello(w, 2), "Errati  3");
  EXPECT_TRUE(Played("si"));
  EXPECT_FALSE(w.Text1[1]->isEnabled());
  EXPECT_TRUE(w.BottoneAvanti->isEnabled());
  EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);  // Enter again draws the next verb

  w.BottoneAvanti_Click();
  EXPECT_EQ(w.focusWidget(), w.Text1[0]);
  EXPECT_TRUE(w.Text1[0]->isEnabled());
  EXPECT_FALSE(w.Text1[1]->isEnabled());
  EXPECT_EQ(w.Text1[1]->text(), "");
}

TEST_F(TypedAnswers, EmptyInfinitiveListsNeverHang) {
  auto& w = testsupport::Mostrata<Form2>();
  w.RadiciInfinito = {std::vector<std::string>{"", "  ", ""}, std::vector<std::string>{""},
                      std::vector<std::string>{"", "dorm"}};
  for (int n = 0; n < 30; ++n) {
    w.GeneraEsercizio();
    ASSERT_EQ(w.Label2->text(), "dormire");
  }
  w.RadiciInfinito = {std::vector<std::string>{""}, std::vector<std::string>{""}, std::vector<std::string>{""}};
  messages.clear();
  w.GeneraEsercizio();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("are.txt"));
  EXPECT_FALSE(w.Text1[0]->isEnabled());
}

TEST_F(TypedAnswers, SentenceLinesTakenApart) {
  struct Caso {
    std::string riga;
    bool valida;
    QString testo, forma, verbo;
  };
  const std::vector<Caso> casi = {
      {"Ieri noi#abbiamo mangiato#la pizza. [mangiare]", true, "Ieri noi _____ la pizza.", "abbiamo mangiato",
       "mangiare"},
      // Blanks around the form do not count; the text before is kept exactly; any separator is dropped.
      {"  Domani Sara # partirà  #presto.|[partire]", true, "  Domani Sara  _____ presto.", "partirà", "partire"},
      {"#Arriverò#domani. [arrivare]", true, " _____ domani.", "Arriverò", "arrivare"},
      {"", false, "", "", ""},
      {"Nessuna parentesi#qui#. ", false, "", "", ""},
      {"Un solo#cancelletto. [fare]", false, "", "", ""},
      {"Forma#   #vuota. [fare]", false, "", "", ""},
      {"Manca il separatore#va#[andare]", false, "", "", ""},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.riga);
    const auto f = AnalizzaFrase(c.riga);
    ASSERT_EQ(f.has_value(), c.valida);
    if (!f) continue;
    EXPECT_EQ(f->testo, c.testo);
    EXPECT_EQ(f->forma, c.forma);
    EXPECT_EQ(f->verbo, c.verbo);
  }
}

TEST_F(TypedAnswers, CompleteTheSentence) {
  testsupport::TempProgramFolder programma;
  // Only the file of the passato prossimo has sentences, one of them after an empty line.
  programma.Write("testiFosku/8/4.txt", platform::EncodeCp1252("\r\nSara#è tornata#a casa. [tornare]\r\n"));
  auto& w = testsupport::Mostrata<Form18>();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(w.TempoEstratto, 4);
  EXPECT_EQ(CostruisciFosku::IndiceEstratto, 2);
  EXPECT_EQ(w.Label1->text(), "tornare - passato prossimo indicativo");
  EXPECT_EQ(w.Label2->text(), "Sara _____ a casa.");
  EXPECT_EQ(w.Griglia->TextMatrix(1, 1), "Sara _____ a casa.");
  EXPECT_EQ(w.focusWidget(), w.Text1[0]);

  Rispondi(w, "e tornata");  // the accent counts
  Rispondi(w, "è tornato");
  EXPECT_EQ(Cella(w, 3), "e tornata è tornato ");
  EXPECT_EQ(Module1::Errati, 2);
  Rispondi(w, " È  Tornata");  // the blank between the words counts too
  EXPECT_EQ(Module1::Errati, 3);
  Rispondi(w, " È TORNATA ");
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(Cella(w, 2), " È TORNATA ");  // exactly as typed
  EXPECT_EQ(sounds.size(), 3u);            // the right answer is silent
  EXPECT_FALSE(Played("si"));
  EXPECT_TRUE(w.BottoneAvanti->isEnabled());
  EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);
}

TEST_F(TypedAnswers, SentenceFilesMissingOrBroken) {
  testsupport::TempProgramFolder programma;
  programma.Write("testiFosku/8/0.txt", "senza forma\r\n\r\n#[x]\r\n");
  auto& w = platform::Instance<Form18>();
  w.Show();  // never hangs
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("0.txt"));
  EXPECT_TRUE(messages[0].contains("13.txt"));
  EXPECT_FALSE(w.Text1[0]->isEnabled());
  Rispondi(w, "qualcosa");
  EXPECT_EQ(Module1::Errati, 0);
}

TEST_F(TypedAnswers, ShippedSentenceFiles) {
  testsupport::TempProgramFolder programma(true);
  for (int t = 0; t < Form18::kTempi; ++t) {
    const std::string file = programma.path() + "/testiFosku/8/" + std::to_string(t) + ".txt";
    SCOPED_TRACE(file);
    const auto righe = testsupport::RigheSpedite(file);
    EXPECT_GE(righe.size(), 10u);
    EXPECT_LE(righe.size(), static_cast<size_t>(Form18::kCapacita));
    for (const auto& r : righe) {
      const auto f = AnalizzaFrase(r);
      ASSERT_TRUE(f.has_value()) << r;
      EXPECT_FALSE(f->verbo.isEmpty()) << r;
      EXPECT_FALSE(f->testo.contains("  ")) << r;  // no double blanks around the gap
      EXPECT_TRUE(f->verbo.endsWith("are") || f->verbo.endsWith("ere") || f->verbo.endsWith("ire") ||
                  f->verbo.endsWith("rre"))
          << r;
    }
  }
}

TEST_F(TypedAnswers, FontCommandCentresTheItemAgain) {
  // The group and the answer boxes' font: the font command's test over every window.
  auto& w = testsupport::Mostrata<Form2>();
  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    return CommDlgs::FontChoice{"DejaVu Serif", 190, 400, false, false};
  });
  w.mnuFont->trigger();
  EXPECT_NEAR(w.Label2->x(), (w.Picture1->width() - w.Label2->width()) / 2, 1);
}

TEST_F(TypedAnswers, ReopeningStartsAfresh) {
  auto& w = testsupport::Mostrata<Form6>();
  Rispondi(w, "sbagliato");
  w.BottoneAvanti_Click();
  w.GeneraEsercizio();
  EXPECT_EQ(Module1::Errati, 1);
  w.Unload();
  w.Show();
  EXPECT_EQ(Module1::Errati, 0);
  EXPECT_EQ(w.Griglia->Rows(), 2);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 0), "1");
  EXPECT_EQ(Pannello(w, 2), "Errati");
}

TEST_F(TypedAnswers, MenuKeysWorkWhileTypingAnAnswer) {
  auto& w = testsupport::Mostrata<Form6>();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  w.Text1[0]->setFocus();
  QTest::keyClick(w.Text1[0], Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(w.Griglia->isVisible());
  QTest::keyClick(w.Griglia, Qt::Key_C, Qt::ControlModifier);
  EXPECT_FALSE(w.Griglia->isVisible());
  // Other keys still go to the box.
  QTest::keyClick(w.Text1[0], Qt::Key_A);
  EXPECT_EQ(w.Text1[0]->text(), "a");
}
