#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <memory>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/fontfit.h"
#include "settings/moduloperini.h"
#include "support/ink.h"
#include "support/pixels.h"
#include "support/recording_surface.h"
#include "support/temp_dirs.h"
#include "tables/form3_conjugation_tables.h"

namespace {

using CostruisciFosku::VerboRegolare;

// The kind option of each class: 0 -are, 1 -ere, 2 -ire, 3 essere, 4 avere.
int OpzioneDellaClasse(int c) {
  static const int opzioni[5] = {2, 3, 4, 0, 1};
  return opzioni[c];
}

// Makes `riga` the only row of its class's list, so the next draw of that class takes it.
void SoloQuestoVerbo(int c, const VerboRegolare& riga) {
  auto fill = [&](auto& lista, int& numero) {
    for (auto& r : lista) r = VerboRegolare{};
    lista[1] = riga;
    numero = 1;
  };
  if (c == 0) fill(CostruisciFosku::RadiciAre, CostruisciFosku::NumeroRadiciAre);
  if (c == 1) fill(CostruisciFosku::RadiciEre, CostruisciFosku::NumeroRadiciEre);
  if (c == 2) fill(CostruisciFosku::RadiciIre, CostruisciFosku::NumeroRadiciIre);
}

void SvuotaLista(int c) {
  SoloQuestoVerbo(c, VerboRegolare{});
  if (c == 0) CostruisciFosku::NumeroRadiciAre = 0;
  if (c == 1) CostruisciFosku::NumeroRadiciEre = 0;
  if (c == 2) CostruisciFosku::NumeroRadiciIre = 0;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

class Form3Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuloPerIni::ImpostazioniPredefinite();
    platform::SetMsgBoxHandler([this](const QString& text, int) {
      messaggi_ << text;
      return platform::vbYes;
    });
    F().Show();
  }
  void TearDown() override {
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
    platform::SetMsgBoxHandler({});
    platform::SetPrinterFactory({});
  }
  static Form3& F() { return platform::Instance<Form3>(); }
  // What row i reads on screen: the blue text, then the red text when it is shown.
  static QString Riga(int i) {
    const QString radice = F().LabelRadice[static_cast<size_t>(i)]->text();
    QLabel* d = F().LabelDesinenza[static_cast<size_t>(i)];
    return d->isVisible() ? radice + d->text() : radice;
  }
  static void ScegliClasse(int c) { F().Option1_Click(OpzioneDellaClasse(c)); }
  static void ScegliTempo(int t) { F().Option2_Click(t); }
  static QPoint SulPallino(QWidget* w) { return QPoint(6, w->height() / 2); }

  testsupport::TempHome home_;
  testsupport::TempProgramFolder programma_{true};
  QStringList messaggi_;
};

struct Caso {
  int classe;
  VerboRegolare riga;
};

// Roots that cover every spelling rule of the display: c/g before e and i, a final i that
// drops, sci, di, isco, -ere remote pasts of the list and the sc participle, both auxiliaries.
const std::vector<Caso>& Casi() {
  static const std::vector<Caso> casi = {
      {0, {"cerc", "a", "", "", ""}},   {0, {"pag", "a", "", "", ""}},   {0, {"mangi", "a", "", "", ""}},
      {0, {"lasci", "a", "", "", ""}},  {0, {"studi", "a", "", "", ""}}, {0, {"baci", "a", "", "", ""}},
      {0, {"cant", "a", "", "", ""}},   {0, {"arriv", "e", "", "", ""}}, {1, {"cred", "a", "ei", "é", ""}},
      {1, {"tem", "a", "ei", "é", ""}}, {1, {"vend", "a", "etti", "ette", ""}},
      {1, {"mesc", "a", "ei", "é", ""}}, {2, {"fin", "a", "", "", "isco"}},
      {2, {"ubbid", "a", "", "", "isco"}}, {2, {"dorm", "a", "", "", "o"}}, {2, {"part", "e", "", "", "o"}},
      {2, {"fugg", "a", "", "", "o"}},  {3, {}},                         {4, {}},
  };
  return casi;
}

}  // namespace

TEST_F(Form3Test, EveryRowIsTheEnginesFormSplitIntoRootAndEnding) {
  for (const Caso& caso : Casi()) {
    for (int t = 0; t < ModuloFosku::NumeroTempi; ++t) {
      SCOPED_TRACE("class " + std::to_string(caso.classe) + " root " + caso.riga.Radice + " tense " +
                   std::to_string(t));
      SoloQuestoVerbo(caso.classe, caso.riga);
      ScegliClasse(caso.classe);
      ScegliTempo(t);
      EXPECT_EQ(F().Label1->text(), Q(ModuloFosku::Tempi[static_cast<size_t>(t)]) +
                                        (t >= 14 ? QString() : QString("\n") +
                                                                   (ModuloFosku::TempoComposto(t) ? "tempo composto"
                                                                                                  : "tempo semplice")));
      const auto attese = CostruisciFosku::BuildForms(t, caso.classe, caso.riga, true);
      ASSERT_TRUE(attese.has_value());
      const bool divisa = caso.classe <= 2 && t != ModuloFosku::TempoModiNonFiniti;
      for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE("person " + std::to_string(i));
        QLabel* radice = F().LabelRadice[static_cast<size_t>(i)];
        QLabel* desinenza = F().LabelDesinenza[static_cast<size_t>(i)];
        EXPECT_TRUE(radice->isVisible());
        if (t == ModuloFosku::TempoImperativo && i == 0) {
          EXPECT_EQ(radice->text(), "---");
          EXPECT_EQ(desinenza->text(), "");
          continue;
        }
        EXPECT_EQ(Riga(i), Q((*attese)[static_cast<size_t>(i)]));
        EXPECT_EQ(desinenza->isVisible(), divisa);
        if (divisa) {
          EXPECT_FALSE(desinenza->text().isEmpty());
          // The ending stands right behind the root's text.
          const QRectF r = platform::TwipsRect(radice);
          EXPECT_GE(r.width(), FontFit::TextWidthTwips(radice->font(), radice->text()));
          EXPECT_NEAR(platform::TwipsRect(desinenza).left(), r.left() + r.width() + 4, 0.5);
          EXPECT_NEAR(platform::TwipsRect(desinenza).top(), r.top(), 0.5);
        }
      }
    }
  }
}

TEST_F(Form3Test, TheSplitFollowsTheSpellingOfTheRoot) {
  struct Atteso {
    int classe;
    VerboRegolare riga;
    int tempo, persona;
    const char* radice;
    const char* desinenza;
  };
  const Atteso attesi[] = {
      {0, {"cerc", "a", "", "", ""}, 0, 1, "tu cerch", "i"},
      {0, {"cerc", "a", "", "", ""}, 0, 0, "io cerc", "o"},
      {0, {"cerc", "a", "", "", ""}, 3, 0, "io cerch", "erò"},
      {0, {"mangi", "a", "", "", ""}, 0, 3, "noi mang", "iamo"},
      {0, {"mangi", "a", "", "", ""}, 12, 0, "io mang", "erei"},
      {0, {"lasci", "a", "", "", ""}, 3, 0, "io lasc", "erò"},
      {0, {"cerc", "a", "", "", ""}, 8, 5, "che essi cerch", "ino"},
      {0, {"cerc", "a", "", "", ""}, 14, 2, "cerch", "i"},
      {0, {"arriv", "e", "", "", ""}, 4, 3, "noi siamo arriv", "ati"},
      {0, {"cant", "a", "", "", ""}, 10, 0, "che io abbia cant", "ato"},
      {1, {"cred", "a", "ei", "é", ""}, 2, 2, "egli cred", "é"},
      {1, {"cred", "a", "ei", "é", ""}, 2, 1, "tu cred", "esti"},
      {1, {"conosc", "a", "ei", "é", ""}, 4, 0, "io ho conosc", "iuto"},
      {1, {"conosc", "a", "ei", "é", ""}, 15, 3, "conosciuto", ""},
      {1, {"ripet", "a", "ei", "é", ""}, 4, 0, "io ho ripet", "uto"},
      {2, {"fin", "a", "", "", "isco"}, 0, 0, "io fin", "isco"},
      {2, {"fin", "a", "", "", "isco"}, 0, 1, "tu fin", "isci"},
      {2, {"fin", "a", "", "", "isco"}, 0, 2, "egli fin", "isce"},
      {2, {"fin", "a", "", "", "isco"}, 0, 3, "noi fin", "iamo"},
      {2, {"fin", "a", "", "", "isco"}, 0, 4, "voi fin", "ite"},
      {2, {"fin", "a", "", "", "isco"}, 0, 5, "essi fin", "iscono"},
      {2, {"fin", "a", "", "", "isco"}, 14, 1, "fin", "isci"},
      {2, {"fin", "a", "", "", "isco"}, 14, 2, "fin", "isca"},
      {2, {"fin", "a", "", "", "isco"}, 14, 3, "fin", "iamo"},
      {2, {"fin", "a", "", "", "isco"}, 14, 4, "fin", "ite"},
      {2, {"fin", "a", "", "", "isco"}, 14, 5, "fin", "iscano"},
      {2, {"dorm", "a", "", "", "o"}, 0, 0, "io dorm", "o"},
  };
  for (const Atteso& a : attesi) {
    SCOPED_TRACE(a.radice);
    SoloQuestoVerbo(a.classe, a.riga);
    ScegliClasse(a.classe);
    ScegliTempo(a.tempo);
    EXPECT_EQ(F().LabelRadice[static_cast<size_t>(a.persona)]->text(), QString::fromUtf8(a.radice));
    EXPECT_EQ(F().LabelDesinenza[static_cast<size_t>(a.persona)]->text(), QString::fromUtf8(a.desinenza));
  }
}

TEST_F(Form3Test, OpeningShowsThePresentOfEssereWithoutEndings) {
  EXPECT_EQ(F().Label1->text(), "presente indicativo\ntempo semplice");
  const char* righe[] = {"io sono", "tu sei", "egli è", "noi siamo", "voi siete", "essi sono"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(F().LabelRadice[static_cast<size_t>(i)]->text(), QString::fromUtf8(righe[i]));
    EXPECT_TRUE(F().LabelRadice[static_cast<size_t>(i)]->isVisible());
    EXPECT_FALSE(F().LabelDesinenza[static_cast<size_t>(i)]->isVisible());
    EXPECT_FALSE(F().Label2[static_cast<size_t>(i)]->isVisible());
  }
  EXPECT_TRUE(F().Option1[0]->isChecked());
  EXPECT_TRUE(F().Option2[0]->isChecked());
  EXPECT_EQ(ModuloFosku::TempoScelto, 0);
  EXPECT_EQ(F().ConiugazioneScelta, 3);
  EXPECT_TRUE(F().mnuVis->isVisible());
  EXPECT_FALSE(F().mnuSt->isVisible());
  EXPECT_FALSE(F().mnuChiudi->isVisible());
  EXPECT_TRUE(F().mnuEsci->isVisible());
  EXPECT_FALSE(F().Griglia->isVisible());
  EXPECT_TRUE(messaggi_.isEmpty());
}

TEST_F(Form3Test, ATenseInAnotherFrameDeselectsThePreviousOne) {
  QTest::mouseClick(F().Option2[2], Qt::LeftButton, {}, SulPallino(F().Option2[2]));
  QTest::mouseClick(F().Option2[7], Qt::LeftButton, {}, SulPallino(F().Option2[7]));
  EXPECT_TRUE(F().Option2[7]->isChecked());
  EXPECT_FALSE(F().Option2[2]->isChecked());
  EXPECT_EQ(ModuloFosku::TempoScelto, 7);
  QTest::mouseClick(F().Option2[12], Qt::LeftButton, {}, SulPallino(F().Option2[12]));
  EXPECT_EQ(ModuloFosku::TempoScelto, 12);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(F().Option2[static_cast<size_t>(i)]->isChecked(), i == 12) << i;
  EXPECT_EQ(F().LabelRadice[0]->text(), "io sarei");

  // The non-finite forms show their row captions; any other tense hides them again.
  QTest::mouseClick(F().Option2[15], Qt::LeftButton, {}, SulPallino(F().Option2[15]));
  for (QLabel* l : F().Label2) EXPECT_TRUE(l->isVisible());
  QTest::mouseClick(F().Option2[0], Qt::LeftButton, {}, SulPallino(F().Option2[0]));
  for (QLabel* l : F().Label2) EXPECT_FALSE(l->isVisible());
}

TEST_F(Form3Test, OneClickDrawsOneVerb) {
  ASSERT_GT(CostruisciFosku::NumeroRadiciAre, 20);  // the shipped -are lists
  for (std::uint64_t seme = 1; seme <= 12; ++seme) {
    SCOPED_TRACE(seme);
    platform::SeedRandom(seme);
    QRadioButton* o = F().Option1[2];
    QTest::mouseClick(o, Qt::LeftButton, {}, SulPallino(o));
    const int mostrato = CostruisciFosku::IndiceEstratto;
    platform::SeedRandom(seme);
    ASSERT_TRUE(CostruisciFosku::DrawRegularVerb(0));
    EXPECT_EQ(CostruisciFosku::IndiceEstratto, mostrato);
    EXPECT_TRUE(F().LabelRadice[0]->text().startsWith("io " + Q(CostruisciFosku::RadiceScelta)));
  }
  // Changing the kind keeps the tense; changing the tense keeps the kind.
  ScegliTempo(1);
  ScegliClasse(4);
  EXPECT_EQ(ModuloFosku::TempoScelto, 1);
  EXPECT_EQ(F().LabelRadice[0]->text(), "io avevo");
  ScegliTempo(3);
  EXPECT_EQ(F().LabelRadice[0]->text(), "io avrò");
}

TEST_F(Form3Test, TheFullTableHoldsEveryTenseOfTheVerbOnDisplay) {
  const VerboRegolare cant{"cant", "a", "", "", ""};
  SoloQuestoVerbo(0, cant);
  ScegliClasse(0);
  F().mnuVis_Click();
  auto& g = *F().Griglia;
  EXPECT_TRUE(g.isVisible());
  EXPECT_TRUE(F().mnuSt->isVisible());
  EXPECT_TRUE(F().mnuChiudi->isVisible());
  EXPECT_FALSE(F().mnuVis->isVisible());
  EXPECT_FALSE(F().mnuEsci->isVisible());
  ASSERT_EQ(g.Rows(), 35);
  ASSERT_EQ(g.Cols(), 4);
  // At least an eighth of the window, wide enough for every text, and the four fit in the window.
  const int ottavo = static_cast<int>(platform::RoundHalfEven(F().Width()) / 8);
  for (int k = 0; k < 4; ++k) {
    EXPECT_GE(g.ColWidth(k), ottavo);
    EXPECT_LE(g.ColWidth(k), 2 * ottavo);
    for (int r = 0; r < 35; ++r) {
      if (g.item(r, k) == nullptr) continue;
      const double testo = FontFit::TextWidthTwips(g.item(r, k)->font(), g.TextMatrix(r, k));
      EXPECT_GE(g.ColWidth(k), std::min(testo, 2.0 * ottavo)) << r << "," << k;
    }
  }

  auto grassetto = [&](int r, int k) { return g.item(r, k) != nullptr && g.item(r, k)->font().bold(); };
  struct Blocco {
    int tempo, colonna, riga;
  };
  std::vector<Blocco> blocchi;
  for (int t = 0; t < 15; ++t) blocchi.push_back({t, t % 4, 8 * (t / 4)});
  for (const Blocco& b : blocchi) {
    SCOPED_TRACE(b.tempo);
    EXPECT_EQ(g.TextMatrix(b.riga, b.colonna), Q(ModuloFosku::Tempi[static_cast<size_t>(b.tempo)]));
    EXPECT_TRUE(grassetto(b.riga, b.colonna));
    const auto forme = CostruisciFosku::BuildForms(b.tempo, 0, cant, true);
    for (int p = 0; p < 6; ++p) {
      EXPECT_EQ(g.TextMatrix(b.riga + 1 + p, b.colonna), Q((*forme)[static_cast<size_t>(p)]));
      EXPECT_FALSE(grassetto(b.riga + 1 + p, b.colonna));
    }
  }
  EXPECT_EQ(g.TextMatrix(1, 0), "io canto");
  EXPECT_EQ(g.TextMatrix(24, 2), "imperativo");
  const std::pair<int, const char*> infiniti[] = {
      {24, "infinito presente"}, {25, "cantare"}, {27, "infinito passato"}, {28, "avere cantato"}};
  for (const auto& [r, testo] : infiniti) EXPECT_EQ(g.TextMatrix(r, 3), testo);
  EXPECT_TRUE(grassetto(24, 3));
  EXPECT_TRUE(grassetto(27, 3));
  const char* nomi[] = {"participio presente", "participio passato", "gerundio presente", "gerundio passato"};
  const char* forme[] = {"cantante", "cantato", "cantando", "avendo cantato"};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(g.TextMatrix(32, k), nomi[k]);
    EXPECT_TRUE(grassetto(32, k));
    EXPECT_EQ(g.TextMatrix(33, k), forme[k]);
  }
  for (int r : {7, 15, 23, 31, 34}) {
    for (int k = 0; k < 4; ++k) EXPECT_EQ(g.TextMatrix(r, k), "") << r << "," << k;
  }
  for (int r : {26, 29, 30}) EXPECT_EQ(g.TextMatrix(r, 3), "") << r;

  // Hidden again: the menu offers the table, the print and the return.
  F().mnuChiudi_Click();
  EXPECT_FALSE(g.isVisible());
  EXPECT_TRUE(F().mnuVis->isVisible());
  EXPECT_TRUE(F().mnuSt->isVisible());
  EXPECT_TRUE(F().mnuEsci->isVisible());
  EXPECT_FALSE(F().mnuChiudi->isVisible());

  // A new verb, shown again: the table follows it.
  ScegliClasse(3);
  F().mnuVis_Click();
  EXPECT_EQ(g.TextMatrix(1, 0), "io sono");
  EXPECT_EQ(g.TextMatrix(25, 2), "---");
  EXPECT_EQ(g.TextMatrix(26, 2), "sii");
  EXPECT_EQ(g.TextMatrix(28, 3), "essere stato");
}

TEST_F(Form3Test, AnEmptyListShowsEmptyRowsAndNamesItsFiles) {
  SoloQuestoVerbo(0, {"cant", "a", "", "", ""});
  ScegliClasse(0);
  SvuotaLista(2);
  ScegliTempo(4);
  ScegliClasse(2);  // never hangs
  // Told once in this showing: a tense, another class and this one again say nothing more.
  ScegliTempo(5);
  ScegliClasse(0);
  ScegliClasse(2);
  ScegliTempo(4);
  ASSERT_EQ(messaggi_.size(), 1);
  EXPECT_TRUE(messaggi_[0].contains(Q(programma_.path() + "/testiFosku/2/regolariire.txt"))) << messaggi_[0].toStdString();
  for (const auto& f : CostruisciFosku::ListFilesOf(2)) {
    EXPECT_TRUE(messaggi_[0].contains(Q(f.substr(f.rfind('\\') + 1)))) << f;
  }
  EXPECT_EQ(F().Label1->text(), "passato prossimo indicativo\ntempo composto");
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(F().LabelRadice[static_cast<size_t>(i)]->text(), "");
    EXPECT_FALSE(F().LabelDesinenza[static_cast<size_t>(i)]->isVisible());
  }
  // The table has its headings but conjugates no verb of another list.
  F().mnuVis_Click();
  EXPECT_EQ(F().Griglia->TextMatrix(0, 0), "presente indicativo");
  for (int r = 0; r < 35; ++r) {
    for (int k = 0; k < 4; ++k) EXPECT_FALSE(F().Griglia->TextMatrix(r, k).contains("cant")) << r << "," << k;
  }
  EXPECT_EQ(F().Griglia->TextMatrix(1, 0), "");
}

TEST_F(Form3Test, PrintingTheTableThroughTheWindowsPrintCommand) {
  QStringList chiamate;
  platform::SetPrinterFactory([&] {
    auto s = std::make_unique<testsupport::RecordingSurface>();
    s->keepCalls = &chiamate;
    return s;
  });
  F().mnuVis_Click();
  F().mnuChiudi_Click();
  ASSERT_TRUE(F().mnuSt->isVisible());
  F().mnuSt_Click();
  ASSERT_GE(messaggi_.size(), 2);
  EXPECT_EQ(messaggi_[0], "Avvio la stampa?");
  EXPECT_EQ(messaggi_[1], "Sto stampando");
  ASSERT_FALSE(chiamate.isEmpty());
  EXPECT_EQ(chiamate.last(), "end");
  // The table built last is printed though hidden: headings and forms of every block.
  for (const char* t : {"presente indicativo", "io sono", "imperativo", "gerundio passato", "essendo stato"}) {
    const QString cercato = QStringLiteral("[%1]").arg(QString::fromUtf8(t));
    EXPECT_TRUE(std::any_of(chiamate.begin(), chiamate.end(), [&](const QString& c) { return c.endsWith(cercato); }))
        << t;
  }
}

TEST_F(Form3Test, AfterAResizeTheEndingsStandBehindTheirRoots) {
  SoloQuestoVerbo(0, {"cerc", "a", "", "", ""});
  ScegliClasse(0);
  F().resize(F().width() / 2, F().height() / 2);
  QCoreApplication::processEvents();
  for (int i = 0; i < 6; ++i) {
    QLabel* radice = F().LabelRadice[static_cast<size_t>(i)];
    const QRectF r = platform::TwipsRect(radice);
    EXPECT_NEAR(r.width(), FontFit::TextWidthTwips(radice->font(), radice->text()) + platform::TwipsPerPixelX(), 0.5);
    EXPECT_NEAR(platform::TwipsRect(F().LabelDesinenza[static_cast<size_t>(i)]).left(), r.left() + r.width() + 4,
                0.5);
  }
}

// On a small screen, or in a wide face, every option shows its caption whole: the options take
// a size below the usual 12 points where «Infinito participio gerundio» would be cut. Read on the
// pixels of each frame: no option's ink reaches the edge where the option or its frame ends.
TEST_F(Form3Test, EveryOptionShowsItsCaptionWhole) {
  struct Caso {
    const char* font;
    QSize finestra;
  };
  const std::vector<Caso> casi = {
      {"Arial", {800, 600}}, {"Arial", {640, 480}}, {"DejaVu Sans", {800, 600}}, {"Arial", {1024, 768}}};
  for (const Caso& c : casi) {
    SCOPED_TRACE(std::string(c.font) + " " + std::to_string(c.finestra.width()));
    F().Unload();
    ModuloPerIni::Impostazioni.NomeFont[3] = c.font;
    F().Show();
    F().resize(c.finestra);
    QCoreApplication::processEvents();
    const int punti = F().Option2[0]->font().pointSize();
    std::vector<QRadioButton*> opzioni(F().Option1.begin(), F().Option1.end());
    opzioni.insert(opzioni.end(), F().Option2.begin(), F().Option2.end());
    for (QRadioButton* o : opzioni) {
      SCOPED_TRACE(o->text().toStdString());
      EXPECT_EQ(o->font().pointSize(), punti);
      auto* frame = o->parentWidget();
      const QImage img = testsupport::Rendered(frame);
      const QRect area = o->geometry() & frame->contentsRect();
      const QRect ink = testsupport::InkBox(img, area);
      ASSERT_FALSE(ink.isNull());
      EXPECT_LT(ink.right(), area.right());
    }
    if (c.finestra.width() <= 800) {
      EXPECT_LT(punti, 12);
    }
  }
}

TEST_F(Form3Test, EssereOrAvereAfterARegularVerbHideTheEndings) {
  SoloQuestoVerbo(0, {"cant", "a", "", "", ""});
  ScegliClasse(0);
  ScegliTempo(0);
  for (QLabel* d : F().LabelDesinenza) ASSERT_TRUE(d->isVisible());
  ScegliClasse(3);
  for (QLabel* d : F().LabelDesinenza) EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(Riga(2), "egli è");

  // In the imperativo row 0 keeps its ending label as it was, only emptied.
  ScegliClasse(0);
  ScegliTempo(14);
  ScegliClasse(4);
  EXPECT_EQ(F().LabelRadice[0]->text(), "---");
  EXPECT_EQ(F().LabelDesinenza[0]->text(), "");
  EXPECT_TRUE(F().LabelDesinenza[0]->isVisible());
  for (size_t i = 1; i < 6; ++i) EXPECT_FALSE(F().LabelDesinenza[i]->isVisible());
  EXPECT_EQ(F().LabelRadice[1]->text(), "abbi");
}
