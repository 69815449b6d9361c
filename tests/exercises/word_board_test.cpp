#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>
#include <set>

#include "conjugation/verb_lists.h"
#include "exercise_window/contatori.h"
#include "exercises/sentences/form15_person.h"
#include "exercises/sentences/form9_recognise_verb.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "support/exercise_fixture.h"
#include "support/shipped_data.h"
#include "support/temp_dirs.h"

namespace {

const QColor kVerde(0, 192, 0), kRosso(255, 0, 0), kBianco(255, 255, 255), kVerdeChiaro(128, 255, 128),
    kGrigio(224, 224, 224);

class WordBoards : public testsupport::ExerciseTest {
 protected:
  void Scrivi(const std::string& relative, const std::vector<std::string>& righe) {
    std::string bytes;
    for (const auto& r : righe) bytes += platform::EncodeCp1252(r) + "\r\n";
    programma.Write(relative, bytes);
  }
  static QStringList Testi(TavolaParole& w) {
    QStringList t;
    for (auto* l : w.Label3) t << l->text();
    return t;
  }
  testsupport::TempProgramFolder programma;
};

}  // namespace

TEST_F(WordBoards, SentenceLinesAndTags) {
  struct Caso {
    std::string riga;
    std::vector<std::pair<QString, bool>> pezzi;  // text, predicate
  };
  const std::vector<Caso> casi = {
      {"il gatto#0#dorme#1#sul divano#0#", {{"Il gatto", false}, {"dorme", true}, {"sul divano", false}}},
      {"il gatto#0#dorme", {{"Il gatto", false}}},  // the text after the last "#" is lost
      {"[io]#0#mangio#1#la mela#0#", {{"[io]", false}, {"mangio", true}, {"la mela", false}}},
      {"  a b # 01 #c# 1.0 #d# 1 #e#2#f##g#uno#", {{"A b", true}, {"c", true}, {"d", true}, {"e", false},
                                                  {"f", false}, {"g", false}}},
      {"a#1#b#", {{"A", true}, {"b", false}}},  // a chunk without its tag is not the predicate
      {"", {}},
      {"senza cancelletti", {}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.riga);
    const auto pezzi = AnalizzaPezzi(c.riga);
    ASSERT_EQ(pezzi.size(), c.pezzi.size());
    for (size_t i = 0; i < pezzi.size(); ++i) {
      EXPECT_EQ(pezzi[i].testo, c.pezzi[i].first);
      EXPECT_EQ(pezzi[i].predicato(), c.pezzi[i].second) << i;
    }
  }
  EXPECT_EQ(ValoreEtichetta("1abc"), 1.0);
  EXPECT_EQ(ValoreEtichetta("1.0.5"), 1.0);
  EXPECT_EQ(ValoreEtichetta("uno"), 0.0);
}

TEST_F(WordBoards, ClickingThePredicate) {
  Scrivi("testiFosku/3/liv1.txt", {"", "il gatto#0#dorme#1#sul divano#0#"});
  auto& w = testsupport::Mostrata<Form9>();
  ASSERT_EQ(w.NumeroFrasi, 2);
  EXPECT_EQ(CostruisciFosku::IndiceEstratto, 2);  // the blank line keeps its row and is never drawn
  EXPECT_EQ(Testi(w), (QStringList{"Il gatto ", "dorme ", "sul divano "}));
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti 0");
  EXPECT_TRUE(w.StatusBar1->Panel(3)->isHidden());
  EXPECT_FALSE(w.mnuLivelli->menuAction()->isEnabled());
  // The words follow one another on one line.
  EXPECT_EQ(w.Label3[1]->x(), w.Label3[0]->x() + w.Label3[0]->width());
  EXPECT_EQ(w.Label3[2]->y(), w.Label3[0]->y());

  QTest::mouseClick(w.Label3[2], Qt::LeftButton);
  QTest::mouseClick(w.Label3[2], Qt::LeftButton);
  EXPECT_EQ(Module1::Errati, 2);
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati 2");
  EXPECT_EQ(platform::BackColor(w.Label3[2]), kRosso);
  ASSERT_EQ(w.Griglia->Rows(), 3);
  for (int r = 1; r <= 2; ++r) {
    EXPECT_EQ(w.Griglia->TextMatrix(r, 0), QString::number(r));
    EXPECT_EQ(w.Griglia->TextMatrix(r, 1), "1");
    EXPECT_EQ(w.Griglia->TextMatrix(r, 2), "Il gatto dorme sul divano ");
    EXPECT_EQ(w.Griglia->TextMatrix(r, 3), "sul divano ");
  }
  QTest::mouseClick(w.Label3[1], Qt::LeftButton);
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(platform::BackColor(w.Label3[1]), kVerde);
  EXPECT_EQ(w.Griglia->Rows(), 4);
  EXPECT_EQ(w.Griglia->TextMatrix(3, 3), "");
  EXPECT_FALSE(w.StatusBar1->Panel(3)->isHidden());
  EXPECT_TRUE(w.mnuLivelli->menuAction()->isEnabled());
  EXPECT_TRUE(Played("si"));
  // Answered: no word reacts any more.
  QTest::mouseClick(w.Label3[0], Qt::LeftButton);
  QTest::mouseClick(w.Label3[1], Qt::LeftButton);
  EXPECT_EQ(Module1::Errati + Module1::Esatti, 3);

  // Only the "Avanti" panel draws the next sentence: the pupil clicks the panels themselves.
  QTest::mouseClick(w.StatusBar1->Panel(1), Qt::LeftButton);
  QTest::mouseClick(w.StatusBar1->Panel(2), Qt::LeftButton);
  EXPECT_FALSE(w.StatusBar1->Panel(3)->isHidden());
  EXPECT_EQ(w.Griglia->Rows(), 4);
  QTest::mouseClick(w.StatusBar1->Panel(3), Qt::LeftButton);
  EXPECT_TRUE(w.StatusBar1->Panel(3)->isHidden());
  EXPECT_EQ(platform::BackColor(w.Label3[0]), kBianco);
  for (auto* l : w.Label3) EXPECT_TRUE(l->isEnabled());
  w.StatusBar1_PanelClick(3);  // hidden: nothing
  EXPECT_EQ(w.Griglia->Rows(), 4);
}

TEST_F(WordBoards, HiddenChunksAndWrapping) {
  Scrivi("testiFosku/3/liv1.txt", {"[io]#0#mangio#1#la mela#0#"});
  std::string lunga;
  for (int i = 0; i < 40; ++i) lunga += "parola" + std::to_string(i) + (i == 5 ? "#1#" : "#0#");
  Scrivi("testiFosku/3/liv2.txt", {lunga});
  auto& w = testsupport::Mostrata<Form9>();
  EXPECT_TRUE(w.Label3[0]->isHidden());
  EXPECT_EQ(w.Label3[0]->width(), 0);
  // The first word shown begins the sentence with its capital.
  EXPECT_EQ(Testi(w), (QStringList{"", "Mangio ", "la mela "}));
  EXPECT_EQ(w.Label3[1]->x(), w.Label3[0]->x());  // the hidden chunk takes no room

  QTest::mouseClick(w.Label3[2], Qt::LeftButton);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 2), "Mangio la mela ");
  w.mnuliv_Click(2);  // not yet answered: the menu is disabled, but the choice still works from code
  EXPECT_EQ(w.Livello, 2);
  EXPECT_TRUE(w.mnuliv[2]->isChecked());
  EXPECT_FALSE(w.mnuliv[1]->isChecked());
  ASSERT_EQ(w.Label3.size(), 40u);
  const int limite = w.Surface()->width();
  int righe = 1;
  for (size_t k = 1; k < w.Label3.size(); ++k) {
    const QWidget* prima = w.Label3[k - 1];
    const QWidget* l = w.Label3[k];
    EXPECT_LT(l->x() + l->width(), limite) << k;
    if (l->y() != prima->y()) {
      ++righe;
      EXPECT_EQ(l->x(), w.Label3[0]->x()) << k;
      EXPECT_EQ(l->y(), prima->y() + 2 * l->height()) << k;
    } else {
      EXPECT_EQ(l->x(), prima->x() + prima->width()) << k;
    }
  }
  EXPECT_GE(righe, 2);
  QTest::mouseClick(w.Label3[5], Qt::LeftButton);
  EXPECT_EQ(w.Griglia->TextMatrix(w.Griglia->Rows() - 1, 1), "2");
}

TEST_F(WordBoards, TheFontCommandLaysTheWordsOutAgain) {
  Scrivi("testiFosku/3/liv1.txt", {"il gatto#0#dorme#1#sul divano#0#"});
  auto& w = testsupport::Mostrata<Form9>();
  EXPECT_EQ(w.Label3[1]->font().pointSize(), ModuloPerIni::Impostazioni.DimensioneFont[4]);
  EXPECT_TRUE(w.Label3[1]->font().bold());
  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    return CommDlgs::FontChoice{"DejaVu Serif", 300, 400, false, false};
  });
  w.mnuFont->trigger();
  // The group and the size the words take: the font command's test over every window.
  for (auto* l : w.Label3) EXPECT_TRUE(l->font().bold());
  EXPECT_EQ(w.Label3[2]->x(), w.Label3[1]->x() + w.Label3[1]->width());
}

TEST_F(WordBoards, MenusOfTheWordWindows) {
  Scrivi("testiFosku/3/liv1.txt", {"il gatto#0#dorme#1#"});
  auto& w = testsupport::Mostrata<Form9>();
  EXPECT_EQ(w.mnuUtil->title(), "Utilità     ");
  EXPECT_EQ(w.mnuAzzera->text(), "&Azzera conteggio     ");
  EXPECT_TRUE(w.mnuFont->shortcut().isEmpty());
  // The level menu stands between the reset command and the return.
  const auto barra = w.menuBar()->actions();
  EXPECT_EQ(barra.indexOf(w.mnuLivelli->menuAction()), barra.indexOf(w.mnuAzzera) + 1);
  EXPECT_EQ(barra.indexOf(w.mnuEsci), barra.indexOf(w.mnuAzzera) + 2);
  EXPECT_EQ(w.mnuVisual->text(), "visualizza");
  EXPECT_EQ(w.mnuStamp->text(), "stampa");
  EXPECT_EQ(w.mnuChiudi->text(), "chiudi griglia");
  EXPECT_EQ(w.mnuLivelli->title(), "&Esercizio     ");
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(w.mnuliv[static_cast<size_t>(i)]->text(), QStringLiteral("livello %1").arg(i));
    EXPECT_EQ(w.mnuliv[static_cast<size_t>(i)]->shortcut(), QKeySequence(QStringLiteral("F%1").arg(i)));
  }
  w.mnuVisual->trigger();
  EXPECT_FALSE(w.mnuLivelli->menuAction()->isVisible());
  w.mnuChiudi->trigger();
  EXPECT_TRUE(w.mnuLivelli->menuAction()->isVisible());
  w.mnuAzzera->trigger();
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati 0");
}

TEST_F(WordBoards, MissingLevelFilesNeverHang) {
  Scrivi("testiFosku/3/liv1.txt", {"   ", "senza cancelletti"});
  auto& w = testsupport::Mostrata<Form9>();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("liv1.txt"));
  EXPECT_TRUE(w.mnuLivelli->menuAction()->isEnabled());  // another level can be chosen
  Scrivi("testiFosku/3/liv4.txt", {"il gatto#0#dorme#1#"});
  w.mnuliv[4]->trigger();
  EXPECT_EQ(Testi(w), (QStringList{"Il gatto ", "dorme "}));
  QTest::mouseClick(w.Label3[1], Qt::LeftButton);
  // A level with nothing to show is not taken: the level in use keeps its check mark and its
  // sentence, and goes on.
  Scrivi("testiFosku/3/liv3.txt", {"  ", ""});
  for (int livello : {5, 3}) {  // a missing file, a file of blank lines
    SCOPED_TRACE(livello);
    const auto prima = messages.size();
    w.mnuliv[static_cast<size_t>(livello)]->trigger();
    ASSERT_EQ(messages.size(), prima + 1);
    EXPECT_TRUE(messages.back().contains(QStringLiteral("liv%1.txt").arg(livello)));
    EXPECT_EQ(w.Livello, 4);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(w.mnuliv[static_cast<size_t>(i)]->isChecked(), i == 4) << i;
    EXPECT_EQ(Testi(w), (QStringList{"Il gatto ", "dorme "}));
    EXPECT_FALSE(w.StatusBar1->Panel(3)->isHidden());
  }
  w.StatusBar1_PanelClick(3);
  EXPECT_EQ(Testi(w), (QStringList{"Il gatto ", "dorme "}));
  EXPECT_EQ(w.Griglia->TextMatrix(w.Griglia->Rows() - 1, 1), "4");
}

TEST_F(WordBoards, ThePersonOfTheVerb) {
  struct Caso {
    const char* soggetto;
    int bottone;  // the one right button, -1 for none
  };
  const std::vector<Caso> casi = {
      {"io", 0},   {"tu", 1},   {"egli", 2}, {"esso", 2}, {"Lui", 2},  {"ella", 2},  {"essa", 2},
      {"LEI", 2},  {"noi", 3},  {"voi", 4},  {"essi", 5}, {"esse", 5}, {"Loro", 5},
  };
  auto& w = platform::Instance<Form15>();
  for (const Caso& c : casi) {
    for (int b = 0; b < 6; ++b) {
      SCOPED_TRACE(std::string(c.soggetto) + " " + std::to_string(b));
      Scrivi("testiFosku/3/sottinteso.txt", {std::string("[") + c.soggetto + "]#0#mangia#1#la mela#0#"});
      w.Show();
      Module1::Esatti = Module1::Errati = 0;
      w.Command1_Click(b);
      EXPECT_EQ(Module1::Esatti, b == c.bottone ? 1 : 0);
      EXPECT_EQ(Module1::Errati, b == c.bottone ? 0 : 1);
      w.Unload();
    }
  }
}

TEST_F(WordBoards, ARightPersonShowsTheSubject) {
  Scrivi("testiFosku/3/sottinteso.txt", {"[noi]#0#andiamo#1#al mare#0#"});
  auto& w = testsupport::Mostrata<Form15>();
  EXPECT_EQ(w.Label1->text(), "Riconosci la persona del verbo");
  EXPECT_TRUE(w.Label3[0]->isHidden());
  EXPECT_EQ(w.Label3[1]->x(), w.Label3[0]->x());
  for (QPushButton* b : w.Command1) EXPECT_EQ(platform::BackColor(b), kGrigio);
  EXPECT_EQ(w.Command1[2]->text(), "egli - esso - ella - essa");

  w.Command1_Click(4);
  w.Command1_Click(4);
  EXPECT_EQ(Module1::Errati, 2);
  EXPECT_EQ(platform::BackColor(w.Command1[4]), kRosso);
  EXPECT_TRUE(w.Command1[4]->isEnabled());
  EXPECT_EQ(w.Griglia->TextMatrix(2, 1), "Andiamo al mare ");
  EXPECT_EQ(w.Griglia->TextMatrix(2, 2), "voi");

  w.Command1_Click(3);
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti 1");
  EXPECT_FALSE(w.Label3[0]->isHidden());
  EXPECT_EQ(w.Label3[0]->text(), "Noi ");  // the sentence still begins with a capital
  EXPECT_EQ(platform::BackColor(w.Label3[0]), kVerdeChiaro);
  EXPECT_EQ(w.Label3[1]->x(), w.Label3[0]->x() + w.Label3[0]->width());  // the sentence moves over
  for (QPushButton* b : w.Command1) EXPECT_FALSE(b->isEnabled());
  EXPECT_EQ(platform::BackColor(w.Command1[3]), kGrigio);
  EXPECT_EQ(w.Griglia->TextMatrix(3, 1), "Andiamo al mare ");  // never the subject
  EXPECT_EQ(w.Griglia->TextMatrix(3, 2), "");
  EXPECT_FALSE(w.StatusBar1->Panel(3)->isHidden());
  QTest::mouseClick(w.StatusBar1->Panel(2), Qt::LeftButton);
  EXPECT_FALSE(w.Command1[0]->isEnabled()) << "only \"Avanti\" goes on";
  QTest::mouseClick(w.StatusBar1->Panel(3), Qt::LeftButton);
  for (QPushButton* b : w.Command1) EXPECT_TRUE(b->isEnabled());
  EXPECT_TRUE(w.Label3[0]->isHidden());
}

TEST_F(WordBoards, ASentenceWithoutSubjectOrWithoutFile) {
  // A sentence without a hidden subject is never drawn: no person could be right.
  Scrivi("testiFosku/3/sottinteso.txt", {"piove#1#"});
  auto& w = testsupport::Mostrata<Form15>();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("sottinteso.txt\" non ha nessuna riga utilizzabile")) << messages[0].toStdString();
  for (QPushButton* b : w.Command1) EXPECT_FALSE(b->isEnabled());
  w.Unload();

  testsupport::TempProgramFolder vuota;
  w.Show();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[1].contains("manca il file")) << messages[1].toStdString();
  EXPECT_TRUE(messages[1].contains("sottinteso.txt"));
  for (QPushButton* b : w.Command1) EXPECT_FALSE(b->isEnabled());
}

TEST_F(WordBoards, ShippedSentenceFiles) {
  testsupport::TempProgramFolder shipped(true);
  const std::set<QString> soggetti = {"io", "tu", "egli", "esso", "lui", "ella", "essa", "lei",
                                      "noi", "voi", "essi", "esse", "loro"};
  std::vector<std::string> files;
  for (int l = 1; l <= 5; ++l) files.push_back("liv" + std::to_string(l) + ".txt");
  files.push_back("sottinteso.txt");
  for (const auto& nome : files) {
    const std::string file = shipped.path() + "/testiFosku/3/" + nome;
    SCOPED_TRACE(file);
    const auto righe = testsupport::RigheSpedite(file);
    EXPECT_GE(righe.size(), 20u);
    for (const auto& r : righe) {
      const auto pezzi = AnalizzaPezzi(r);
      ASSERT_FALSE(pezzi.empty()) << r;
      int predicati = 0, nascosti = 0;
      for (const auto& p : pezzi) {
        EXPECT_FALSE(p.testo.isEmpty()) << r;
        if (p.nascosto()) {
          ++nascosti;
          if (nome == "sottinteso.txt") {
            EXPECT_TRUE(soggetti.count(p.testo.mid(1, p.testo.size() - 2).toLower())) << r;
          }
        } else if (p.predicato()) {
          ++predicati;
        }
      }
      EXPECT_GE(predicati, 1) << r;  // every sentence can be answered
      if (nome == "sottinteso.txt") {
        EXPECT_EQ(nascosti, 1) << r;
      }
    }
  }
}

TEST_F(WordBoards, LevelsAfterARightAnswerAndBlankRows) {
  Scrivi("testiFosku/3/liv1.txt", {"uno#0#due#0#", "il gatto#0#dorme#1#"});
  Scrivi("testiFosku/3/liv2.txt", {"il cane#0#abbaia#1#", "   "});
  auto& w = testsupport::Mostrata<Form9>();
  // A sentence with no predicate could only be answered wrong: its row is never drawn.
  for (int n = 0; n < 20; ++n) {
    EXPECT_EQ(CostruisciFosku::IndiceEstratto, 2);
    w.mnuliv_Click(1);
  }
  EXPECT_TRUE(messages.isEmpty());

  // A right answer, then a level chosen while "Avanti" is shown: a sentence of the new level waits.
  QTest::mouseClick(w.Label3[1], Qt::LeftButton);
  ASSERT_FALSE(w.StatusBar1->Panel(3)->isHidden());
  for (int n = 0; n < 20; ++n) {
    w.mnuliv_Click(2);
    // Row 2 of level 2 is blank: never drawn, though level 1 had a sentence there.
    EXPECT_EQ(CostruisciFosku::IndiceEstratto, 1);
    EXPECT_EQ(Testi(w), (QStringList{"Il cane ", "abbaia "}));
    EXPECT_TRUE(w.StatusBar1->Panel(3)->isHidden());
    EXPECT_FALSE(w.mnuLivelli->menuAction()->isEnabled());
    for (auto* l : w.Label3) EXPECT_TRUE(l->isEnabled());
  }
}

TEST_F(WordBoards, GridLayoutOfBothWindows) {
  Scrivi("testiFosku/3/liv1.txt", {"il gatto#0#dorme#1#"});
  Scrivi("testiFosku/3/sottinteso.txt", {"[noi]#0#andiamo#1#"});
  struct Caso {
    TavolaParole* w;
    std::vector<QString> intestazioni;
    std::vector<int> fattori;
    std::set<int> colonneCentrate, intestazioniCentrate;
  };
  for (const Caso& c : {Caso{&platform::Instance<Form9>(), {"", "liv.", "frase", "errori"}, {1, 1, 12, 5}, {0, 1, 3}, {2, 3}},
                        Caso{&platform::Instance<Form15>(), {"", "frase", "errori"}, {1, 13, 5}, {0, 2}, {1, 2}}}) {
    TavolaParole& w = *c.w;
    SCOPED_TRACE(w.Config().titolo.toStdString());
    w.Show();
    if (auto* f9 = dynamic_cast<Form9*>(&w)) {
      QTest::mouseClick(f9->Label3[0], Qt::LeftButton);
    } else {
      dynamic_cast<Form15&>(w).Command1_Click(0);
    }
    ASSERT_EQ(w.Griglia->Cols(), static_cast<int>(c.intestazioni.size()));
    ASSERT_EQ(w.Griglia->Rows(), 2);
    const long u = platform::RoundHalfEven(w.Width()) / 36;
    for (int k = 0; k < w.Griglia->Cols(); ++k) {
      EXPECT_EQ(w.Griglia->TextMatrix(0, k), c.intestazioni[static_cast<size_t>(k)]);
      EXPECT_EQ(w.Griglia->ColWidth(k), c.fattori[static_cast<size_t>(k)] * u);
      EXPECT_EQ(w.Griglia->item(0, k)->textAlignment() == Qt::AlignCenter, c.intestazioniCentrate.count(k) == 1) << k;
      EXPECT_EQ(w.Griglia->item(1, k)->textAlignment() == Qt::AlignCenter, c.colonneCentrate.count(k) == 1) << k;
    }
    w.Unload();
  }
}
