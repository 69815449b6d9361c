// The sentence-pair boards: "Corretto scorretto 1°" (Form14) and "Attivo passivo 1°" (Form16).
#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>
#include <memory>
#include <set>
#include <vector>

#include "conjugation/verb_lists.h"
#include "exercise_window/contatori.h"
#include "exercise_window/trascinamento.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/sentences_fixture.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/modulocolorisuoni.h"
#include "settings/moduloperini.h"

namespace {

// ---- a line taken apart

struct CasoRiga {
  const char* nome;
  const char* riga;
  bool valida;
  const char* frase0;
  const char* frase1;
};

class DividiCoppiaTest : public ::testing::TestWithParam<CasoRiga> {};

TEST_P(DividiCoppiaTest, SplitsAtTheFirstHashOrRefusesTheLine) {
  const CasoRiga& c = GetParam();
  const auto coppia = DividiCoppia(c.riga);
  ASSERT_EQ(coppia.has_value(), c.valida) << c.riga;
  if (!c.valida) return;
  EXPECT_EQ(coppia->frase0, QString::fromUtf8(c.frase0));
  EXPECT_EQ(coppia->frase1, QString::fromUtf8(c.frase1));
}

INSTANTIATE_TEST_SUITE_P(
    Righe, DividiCoppiaTest,
    ::testing::Values(CasoRiga{"Semplice", "Il gatto dorme.#Il gatto dormono.", true, "Il gatto dorme.",
                               "Il gatto dormono."},
                      CasoRiga{"Accenti", "Il topo è mangiato.#La torta sarà pronta.", true, "Il topo è mangiato.",
                               "La torta sarà pronta."},
                      CasoRiga{"SecondoCancellettoNellaSeconda", "Uno#due#tre", true, "Uno", "due#tre"},
                      CasoRiga{"NienteRifilato", " Uno  # due ", true, " Uno  ", " due "},
                      CasoRiga{"VirgoleTenute", "Sì, grazie.#No, grazie.", true, "Sì, grazie.", "No, grazie."},
                      CasoRiga{"SenzaCancelletto", "Il gatto dorme.", false, "", ""},
                      CasoRiga{"RigaVuota", "", false, "", ""}, CasoRiga{"SoloCancelletto", "#", false, "", ""},
                      CasoRiga{"NienteDavanti", "#Il gatto dorme.", false, "", ""},
                      CasoRiga{"NienteDopo", "Il gatto dorme.#", false, "", ""},
                      CasoRiga{"SoloSpaziDopo", "Il gatto dorme.#   ", false, "", ""},
                      CasoRiga{"SoloTabDavanti", "\t#Il gatto dorme.", false, "", ""}),
    [](const ::testing::TestParamInfo<CasoRiga>& i) { return std::string(i.param.nome); });

// ---- the two windows

struct Tavola {
  const char* nome;
  const char* titolo;
  std::function<TavolaCoppie&()> finestra;
  std::string file;  // as the test writes it under the program's folder
  QString didascalia0, didascalia1;
  int gruppoFont;
  QColor sfondo, sfondoBox0, sfondoBox1, sfondoAvanti;
};

// A window's case is shown by the window's name.
void PrintTo(const Tavola& t, std::ostream* os) { *os << t.nome; }

const std::vector<Tavola>& Tavole() {
  static const std::vector<Tavola> t = {
      {"Form14", "Corretto scorretto 1°", []() -> TavolaCoppie& { return platform::Instance<Form14>(); },
       "testiFosku/6/corrette scorrette.txt", "corretta", "scorretta", 3, QColor(192, 255, 255), QColor(128, 255, 128),
       QColor(255, 192, 255), QColor(128, 128, 255)},
      {"Form16", "Attivo passivo 1°", []() -> TavolaCoppie& { return platform::Instance<Form16>(); },
       "testiFosku/7/attivopassivo1.txt", "attiva", "passiva", 4, QColor(128, 128, 255), QColor(255, 255, 192),
       QColor(192, 255, 255), QColor(192, 255, 255)},
  };
  return t;
}

const std::vector<std::string> kTrePaia = {"Il gatto mangia il topo.#Il topo è mangiato dal gatto.",
                                           "Il cane rincorre la palla.#La palla è rincorsa dal cane.",
                                           "Anna suona il pianoforte.#Il pianoforte è suonato da Anna."};

class BoardTest : public sentencetest::SentenceTest, public ::testing::WithParamInterface<Tavola> {
 protected:
  void SetUp() override {
    SentenceTest::SetUp();
    ModuloPerIni::Impostazioni.SuoniAttivati = true;
    ModuloColoriSuoni::SetSoundPlayer([this](const std::string& p) { suoni_.push_back(p); });
  }
  void TearDown() override {
    SentenceTest::TearDown();
    ModuloColoriSuoni::SetSoundPlayer({});
  }
  TavolaCoppie& Apri(const std::vector<std::string>& righe, std::uint64_t seme = 5) {
    Scrivi(GetParam().file, righe);
    platform::SeedRandom(seme);
    TavolaCoppie& f = GetParam().finestra();
    f.Show();
    return f;
  }
  int Suonati(const char* nome) const {
    return static_cast<int>(std::count_if(suoni_.begin(), suoni_.end(),
                                          [&](const std::string& s) { return s.find(nome) != std::string::npos; }));
  }
  // The pair on show, from the line the window drew.
  CoppiaFrasi Mostrata(const TavolaCoppie& f) const {
    const auto c = DividiCoppia(f.Frasi.at(static_cast<size_t>(CostruisciFosku::IndiceEstratto)));
    EXPECT_TRUE(c.has_value());
    return c.value_or(CoppiaFrasi{});
  }
  std::vector<std::string> suoni_;
};

TEST_P(BoardTest, LoadDrawsAPairAndShowsItUnderTheEmptyBoxes) {
  const Tavola& t = GetParam();
  TavolaCoppie& f = Apri(kTrePaia);
  ASSERT_EQ(f.NumeroFrasi, 3);
  ASSERT_GE(CostruisciFosku::IndiceEstratto, 1);
  ASSERT_LE(CostruisciFosku::IndiceEstratto, 3);
  const CoppiaFrasi c = Mostrata(f);
  EXPECT_EQ(f.Label3[0]->text(), c.frase0);
  EXPECT_EQ(f.Label3[1]->text(), c.frase1);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_TRUE(f.Label3[i]->isEnabled());
    EXPECT_EQ(f.Label4[i]->text(), "");
  }
  EXPECT_EQ(f.Label6[0]->text(), t.didascalia0);
  EXPECT_EQ(f.Label6[1]->text(), t.didascalia1);
  EXPECT_EQ(f.StatusBar1->PanelText(1), "Esatti 0");
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati 0");
  EXPECT_FALSE(f.BottoneAvanti->isEnabled());
  EXPECT_FALSE(f.Griglia->isVisible());
  EXPECT_EQ(f.Griglia->Rows(), 1);
  EXPECT_TRUE(messaggi_.isEmpty());
  // Colours of the board.
  EXPECT_EQ(platform::BackColor(f.Surface()), t.sfondo);
  EXPECT_EQ(platform::BackColor(f.Label4[0]), t.sfondoBox0);
  EXPECT_EQ(platform::BackColor(f.Label4[1]), t.sfondoBox1);
  EXPECT_EQ(platform::BackColor(f.BottoneAvanti), t.sfondoAvanti);
  EXPECT_EQ(platform::BackColor(f.Label3[0]), QColor(255, 255, 255));
  EXPECT_EQ(platform::BackColor(f.Label3[1]), QColor(255, 255, 255));
  EXPECT_EQ(f.windowTitle(), QString::fromUtf8(t.titolo));
}

TEST_P(BoardTest, SentencesStandUnderTheBoxesInBothOrdersAndEveryPairComes) {
  TavolaCoppie& f = Apri(kTrePaia, 17);
  std::set<bool> ordini;
  std::set<int> righe;
  for (int k = 0; k < 60; ++k) {
    const double box0 = platform::TwipsRect(f.Label4[0]).left();
    const double box1 = platform::TwipsRect(f.Label4[1]).left();
    ASSERT_LT(box0 + platform::TwipsRect(f.Label4[0]).width(), box1);
    EXPECT_DOUBLE_EQ(platform::TwipsRect(f.Label3[0]).left(), f.PostiScambiati() ? box1 : box0);
    EXPECT_DOUBLE_EQ(platform::TwipsRect(f.Label3[1]).left(), f.PostiScambiati() ? box0 : box1);
    EXPECT_DOUBLE_EQ(platform::TwipsRect(f.Label6[0]).left(), box0);
    EXPECT_DOUBLE_EQ(platform::TwipsRect(f.Label6[1]).left(), box1);
    ordini.insert(f.PostiScambiati());
    righe.insert(CostruisciFosku::IndiceEstratto);
    f.GeneraEsercizio();
  }
  EXPECT_EQ(ordini, (std::set<bool>{false, true}));
  EXPECT_EQ(righe, (std::set<int>{1, 2, 3}));
}

TEST_P(BoardTest, WrongDropsCountAndChangeNothingOnTheBoard) {
  TavolaCoppie& f = Apri(kTrePaia);
  const CoppiaFrasi c = Mostrata(f);
  const QColor box0 = platform::BackColor(f.Label4[0]);
  f.Label4_DragDrop(1, 0);
  f.Label4_DragDrop(0, 1);
  f.Label4_DragDrop(1, 0);
  EXPECT_EQ(Module1::Errati, 3);
  EXPECT_EQ(Module1::Esatti, 0);
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati 3");
  EXPECT_EQ(f.StatusBar1->PanelText(1), "Esatti 0");
  EXPECT_EQ(Suonati("no.wav"), 3);
  EXPECT_EQ(Suonati("si.wav"), 0);
  EXPECT_EQ(f.Label3[0]->text(), c.frase0);
  EXPECT_EQ(f.Label3[1]->text(), c.frase1);
  EXPECT_TRUE(f.Label3[0]->isEnabled());
  EXPECT_EQ(f.Label4[0]->text(), "");
  EXPECT_EQ(f.Label4[1]->text(), "");
  EXPECT_EQ(platform::BackColor(f.Label4[0]), box0);
  EXPECT_EQ(f.Griglia->Rows(), 1);
  EXPECT_FALSE(f.BottoneAvanti->isEnabled());
}

TEST_P(BoardTest, ADropEventOnABoxReachesTheJudgingAndElsewhereNothing) {
  TavolaCoppie& f = Apri(kTrePaia);
  std::unique_ptr<QMimeData> dati(Trascinamento::DatiTrascinamento(0));
  auto lascia = [&](QWidget* dove) {
    const QPointF centro = QRectF(dove->rect()).center();
    QDragEnterEvent entra(centro.toPoint(), Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dove, &entra);
    QDropEvent rilascio(centro, Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dove, &rilascio);
  };
  lascia(f.Surface());  // not on a box
  lascia(f.Label6[0]);  // on a caption
  EXPECT_EQ(Module1::Esatti + Module1::Errati, 0);
  lascia(f.Label4[1]);  // sentence 0 on box 1: wrong
  EXPECT_EQ(Module1::Errati, 1);
  lascia(f.Label4[0]);  // on its own box: placed
  EXPECT_EQ(f.Label4[0]->text(), Mostrata(f).frase0);
  EXPECT_FALSE(f.Label3[0]->isEnabled());
}

struct Sequenza {
  const char* nome;
  std::vector<std::pair<int, int>> cadute;  // (box, sentence) in order
  int errati;
};

class DropSequenceTest : public BoardTest {};

// Two right drops complete the pair, in either order and with wrong drops anywhere between.
TEST_P(DropSequenceTest, APairNeedsBothRightDropsAndCountsOnce) {
  const std::vector<Sequenza> sequenze = {
      {"ZeroPoiUno", {{0, 0}, {1, 1}}, 0},
      {"UnoPoiZero", {{1, 1}, {0, 0}}, 0},
      {"ErroriPrimaEDopo", {{1, 0}, {0, 0}, {0, 1}, {0, 1}, {1, 1}}, 3},
  };
  int esattiAttesi = 0, erratiAttesi = 0;
  TavolaCoppie& f = Apri(kTrePaia);
  for (const Sequenza& s : sequenze) {
    SCOPED_TRACE(s.nome);
    const CoppiaFrasi c = Mostrata(f);
    const int righe = f.Griglia->Rows();
    const int giusti = Suonati("si.wav");
    for (size_t k = 0; k + 1 < s.cadute.size(); ++k) {
      f.Label4_DragDrop(s.cadute[k].first, s.cadute[k].second);
      // Until the last drop the pair is not complete: no row, no right count, no sound.
      EXPECT_EQ(f.Griglia->Rows(), righe);
      EXPECT_EQ(Module1::Esatti, esattiAttesi);
      EXPECT_EQ(Suonati("si.wav"), giusti);
      EXPECT_FALSE(f.BottoneAvanti->isEnabled());
    }
    // One box filled: its sentence moved into it and can no longer be dragged.
    const int primo = s.cadute.front().first == s.cadute.front().second ? s.cadute.front().first : s.cadute[1].first;
    EXPECT_EQ(f.Label4[static_cast<size_t>(primo)]->text(), primo == 0 ? c.frase0 : c.frase1);
    EXPECT_EQ(f.Label3[static_cast<size_t>(primo)]->text(), "");
    EXPECT_FALSE(f.Label3[static_cast<size_t>(primo)]->isEnabled());

    f.Label4_DragDrop(s.cadute.back().first, s.cadute.back().second);
    ++esattiAttesi;
    erratiAttesi += s.errati;
    EXPECT_EQ(Module1::Esatti, esattiAttesi);
    EXPECT_EQ(Module1::Errati, erratiAttesi);
    EXPECT_EQ(f.StatusBar1->PanelText(1), QStringLiteral("Esatti %1").arg(esattiAttesi));
    EXPECT_EQ(f.StatusBar1->PanelText(2), QStringLiteral("Errati %1").arg(erratiAttesi));
    EXPECT_EQ(Suonati("si.wav"), giusti + 1);
    EXPECT_EQ(f.Label4[0]->text(), c.frase0);
    EXPECT_EQ(f.Label4[1]->text(), c.frase1);
    EXPECT_FALSE(f.Label3[0]->isEnabled());
    EXPECT_FALSE(f.Label3[1]->isEnabled());
    EXPECT_TRUE(f.BottoneAvanti->isEnabled());
    // The completed pair's row: number, the two sentences, one mark per wrong drop.
    ASSERT_EQ(f.Griglia->Rows(), righe + 1);
    const int r = righe;
    EXPECT_EQ(f.RigaCoppia(), r);
    EXPECT_EQ(f.Griglia->TextMatrix(r, 0), QString::number(r));
    EXPECT_EQ(f.Griglia->TextMatrix(r, 1), c.frase0);
    EXPECT_EQ(f.Griglia->TextMatrix(r, 2), c.frase1);
    EXPECT_EQ(f.Griglia->TextMatrix(r, 3), QString(s.errati, QLatin1Char('*')));

    // Nothing more can be dropped on a completed pair.
    f.Label4_DragDrop(0, 1);
    f.Label4_DragDrop(1, 1);
    EXPECT_EQ(Module1::Errati, erratiAttesi);
    EXPECT_EQ(Module1::Esatti, esattiAttesi);
    EXPECT_EQ(f.Griglia->Rows(), righe + 1);

    // The next pair: the button turns itself off and the board starts again.
    QTest::mouseClick(f.BottoneAvanti, Qt::LeftButton);
    EXPECT_FALSE(f.BottoneAvanti->isEnabled());
    const CoppiaFrasi nuova = Mostrata(f);
    EXPECT_EQ(f.Label3[0]->text(), nuova.frase0);
    EXPECT_EQ(f.Label3[1]->text(), nuova.frase1);
    EXPECT_TRUE(f.Label3[0]->isEnabled());
    EXPECT_TRUE(f.Label3[1]->isEnabled());
    EXPECT_EQ(f.Label4[0]->text(), "");
    EXPECT_EQ(f.Label4[1]->text(), "");
    EXPECT_EQ(f.Griglia->Rows(), righe + 1);  // no row until the new pair is complete
  }
}

TEST_P(BoardTest, TheSideASentenceStandsOnDoesNotMatter) {
  TavolaCoppie& f = Apri(kTrePaia, 1);
  for (int k = 0; k < 40 && !f.PostiScambiati(); ++k) f.GeneraEsercizio();
  ASSERT_TRUE(f.PostiScambiati());
  // Sentence 0 stands under box 1, yet box 0 is where it belongs.
  f.Label4_DragDrop(0, 0);
  f.Label4_DragDrop(1, 1);
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(Module1::Errati, 0);
}

TEST_P(BoardTest, BadIndexesAreIgnored) {
  TavolaCoppie& f = Apri(kTrePaia);
  for (auto [box, frase] : {std::pair{-1, 0}, std::pair{2, 0}, std::pair{0, -1}, std::pair{0, 2}}) {
    f.Label4_DragDrop(box, frase);
  }
  EXPECT_EQ(Module1::Esatti, 0);
  EXPECT_EQ(Module1::Errati, 0);
  EXPECT_TRUE(suoni_.empty());
}

TEST_P(BoardTest, ResetZeroesTheCountersAndKeepsGridAndPair) {
  TavolaCoppie& f = Apri(kTrePaia);
  f.Label4_DragDrop(1, 0);
  f.Label4_DragDrop(0, 0);
  f.Label4_DragDrop(1, 1);
  QTest::mouseClick(f.BottoneAvanti, Qt::LeftButton);
  f.Label4_DragDrop(0, 0);  // half of the next pair placed
  const CoppiaFrasi c = Mostrata(f);
  f.mnuAzzera->trigger();
  EXPECT_EQ(f.StatusBar1->PanelText(1), "Esatti 0");
  EXPECT_EQ(f.StatusBar1->PanelText(2), "Errati 0");
  EXPECT_EQ(f.Griglia->Rows(), 2);
  EXPECT_EQ(f.Label4[0]->text(), c.frase0);
  EXPECT_EQ(f.Label3[1]->text(), c.frase1);
  // The pair on show can still be completed, and counting starts from zero.
  f.Label4_DragDrop(1, 1);
  EXPECT_EQ(f.StatusBar1->PanelText(1), "Esatti 1");
  EXPECT_EQ(f.Griglia->Rows(), 3);
}

TEST_P(BoardTest, BlankAndBrokenLinesTakeRowsAndAreNeverDrawn) {
  TavolaCoppie& f = Apri({"", "Senza cancelletto", "Il gatto dorme.#Il gatto dormono.", "#vuota davanti", "   ",
                          "vuota dopo#", "Uno#due#tre"},
                         23);
  ASSERT_EQ(f.NumeroFrasi, 7);
  ASSERT_EQ(f.Frasi.size(), 8u);
  EXPECT_EQ(f.Frasi[3], "Il gatto dorme.#Il gatto dormono.");
  EXPECT_EQ(f.Frasi[7], "Uno#due#tre");
  for (size_t r : {0u, 1u, 2u, 4u, 5u, 6u}) EXPECT_EQ(f.Frasi[r], "") << r;
  std::set<int> righe;
  for (int k = 0; k < 40; ++k) {
    righe.insert(CostruisciFosku::IndiceEstratto);
    f.GeneraEsercizio();
  }
  EXPECT_EQ(righe, (std::set<int>{3, 7}));
  // The second "#" stays in the sentence for box 1.
  std::vector<int> estratte{CostruisciFosku::IndiceEstratto};
  while (estratte.back() != 7 && estratte.size() < 100) {
    f.GeneraEsercizio();
    estratte.push_back(CostruisciFosku::IndiceEstratto);
  }
  ASSERT_EQ(estratte.back(), 7) << "rows drawn: " << ::testing::PrintToString(estratte);
  EXPECT_TRUE(messaggi_.isEmpty());
}

TEST_P(BoardTest, LinesPastTheCapacityAreIgnored) {
  std::vector<std::string> righe(TavolaCoppie::kCapacita + 5, "A.#B.");
  TavolaCoppie& f = Apri(righe);
  EXPECT_EQ(f.NumeroFrasi, TavolaCoppie::kCapacita);
  EXPECT_EQ(static_cast<int>(f.Frasi.size()), TavolaCoppie::kCapacita + 1);
}

struct FileVuoto {
  const char* nome;
  bool scrivi;
  std::vector<std::string> righe;
};

class EmptyFileTest : public BoardTest {};

TEST_P(EmptyFileTest, MissingOrUselessFileIsReportedAndNothingCanBeDragged) {
  const std::vector<FileVuoto> casi = {{"Mancante", false, {}},
                                       {"Vuoto", true, {}},
                                       {"SoloRigheBianche", true, {"", "  ", ""}},
                                       {"SoloRigheRotte", true, {"senza", "#davanti", "dopo#"}}};
  const std::string nomeFile = GetParam().file.substr(GetParam().file.rfind('/') + 1);
  for (const FileVuoto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    messaggi_.clear();
    const std::string percorso = platform::ProgramPath(GetParam().file);
    std::filesystem::remove(percorso);
    if (caso.scrivi) Scrivi(GetParam().file, caso.righe);
    TavolaCoppie& f = GetParam().finestra();
    f.Show();
    ASSERT_EQ(messaggi_.size(), 1);
    EXPECT_NE(messaggi_[0].indexOf(QString::fromStdString(nomeFile)), -1) << messaggi_[0].toStdString();
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_FALSE(f.Label3[i]->isEnabled());
      EXPECT_EQ(f.Label3[i]->text(), "");
      EXPECT_EQ(f.Label4[i]->text(), "");
    }
    f.Label4_DragDrop(0, 0);
    f.Label4_DragDrop(1, 0);
    EXPECT_EQ(Module1::Esatti, 0);
    EXPECT_EQ(Module1::Errati, 0);
    EXPECT_EQ(f.Griglia->Rows(), 1);
    EXPECT_FALSE(f.BottoneAvanti->isEnabled());
    f.Unload();
  }
}

TEST_P(BoardTest, ActivationSetsTheGroupFontAndTheFontCommandGoesThroughImpostaFont) {
  const Tavola& t = GetParam();
  const auto gruppo = static_cast<size_t>(t.gruppoFont);
  const auto altro = static_cast<size_t>(t.gruppoFont == 3 ? 4 : 3);
  ModuloPerIni::Impostazioni.NomeFont[gruppo] = "DejaVu Sans Mono";
  ModuloPerIni::Impostazioni.DimensioneFont[gruppo] = 13;
  ModuloPerIni::Impostazioni.NomeFont[altro] = "DejaVu Sans";
  ModuloPerIni::Impostazioni.DimensioneFont[altro] = 9;
  TavolaCoppie& f = Apri({"Il sole splende.#Il sole splendono."});
  const QFont didascalia = f.Label6[0]->font();
  for (size_t i = 0; i < 2; ++i) {
    for (QLabel* l : {f.Label3[i], f.Label4[i]}) {
      EXPECT_EQ(l->font().family(), "DejaVu Sans Mono");
      EXPECT_EQ(l->font().pointSize(), 13);
      EXPECT_TRUE(l->font().bold());
    }
  }
  f.Label4_DragDrop(0, 0);  // a box holding its sentence follows the font too

  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) {
    CommDlgs::FontChoice c;
    c.name = QStringLiteral("DejaVu Serif");
    c.pointSizeTenths = 155;  // 15.5 points: to the even neighbour, 16
    return std::optional<CommDlgs::FontChoice>(c);
  });
  ASSERT_NE(f.mnuFont, nullptr);
  f.mnuFont->trigger();
  // Which group takes the choice, and that the sentences show it, is the font command's own
  // test over every window; here: a half point goes to the even neighbour, and bold stays.
  EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[gruppo], 16);
  for (size_t i = 0; i < 2; ++i) {
    for (QLabel* l : {f.Label3[i], f.Label4[i]}) EXPECT_TRUE(l->font().bold());
  }
  // The captions over the boxes keep their own font.
  EXPECT_EQ(f.Label6[0]->font(), didascalia);
  EXPECT_EQ(f.Label6[1]->font(), didascalia);
}

TEST_P(BoardTest, ASentenceTooLongForItsBoxIsShownSmallerAndFits) {
  ModuloPerIni::Impostazioni.NomeFont[static_cast<size_t>(GetParam().gruppoFont)] = "DejaVu Sans";
  ModuloPerIni::Impostazioni.DimensioneFont[static_cast<size_t>(GetParam().gruppoFont)] = 40;
  const std::string lunga =
      "Il vecchio contadino raccoglie con molta pazienza le mele mature nel grande frutteto dietro la casa.";
  TavolaCoppie& f = Apri({lunga + "#Corta."});
  QLabel* l = f.Label3[0];
  EXPECT_LT(l->font().pointSize(), 40);
  EXPECT_TRUE(l->font().bold());
  const QRect area = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
  const QRect testo = QFontMetrics(l->font()).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, l->text());
  EXPECT_LE(testo.height(), area.height());
  EXPECT_LE(testo.width(), area.width());
  EXPECT_EQ(f.Label3[1]->font().pointSize(), 40);
}

TEST_P(BoardTest, GridLayoutAndGridView) {
  const Tavola& t = GetParam();
  TavolaCoppie& f = Apri(kTrePaia);
  const long w = platform::RoundHalfEven(f.Width());
  ASSERT_EQ(f.Griglia->Cols(), 4);
  EXPECT_EQ(f.Griglia->ColWidth(0), w / 36);
  EXPECT_EQ(f.Griglia->ColWidth(1), 5 * (w / 18));
  EXPECT_EQ(f.Griglia->ColWidth(2), 5 * (w / 18));
  EXPECT_EQ(f.Griglia->ColWidth(3), 2 * (w / 18));
  EXPECT_EQ(f.Griglia->TextMatrix(0, 0), "");
  EXPECT_EQ(f.Griglia->TextMatrix(0, 1), t.didascalia0);
  EXPECT_EQ(f.Griglia->TextMatrix(0, 2), t.didascalia1);
  EXPECT_EQ(f.Griglia->TextMatrix(0, 3), "errori");

  EXPECT_EQ(f.mnuUtil->title(), "&Utilità     ");
  EXPECT_EQ(f.mnuVisual->text(), "visualizza esercizi eseguiti");
  EXPECT_EQ(f.mnuStamp->text(), "stampa esercizi eseguiti");
  EXPECT_EQ(f.mnuChiudi->text(), "Chiudi griglia");
  EXPECT_EQ(f.mnuAzzera->text(), "&Azzera conteggio     ");
  EXPECT_EQ(f.mnuEsci->text(), "&Esci");
  EXPECT_FALSE(f.mnuChiudi->isVisible());

  // Grid view: the show item stays, the items that act on the exercise go.
  f.mnuVisual->trigger();
  EXPECT_TRUE(f.Griglia->isVisible());
  EXPECT_TRUE(f.mnuChiudi->isVisible());
  EXPECT_TRUE(f.mnuVisual->isVisible());
  EXPECT_TRUE(f.mnuStamp->isVisible());
  EXPECT_FALSE(f.mnuEsci->isVisible());
  EXPECT_FALSE(f.mnuAzzera->isVisible());
  EXPECT_FALSE(f.mnuFont->isVisible());
  f.mnuVisual->trigger();  // again: nothing changes
  EXPECT_TRUE(f.Griglia->isVisible());
  EXPECT_FALSE(f.mnuEsci->isVisible());
  f.mnuChiudi->trigger();
  EXPECT_FALSE(f.Griglia->isVisible());
  EXPECT_FALSE(f.mnuChiudi->isVisible());
  for (QAction* a : {f.mnuVisual, f.mnuEsci, f.mnuAzzera, f.mnuFont}) EXPECT_TRUE(a->isVisible());
}

TEST_P(BoardTest, AResizeKeepsEachSentenceUnderItsBox) {
  TavolaCoppie& f = Apri(kTrePaia, 1);
  for (int k = 0; k < 40 && !f.PostiScambiati(); ++k) f.GeneraEsercizio();
  ASSERT_TRUE(f.PostiScambiati());
  f.resize(f.width() * 2 / 3, f.height() * 2 / 3);
  QTest::qWait(0);
  f.SetWidth(f.Width() - 600);
  EXPECT_DOUBLE_EQ(platform::TwipsRect(f.Label3[0]).left(), platform::TwipsRect(f.Label4[1]).left());
  EXPECT_DOUBLE_EQ(platform::TwipsRect(f.Label3[1]).left(), platform::TwipsRect(f.Label4[0]).left());
  EXPECT_DOUBLE_EQ(platform::TwipsRect(f.Label6[0]).left(), platform::TwipsRect(f.Label4[0]).left());
}

TEST_P(BoardTest, TheActivationLeavesOnlyTheHeaderAndDrawsNoPair) {
  TavolaCoppie& f = Apri(kTrePaia);
  f.Label4_DragDrop(0, 0);
  f.Label4_DragDrop(1, 1);
  ASSERT_EQ(f.Griglia->Rows(), 2);
  const QString prima = f.Label4[0]->text();
  f.Show();  // shown again by the program while loaded: a new activation
  EXPECT_EQ(f.Griglia->Rows(), 1);
  EXPECT_EQ(f.Label4[0]->text(), prima);
}

INSTANTIATE_TEST_SUITE_P(Windows, BoardTest, ::testing::ValuesIn(Tavole()),
                         [](const ::testing::TestParamInfo<Tavola>& i) { return std::string(i.param.nome); });
INSTANTIATE_TEST_SUITE_P(Windows, DropSequenceTest, ::testing::ValuesIn(Tavole()),
                         [](const ::testing::TestParamInfo<Tavola>& i) { return std::string(i.param.nome); });
INSTANTIATE_TEST_SUITE_P(Windows, EmptyFileTest, ::testing::ValuesIn(Tavole()),
                         [](const ::testing::TestParamInfo<Tavola>& i) { return std::string(i.param.nome); });

// ---- the shipped pair files

// The two sentences of a shipped line, after checking the line as a whole.
std::vector<CoppiaFrasi> LeggiCoppie(const std::string& file) {
  const auto bytes = platform::ReadFileBytes(platform::ProgramPath(file));
  EXPECT_TRUE(bytes.has_value()) << file;
  if (!bytes || bytes->size() < 2) return {};
  EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n") << file;
  for (size_t i = 0; i < bytes->size(); ++i) {
    if ((*bytes)[i] == '\n') {
      EXPECT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << file << " byte " << i;
    }
  }
  const auto righe = platform::ReadLines(platform::ProgramPath(file));
  EXPECT_TRUE(righe.has_value());
  std::vector<CoppiaFrasi> coppie;
  for (const auto& r : *righe) {
    EXPECT_EQ(std::count(r.begin(), r.end(), '#'), 1) << r;
    EXPECT_EQ(r.find(','), std::string::npos) << r;
    EXPECT_EQ(r.find("\xEF\xBF\xBD"), std::string::npos) << r;  // no byte outside the code page
    const auto c = DividiCoppia(r);
    EXPECT_TRUE(c.has_value()) << r;
    if (!c) continue;
    for (const QString& s : {c->frase0, c->frase1}) {
      EXPECT_EQ(s, s.trimmed()) << r;
      EXPECT_TRUE(s.front().isUpper()) << r;
      EXPECT_TRUE(s.endsWith(QLatin1Char('.'))) << r;
    }
    EXPECT_NE(c->frase0, c->frase1) << r;
    coppie.push_back(*c);
  }
  EXPECT_GE(coppie.size(), 40u) << file;
  EXPECT_LE(coppie.size(), 60u) << file;
  return coppie;
}

TEST(ShippedPairFiles, EveryLineOfBothFilesIsAPair) {
  testsupport::TempHome home;
  testsupport::TempProgramFolder folder(true);
  for (const char* file : {"\\testifosku\\7\\attivopassivo1.txt", "\\testifosku\\6\\corrette scorrette.txt"}) {
    SCOPED_TRACE(file);
    const auto coppie = LeggiCoppie(file);
    std::set<QString> prime;
    for (const auto& c : coppie) EXPECT_TRUE(prime.insert(c.frase0).second) << "repeated: " << c.frase0.toStdString();
  }
}

TEST(ShippedPairFiles, EveryPassiveHasTheAuxiliaryAndTheAgent) {
  testsupport::TempHome home;
  testsupport::TempProgramFolder folder(true);
  const QStringList ausiliari = {"è", "sono", "era", "erano", "sarà", "saranno"};
  for (const auto& c : LeggiCoppie("\\testifosku\\7\\attivopassivo1.txt")) {
    const QStringList parole = c.frase1.chopped(1).split(QLatin1Char(' '));
    const bool ausiliare =
        std::any_of(parole.begin(), parole.end(), [&](const QString& p) { return ausiliari.contains(p); });
    EXPECT_TRUE(ausiliare) << c.frase1.toStdString();
    const bool agente = std::any_of(parole.begin(), parole.end(), [](const QString& p) {
      return p == "da" || p.startsWith("dal") || p.startsWith("dagl") || p == "dai";
    });
    EXPECT_TRUE(agente) << c.frase1.toStdString();
    // The active sentence has neither the agent nor a passive auxiliary of its own.
    EXPECT_FALSE(c.frase0.contains(QStringLiteral(" stato ")) || c.frase0.contains(QStringLiteral(" stata ")))
        << c.frase0.toStdString();
  }
}

TEST(ShippedPairFiles, BothBoardsOpenOnTheShippedDataWithoutComplaint) {
  testsupport::TempHome home;
  testsupport::TempProgramFolder folder(true);
  ModuloPerIni::ImpostazioniPredefinite();
  QStringList messaggi;
  platform::SetMsgBoxHandler([&](const QString& t, int) {
    messaggi << t;
    return platform::vbOK;
  });
  for (TavolaCoppie* f : {static_cast<TavolaCoppie*>(&platform::Instance<Form14>()),
                          static_cast<TavolaCoppie*>(&platform::Instance<Form16>())}) {
    f->Show();
    EXPECT_GE(f->NumeroFrasi, 40);
    EXPECT_FALSE(f->Label3[0]->text().isEmpty());
    EXPECT_FALSE(f->Label3[1]->text().isEmpty());
    f->Unload();
  }
  platform::SetMsgBoxHandler({});
  EXPECT_TRUE(messaggi.isEmpty());
}

}  // namespace
