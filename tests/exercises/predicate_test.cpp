#include <QTest>
#include <set>

#include "exercises/sentences/form13_predicate.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/fontfit.h"
#include "support/ink.h"
#include "support/pixels.h"
#include "exercises/sentences_fixture.h"
#include "support/exercise_fixture.h"

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

// Pixels of the predicate's red among the sentence's letters.
int PixelRossi(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QColor c(img.pixel(x, y));
      n += c.red() > 200 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
    }
  }
  return n;
}

// The whole sentence lies inside its frame, centred, its predicate in red: the label holds all
// of its text, and on the frame's pixels no letter touches the frame's edges.
void ControllaFrase(Form13& f) {
  const QRect r = f.Label2->geometry();
  EXPECT_TRUE(f.Picture1->contentsRect().contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
  EXPECT_NEAR(r.x() + r.width() / 2.0, f.Picture1->width() / 2.0, 1.0);
  EXPECT_NEAR(r.y() + r.height() / 2.0, f.Picture1->height() / 2.0, 1.0);
  if (f.Label2->wordWrap()) {
    EXPECT_LE(f.Label2->heightForWidth(r.width()), r.height());
  } else {
    EXPECT_LE(f.Label2->sizeHint().width(), r.width());
  }
  const QImage img = testsupport::Rendered(f.Picture1);
  const QRect dentro = f.Picture1->contentsRect().adjusted(1, 1, -1, -1);
  const QRect ink = testsupport::InkBox(img, dentro);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GT(ink.left(), dentro.left());
  EXPECT_LT(ink.right(), dentro.right());
  EXPECT_GT(ink.top(), dentro.top());
  EXPECT_LT(ink.bottom(), dentro.bottom());
  EXPECT_GT(PixelRossi(img), 20) << "the predicate in red";
}

TEST_F(Form13Test, ShowsTheSentenceWithTheRedPredicate) {
  Scrivi("testiFosku/5/Verbale.txt", {"Il gatto#dorme#sul divano.#"});
  Scrivi("testiFosku/5/nominale.txt", {});
  auto& f = Finestra();
  f.Show();
  EXPECT_EQ(f.Parti, (std::array<QString, 3>{"Il gatto ", "dorme ", "sul divano."}));
  EXPECT_TRUE(f.Label2->isVisible());
  EXPECT_FALSE(f.Label2->text().contains('#'));
  EXPECT_EQ(f.Griglia->TextMatrix(1, 1), "dorme ");
  EXPECT_EQ(f.ListaEstratta, 0);
  EXPECT_EQ(f.Label2->font().family(), QString::fromStdString(ModuloPerIni::Impostazioni.NomeFont[3]));
  EXPECT_EQ(f.Label2->font().pointSize(), ModuloPerIni::Impostazioni.DimensioneFont[3]);
  EXPECT_FALSE(f.Label2->wordWrap()) << "a short sentence stands on one line";
  ControllaFrase(f);
  // Only the predicate is red: without it no red is left.
  f.Label2->setText(f.Parti[0] + f.Parti[1] + f.Parti[2]);
  EXPECT_EQ(PixelRossi(testsupport::Rendered(f.Picture1)), 0);
  f.GeneraEsercizio();

  // After a resize the sentence is centred again.
  testsupport::Scala(f, 0.6, 0.7);
  ControllaFrase(f);
}

// A teacher's long line shows whole, the predicate at its end included: wrapped at blanks, and
// smaller than the chosen size only when wrapping is not enough, in a small window too.
TEST_F(Form13Test, ALongSentenceFitsItsFrame) {
  const std::string soggetto = "Il nonno di Luca, che abita da molti anni nella casa gialla in fondo alla via del mercato,";
  std::string lunghissimo;
  for (int i = 0; i < 16; ++i) lunghissimo += "ogni mattina, con il suo cane e con la bicicletta nuova, ";
  struct Caso {
    const char* nome;
    std::string riga;
    double scala;  // of the window
    bool piuPiccolo;  // the size chosen is too big even wrapped
  };
  const std::vector<Caso> casi = {
      {"long subject", soggetto + "#va#al mercato.#", 1.0, false},
      {"long subject, small window", soggetto + "#va#al mercato.#", 0.5, true},
      {"a paragraph", "Il nonno#va#" + lunghissimo + "#", 1.0, true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    Scrivi("testiFosku/5/Verbale.txt", {c.riga});
    Scrivi("testiFosku/5/nominale.txt", {});
    auto& f = Finestra();
    f.Show();
    if (c.scala != 1.0) testsupport::Scala(f, c.scala, c.scala);
    EXPECT_TRUE(f.Label2->wordWrap());
    const int scelta = ModuloPerIni::Impostazioni.DimensioneFont[3];
    if (c.piuPiccolo) {
      EXPECT_LT(f.Label2->font().pointSize(), scelta);
      EXPECT_GE(f.Label2->font().pointSize(), Form13::kPuntiMinimi);
    } else {
      EXPECT_EQ(f.Label2->font().pointSize(), scelta);
    }
    ControllaFrase(f);
    f.Unload();
  }
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
    visti.insert(f.Parti[1]);
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
  // The group and the sentence's font: the font command's test over every window.
  ControllaFrase(f);
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
  ControllaFrase(f);
}

}  // namespace
