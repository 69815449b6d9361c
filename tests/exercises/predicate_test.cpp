#include <QTest>
#include <set>

#include "exercises/sentences/form13_predicate.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/fontfit.h"
#include "exercises/sentences_fixture.h"

namespace {

struct Divisione {
  const char* riga;
  bool valida;
  const char* prima;
  const char* predicato;
  const char* dopo;
};

class DividiFraseTest : public ::testing::TestWithParam<Divisione> {};

TEST_P(DividiFraseTest, SplitsBeforePredicateAfterAndDropsTheTerminator) {
  const Divisione& d = GetParam();
  const auto parti = DividiFrase(QString::fromUtf8(d.riga));
  ASSERT_EQ(parti.has_value(), d.valida) << d.riga;
  if (!parti) return;
  EXPECT_EQ((*parti)[0], QString::fromUtf8(d.prima));
  EXPECT_EQ((*parti)[1], QString::fromUtf8(d.predicato));
  EXPECT_EQ((*parti)[2], QString::fromUtf8(d.dopo));
}

INSTANTIATE_TEST_SUITE_P(
    Righe, DividiFraseTest,
    ::testing::Values(Divisione{"Il gatto#dorme#sul divano.#", true, "Il gatto ", "dorme ", "sul divano."},
                      Divisione{"Il cielo#è azzurro#oggi.#", true, "Il cielo ", "è azzurro ", "oggi."},
                      // the terminator is dropped whatever it is
                      Divisione{"Luca#corre#veloce.", true, "Luca ", "corre ", "veloce"},
                      // nothing before the predicate: a single blank
                      Divisione{"#Piove#forte.#", true, " ", "Piove ", "forte."},
                      // nothing after it
                      Divisione{"La neve#cade##", true, "La neve ", "cade ", ""},
                      // commas belong to the sentence
                      Divisione{"Di sera, se fa caldo,#usciamo#in giardino, insieme.#", true,
                                "Di sera, se fa caldo, ", "usciamo ", "in giardino, insieme."},
                      // the second "#" must come before the last character
                      Divisione{"Il sole#splende#", false, "", "", ""},
                      Divisione{"Una frase senza segni.", false, "", "", ""},
                      Divisione{"Solo un#segno.", false, "", "", ""},
                      Divisione{"#", false, "", "", ""}, Divisione{"", false, "", "", ""}));

using Form13Test = sentencetest::SentenceTest;

Form13& Finestra() { return platform::Instance<Form13>(); }

// The three labels stand side by side on one line and the line is centred in the frame.
void ControllaRiga(Form13& f) {
  auto& l = f.Label2;
  EXPECT_EQ(l[1]->x(), l[0]->x() + l[0]->width());
  EXPECT_EQ(l[2]->x(), l[1]->x() + l[1]->width());
  EXPECT_EQ(l[0]->y(), l[1]->y());
  EXPECT_EQ(l[0]->y(), l[2]->y());
  const int totale = l[0]->width() + l[1]->width() + l[2]->width();
  EXPECT_NEAR(l[0]->x() + totale / 2.0, f.Picture1->width() / 2.0, 1.0);
  EXPECT_NEAR(l[0]->y() + l[0]->height() / 2.0, f.Picture1->height() / 2.0, 1.0);
}

TEST_F(Form13Test, ShowsTheSentenceInThreeLabelsWithTheRedPredicate) {
  Scrivi("testiFosku/5/Verbale.txt", {"Il gatto#dorme#sul divano.#"});
  Scrivi("testiFosku/5/nominale.txt", {});
  auto& f = Finestra();
  f.Show();
  EXPECT_EQ(f.Label2[0]->text(), "Il gatto ");
  EXPECT_EQ(f.Label2[1]->text(), "dorme ");
  EXPECT_EQ(f.Label2[2]->text(), "sul divano.");
  for (QLabel* l : f.Label2) {
    EXPECT_FALSE(l->text().contains('#'));
    EXPECT_TRUE(l->isVisible());
  }
  EXPECT_EQ(platform::ForeColor(f.Label2[1]), QColor(255, 0, 0));
  EXPECT_NE(platform::ForeColor(f.Label2[0]), QColor(255, 0, 0));
  EXPECT_NE(platform::ForeColor(f.Label2[2]), QColor(255, 0, 0));
  EXPECT_EQ(f.Griglia->TextMatrix(1, 1), "dorme ");
  EXPECT_EQ(f.ListaEstratta, 0);
  for (QLabel* l : f.Label2) {
    EXPECT_EQ(l->font().family(), QString::fromStdString(ModuloPerIni::Impostazioni.NomeFont[3]));
    EXPECT_EQ(l->font().pointSize(), ModuloPerIni::Impostazioni.DimensioneFont[3]);
  }
  ControllaRiga(f);

  // After a resize the sentence is centred again.
  f.SetWidth(f.Width() * 0.6);
  f.SetHeight(f.Height() * 0.7);
  QCoreApplication::processEvents();
  ControllaRiga(f);
}

TEST_F(Form13Test, LinesThatCannotBeSplitAreEmptyRowsAndNeverShown) {
  Scrivi("testiFosku/5/Verbale.txt", {"Una riga senza segni.", "", "Il fiume#scorre#lento.#", "  "});
  Scrivi("testiFosku/5/nominale.txt", {"Il pane#è#fresco", "Solo#uno."});
  platform::SeedRandom(9);
  auto& f = Finestra();
  f.Show();
  ASSERT_EQ(f.NumeroPrimaLista, 4);
  ASSERT_EQ(f.NumeroSecondaLista, 2);
  EXPECT_EQ(f.PrimaLista[1], "");
  EXPECT_EQ(f.PrimaLista[3], "Il fiume#scorre#lento.#");
  EXPECT_EQ(f.SecondaLista[1], "Il pane#è#fresco");
  EXPECT_EQ(f.SecondaLista[2], "");
  std::set<QString> visti;
  for (int k = 0; k < 80; ++k) {
    visti.insert(f.Label2[1]->text());
    f.GeneraEsercizio();
  }
  EXPECT_EQ(visti, (std::set<QString>{"scorre ", "è "}));
  EXPECT_TRUE(messaggi_.isEmpty());
}

TEST_F(Form13Test, FontCommandKeepsTheRowAndRefitsTheButtons) {
  Scrivi("testiFosku/5/Verbale.txt", {"Il gatto#dorme#sul divano.#"});
  Scrivi("testiFosku/5/nominale.txt", {});
  auto& f = Finestra();
  f.Show();
  const QString nome = QStringLiteral("DejaVu Serif");
  CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest&) {
    CommDlgs::FontChoice c;
    c.name = nome;
    c.pointSizeTenths = 140;
    return std::optional<CommDlgs::FontChoice>(c);
  });
  f.mnuFont->trigger();
  // The group and the three labels' font: the font command's test over every window.
  ControllaRiga(f);
  const int atteso =
      FontFit::FitPointSize(nome, QStringLiteral(" 1° coniugazione  "), platform::TwipsRect(f.Command1[0]).width());
  for (QPushButton* b : f.Command1) {
    EXPECT_EQ(b->font().family(), nome);
    EXPECT_EQ(b->font().pointSize(), atteso);
  }
  EXPECT_EQ(f.Command1[0]->text(), "Predicato verbale");
  EXPECT_EQ(f.Command1[1]->text(), "Predicato nominale");
}

TEST_F(Form13Test, CancellingTheFontDialogStillRefitsTheButtons) {
  Scrivi("testiFosku/5/Verbale.txt", {"Il gatto#dorme#sul divano.#"});
  Scrivi("testiFosku/5/nominale.txt", {});
  auto& f = Finestra();
  f.Show();
  const int adatta = f.Command1[0]->font().pointSize();
  for (QPushButton* b : f.Command1) b->setFont(QFont(QStringLiteral("Arial"), 3));
  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) { return std::optional<CommDlgs::FontChoice>(); });
  f.mnuFont->trigger();
  for (QPushButton* b : f.Command1) EXPECT_EQ(b->font().pointSize(), adatta);
  ControllaRiga(f);
}

}  // namespace
