#include <QTest>
#include <functional>
#include <ostream>
#include <map>
#include <set>

#include "exercises/sentences/form12_transitive_intransitive.h"
#include "exercises/sentences/form13_predicate.h"
#include "exercises/sentences/form17_active_passive.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "exercises/sentences_fixture.h"
#include "support/exercise_fixture.h"

namespace {

using sentencetest::kAzzurro;
using sentencetest::kRosso;
using sentencetest::kVerde;

struct Tipo {
  const char* nome;
  std::function<DueBottoni&()> finestra;
  std::string file0, file1;  // relative to the program's folder
  std::string riga0, riga1;  // the one line of each file
  QString griglia0, griglia1;  // what the grid's column 1 shows for each
  QString didascalia0, didascalia1;
  QString intestazione1, intestazione2, intestazione3;
};

// A window's case is shown by the window's name.
void PrintTo(const Tipo& t, std::ostream* os) { *os << t.nome; }

const std::vector<Tipo>& Tipi() {
  static const std::vector<Tipo> tipi = {
      {"Form20", [] () -> DueBottoni& { return platform::Instance<Form20>(); }, "testiFosku/6/corrette.txt",
       "testiFosku/6/scorrette.txt", "Oggi piove.", "Noi va al mare.", "Oggi piove.", "Noi va al mare.",
       "Frase corretta", "Frase scorretta", "Frase", "corrette", "scorrette"},
      {"Form12", [] () -> DueBottoni& { return platform::Instance<Form12>(); }, "testiFosku/4/transitivi.txt",
       "testiFosku/4/intransitivi.txt", "leggere", "arrivare", "leggere", "arrivare", "Transitivo", "Intransitivo",
       "Verbo", "Transitivi", "Intransitivi"},
      {"Form17", [] () -> DueBottoni& { return platform::Instance<Form17>(); }, "testiFosku/7/attive.txt",
       "testiFosku/7/passive.txt", "Il cane rincorre la palla.", "La palla è rincorsa dal cane.",
       "Il cane rincorre la palla.", "La palla è rincorsa dal cane.", "Frase attiva", "Frase passiva", "Frase",
       "Attive", "Passiva"},
      {"Form13", [] () -> DueBottoni& { return platform::Instance<Form13>(); }, "testiFosku/5/Verbale.txt",
       "testiFosku/5/nominale.txt", "Il gatto#dorme#sul divano.#", "La zuppa#è calda#oggi.#", "dorme ",
       "è calda ", "Predicato verbale", "Predicato nominale", "Predicato", "Verbali", "nominali"},
  };
  return tipi;
}

class KindTest : public sentencetest::SentenceTest, public ::testing::WithParamInterface<Tipo> {
 protected:
  // The list (0 or 1) of the item on show, read from what the grid row shows.
  int ListaMostrata(DueBottoni& f) {
    const QString t = f.Griglia->TextMatrix(f.RigaItem(), 1);
    if (t == GetParam().griglia0) return 0;
    if (t == GetParam().griglia1) return 1;
    ADD_FAILURE() << "unexpected item " << t.toStdString();
    return -1;
  }
};

TEST_P(KindTest, CaptionsAndGridHeaders) {
  const Tipo& t = GetParam();
  Scrivi(t.file0, {t.riga0});
  Scrivi(t.file1, {t.riga1});
  DueBottoni& f = t.finestra();
  f.Show();
  ASSERT_EQ(f.Command1.size(), 2u);
  EXPECT_EQ(f.Command1[0]->text(), t.didascalia0);
  EXPECT_EQ(f.Command1[1]->text(), t.didascalia1);
  ASSERT_EQ(f.Griglia->Cols(), 5);
  EXPECT_EQ(f.Griglia->TextMatrix(0, 0), "");
  EXPECT_EQ(f.Griglia->TextMatrix(0, 1), t.intestazione1);
  EXPECT_EQ(f.Griglia->TextMatrix(0, 2), t.intestazione2);
  EXPECT_EQ(f.Griglia->TextMatrix(0, 3), t.intestazione3);
  EXPECT_EQ(f.Griglia->TextMatrix(0, 4), "Errori");
  EXPECT_EQ(f.StatusBar1->PanelText(1), "Esatti  0");
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati  0");
  EXPECT_EQ(f.Griglia->Rows(), 2);
  EXPECT_EQ(f.Griglia->TextMatrix(1, 0), "1");
  EXPECT_FALSE(f.BottoneAvanti->isEnabled());
}

TEST_P(KindTest, WrongTwiceThenRightMarksTheRowAndTheCounters) {
  const Tipo& t = GetParam();
  Scrivi(t.file0, {t.riga0});
  Scrivi(t.file1, {t.riga1});
  platform::SeedRandom(7);
  DueBottoni& f = t.finestra();
  f.Show();
  const int giusta = ListaMostrata(f);
  ASSERT_GE(giusta, 0);
  EXPECT_EQ(f.ListaEstratta, giusta);
  const int sbagliata = 1 - giusta;
  const int riga = f.RigaItem();

  QTest::mouseClick(f.Command1[static_cast<size_t>(sbagliata)], Qt::LeftButton);
  EXPECT_EQ(platform::BackColor(f.Command1[static_cast<size_t>(sbagliata)]), kRosso);
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati  1");
  QTest::mouseClick(f.Command1[static_cast<size_t>(sbagliata)], Qt::LeftButton);
  EXPECT_TRUE(f.Command1[0]->isEnabled());
  EXPECT_TRUE(f.Command1[1]->isEnabled());
  EXPECT_FALSE(f.BottoneAvanti->isEnabled());

  QTest::mouseClick(f.Command1[static_cast<size_t>(giusta)], Qt::LeftButton);
  EXPECT_EQ(f.StatusBar1->PanelText(1), "Esatti  1");
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati  2");
  EXPECT_EQ(f.Griglia->TextMatrix(riga, 2 + giusta), "*");
  EXPECT_EQ(f.Griglia->TextMatrix(riga, 2 + sbagliata), "");
  EXPECT_EQ(f.Griglia->TextMatrix(riga, 4), "**");
  EXPECT_EQ(platform::BackColor(f.Command1[static_cast<size_t>(giusta)]), kVerde);
  EXPECT_FALSE(f.Command1[0]->isEnabled());
  EXPECT_FALSE(f.Command1[1]->isEnabled());
  EXPECT_TRUE(f.BottoneAvanti->isEnabled());

  // The buttons are disabled: a further click neither counts nor marks.
  QTest::mouseClick(f.Command1[static_cast<size_t>(sbagliata)], Qt::LeftButton);
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati  2");
  EXPECT_EQ(f.Griglia->TextMatrix(riga, 4), "**");

  // The next item: a new row, both buttons usable and pale cyan again.
  QTest::mouseClick(f.BottoneAvanti, Qt::LeftButton);
  EXPECT_FALSE(f.BottoneAvanti->isEnabled());
  EXPECT_EQ(f.Griglia->Rows(), 3);
  EXPECT_EQ(f.RigaItem(), 2);
  EXPECT_EQ(f.Griglia->TextMatrix(2, 0), "2");
  for (QPushButton* b : f.Command1) {
    EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(platform::BackColor(b), kAzzurro);
  }
  // The earlier row keeps its marks.
  EXPECT_EQ(f.Griglia->TextMatrix(riga, 4), "**");
}

TEST_P(KindTest, RightAtOnceLeavesTheErrorsCellEmpty) {
  const Tipo& t = GetParam();
  Scrivi(t.file0, {t.riga0});
  Scrivi(t.file1, {t.riga1});
  DueBottoni& f = t.finestra();
  f.Show();
  for (int k = 0; k < 6; ++k) {
    const int giusta = ListaMostrata(f);
    ASSERT_GE(giusta, 0);
    QTest::mouseClick(f.Command1[static_cast<size_t>(giusta)], Qt::LeftButton);
    EXPECT_EQ(f.Griglia->TextMatrix(f.RigaItem(), 2 + giusta), "*");
    EXPECT_EQ(f.Griglia->TextMatrix(f.RigaItem(), 4), "");
    QTest::mouseClick(f.BottoneAvanti, Qt::LeftButton);
  }
  EXPECT_EQ(f.StatusBar1->PanelText(1), "Esatti  6");
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati  0");
}

TEST_P(KindTest, MissingFilesAreReportedAndTheButtonsStayOff) {
  DueBottoni& f = GetParam().finestra();
  f.Show();
  ASSERT_EQ(messaggi_.size(), 1);
  const std::string file0 = GetParam().file0.substr(GetParam().file0.rfind('/') + 1);
  EXPECT_NE(messaggi_[0].indexOf(QString::fromStdString(file0)), -1) << messaggi_[0].toStdString();
  EXPECT_FALSE(f.Command1[0]->isEnabled());
  EXPECT_FALSE(f.Command1[1]->isEnabled());
  EXPECT_EQ(f.Griglia->Rows(), 1);
}

TEST_P(KindTest, OneListEmptyDrawsOnlyFromTheOther) {
  const Tipo& t = GetParam();
  Scrivi(t.file0, {"", "   "});
  Scrivi(t.file1, {t.riga1});
  platform::SeedRandom(3);
  DueBottoni& f = t.finestra();
  f.Show();
  for (int k = 0; k < 30; ++k) {
    EXPECT_EQ(ListaMostrata(f), 1);
    f.GeneraEsercizio();
  }
  // The empty list was told once, when the window opened: its file, by its full path.
  ASSERT_EQ(messaggi_.size(), 1);
  EXPECT_TRUE(messaggi_[0].contains(QString::fromStdString("\"" + folder_.path() + "/" + t.file0 + "\" è vuoto")))
      << messaggi_[0].toStdString();
  const std::string file1 = t.file1.substr(t.file1.rfind('/') + 1);
  EXPECT_FALSE(messaggi_[0].contains(QString::fromStdString(file1)));
}

INSTANTIATE_TEST_SUITE_P(Windows, KindTest, ::testing::ValuesIn(Tipi()),
                         [](const ::testing::TestParamInfo<Tipo>& i) { return std::string(i.param.nome); });

using FieldListTest = sentencetest::SentenceTest;

TEST_F(FieldListTest, ACommaLineGivesTwoItemsEachShownByItself) {
  Scrivi("testiFosku/6/corrette.txt", {"Il sole splende, la luna brilla"});
  Scrivi("testiFosku/6/scorrette.txt", {});
  platform::SeedRandom(11);
  auto& f = testsupport::Mostrata<Form20>();
  ASSERT_EQ(f.NumeroPrimaLista, 2);
  EXPECT_EQ(f.PrimaLista[1], "Il sole splende");
  EXPECT_EQ(f.PrimaLista[2], "la luna brilla");
  std::set<QString> visti;
  for (int k = 0; k < 60; ++k) {
    visti.insert(f.Griglia->TextMatrix(f.RigaItem(), 1));
    f.GeneraEsercizio();
  }
  EXPECT_EQ(visti, (std::set<QString>{"Il sole splende", "la luna brilla"}));
}

TEST_F(FieldListTest, BlankItemsTakeRowsButAreNeverShown) {
  Scrivi("testiFosku/7/attive.txt", {"", "   ", "Il vento muove le foglie.", ""});
  Scrivi("testiFosku/7/passive.txt", {"  ", "Le foglie sono mosse dal vento."});
  platform::SeedRandom(5);
  auto& f = testsupport::Mostrata<Form17>();
  EXPECT_EQ(f.NumeroPrimaLista, 4);
  EXPECT_EQ(f.NumeroSecondaLista, 2);
  std::map<QString, int> visti;
  for (int k = 0; k < 200; ++k) {
    ++visti[f.Griglia->TextMatrix(f.RigaItem(), 1)];
    f.GeneraEsercizio();
  }
  ASSERT_EQ(visti.size(), 2u);
  EXPECT_GT(visti["Il vento muove le foglie."], 0);
  EXPECT_GT(visti["Le foglie sono mosse dal vento."], 0);
}

TEST_F(FieldListTest, BothListsAreDrawnAboutEquallyWhateverTheirLengths) {
  std::vector<std::string> lunga;
  for (int i = 1; i <= 400; ++i) lunga.push_back("verbo" + std::to_string(i));
  Scrivi("testiFosku/4/transitivi.txt", {"mangiare"});
  Scrivi("testiFosku/4/intransitivi.txt", lunga);
  platform::SeedRandom(2024);
  auto& f = testsupport::Mostrata<Form12>();
  ASSERT_EQ(f.NumeroSecondaLista, 400);
  int corto = 0;
  const int prove = 2000;
  for (int k = 0; k < prove; ++k) {
    if (f.Griglia->TextMatrix(f.RigaItem(), 1) == "mangiare") ++corto;
    f.GeneraEsercizio();
  }
  EXPECT_NEAR(static_cast<double>(corto) / prove, 0.5, 0.05);
}

TEST_F(FieldListTest, ListsStopAtTheirCapacity) {
  std::vector<std::string> molte;
  for (int i = 1; i <= 520; ++i) molte.push_back("verbo" + std::to_string(i));
  Scrivi("testiFosku/4/transitivi.txt", molte);
  Scrivi("testiFosku/4/intransitivi.txt", {"correre"});
  auto& f = testsupport::Mostrata<Form12>();
  EXPECT_EQ(f.NumeroPrimaLista, DueBottoni::kCapacita);
  EXPECT_EQ(f.PrimaLista.back(), "verbo500");
}

}  // namespace
