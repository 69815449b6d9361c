#include <gtest/gtest.h>

#include <QDropEvent>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <map>
#include <set>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercise_window/contatori.h"
#include "exercise_window/trascinamento.h"
#include "exercises/verbs/form10_complete_tables.h"
#include "exercises/verbs/form8_mixed_tables.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/commdlgs.h"
#include "services/fontfit.h"
#include "settings/moduloperini.h"
#include "support/exercise_fixture.h"
#include "support/temp_dirs.h"

namespace {

const QColor kGiallo(255, 255, 192), kAzzurro(192, 255, 255), kBianco(255, 255, 255);

class TablesDrag : public testsupport::ExerciseTest {
 protected:
  void TearDown() override {
    testsupport::ExerciseTest::TearDown();
    platform::SetScreenSizeOverride({});
  }
  // A screen of 1024 x 768 pixels.
  static void Schermo1024() {
    platform::SetScreenSizeOverride(
        [] { return QSizeF(1024 * platform::TwipsPerPixelX(), 768 * platform::TwipsPerPixelY()); });
  }
  static Form8& F8() { return platform::Instance<Form8>(); }
  static Form10& F10() { return platform::Instance<Form10>(); }
  static QString Cella(TabelleTrascinabili& w, int k) { return w.Griglia->TextMatrix(w.RigaItem(), k); }
  int Suoni(const char* nome) const {
    int n = 0;
    for (const auto& s : sounds) n += s.ends_with(nome) ? 1 : 0;
    return n;
  }
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The forms the engine builds for a tense, a class and a row of the class's list.
std::vector<QString> FormeMotore(int tempo, int classe, int riga, bool pronomi) {
  const CostruisciFosku::VerboRegolare verbo =
      classe <= 2 ? CostruisciFosku::RowOf(classe, riga) : CostruisciFosku::VerboRegolare{};
  const auto forme = CostruisciFosku::BuildForms(tempo, classe, verbo, pronomi);
  std::vector<QString> out;
  if (forme) {
    for (const auto& f : *forme) out.push_back(Q(f));
  }
  return out;
}

std::vector<QString> Testi(const std::vector<EtichettaTrascinabile*>& forme, size_t da, size_t quante) {
  std::vector<QString> out;
  for (size_t i = da; i < da + quante; ++i) out.push_back(forme[i]->text());
  return out;
}

// True when `testo` in the label's font fits inside the label (border and indent left out).
bool Entra(const QLabel* l, const QString& testo) {
  const QRect r = l->contentsRect();
  const int rientro = (l->alignment() & Qt::AlignLeft) ? std::max(l->indent(), 0) : 0;
  const QFontMetricsF m(l->font());
  return m.horizontalAdvance(testo) <= r.width() - rientro && m.height() <= r.height();
}

// The cells of Form8 that are not the example, in order.
std::vector<int> CelleLibere(const Form8& w) {
  std::vector<int> out;
  for (int i = 0; i < 12; ++i) {
    if (i != w.CellaEsempio) out.push_back(i);
  }
  return out;
}

// The visible form whose text a free row of Form10 expects (the first one), or -1.
int FormaPerRiga(Form10& w, int riga) {
  const QString atteso = platform::Tag(w.Label1[static_cast<size_t>(riga)]);
  for (size_t i = 0; i < w.Label3.size(); ++i) {
    if (!w.Label3[i]->isHidden() && w.Label3[i]->text() == atteso) return static_cast<int>(i);
  }
  return -1;
}

// Makes `radice` (with its marks) the only row of the class's list.
void SoloVerbo(int classe, const CostruisciFosku::VerboRegolare& verbo) {
  for (auto& r : CostruisciFosku::RadiciAre) r = {};
  for (auto& r : CostruisciFosku::RadiciEre) r = {};
  for (auto& r : CostruisciFosku::RadiciIre) r = {};
  CostruisciFosku::NumeroRadiciAre = CostruisciFosku::NumeroRadiciEre = CostruisciFosku::NumeroRadiciIre = 0;
  if (classe == 0) {
    CostruisciFosku::RadiciAre[1] = verbo;
    CostruisciFosku::NumeroRadiciAre = 1;
  } else if (classe == 1) {
    CostruisciFosku::RadiciEre[1] = verbo;
    CostruisciFosku::NumeroRadiciEre = 1;
  } else {
    CostruisciFosku::RadiciIre[1] = verbo;
    CostruisciFosku::NumeroRadiciIre = 1;
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Mixed tables

TEST_F(TablesDrag, MixedTablesLayoutAtOpening) {
  auto& w = F8();
  w.Show();
  EXPECT_EQ(w.windowTitle(), "Tabelle mescolate");
  ASSERT_EQ(w.Label1.size(), 12u);
  ASSERT_EQ(w.Label3.size(), 12u);
  ASSERT_EQ(w.Shape1.size(), 12u);
  // The grid: five columns, their widths in 36ths of the window's width, the header row alone.
  const long u = platform::RoundHalfEven(w.Width()) / 36;
  const int fattori[5] = {1, 8, 8, 3, 3};
  ASSERT_EQ(w.Griglia->Cols(), 5);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(w.Griglia->ColWidth(k), fattori[k] * u) << k;
  EXPECT_EQ(w.Griglia->TextMatrix(0, 1), "Tabelle mescolate");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 2), "");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 3), "Errori");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 4), "Completato");
  EXPECT_EQ(w.Griglia->Rows(), 2);  // the first item's row
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  0");
  EXPECT_FALSE(w.BottoneAvanti->isEnabled());
  EXPECT_EQ(w.Livello, 1);
  for (QLabel* c : w.Label1) EXPECT_EQ(platform::BackColor(c), kGiallo);
  for (QLabel* f : w.Label3) EXPECT_EQ(platform::BackColor(f), kBianco);
  // Every cell and form in the group-3 face.
  for (QLabel* c : w.Label1) EXPECT_EQ(c->font().family(), "Arial");
  for (QLabel* f : w.Label3) EXPECT_EQ(f->font().pointSize(), w.DimensioneMostrata());
  EXPECT_LE(w.DimensioneMostrata(), 24);
}

TEST_F(TablesDrag, MixedTablesEachLevelDrawsWhatItSays) {
  auto& w = F8();
  w.Show();
  struct Caso {
    int livello;
    bool stessoTempo, stessaClasse;
  };
  for (const Caso& caso : {Caso{1, false, false}, Caso{2, true, false}, Caso{3, false, true}}) {
    SCOPED_TRACE(caso.livello);
    w.mnulivello_Click(caso.livello);
    std::set<int> tempi, classi, esempi;
    for (int n = 0; n < 250; ++n) {
      const auto t = w.TempiTabelle;
      const auto c = w.ClassiTabelle;
      EXPECT_EQ(t[0] == t[1], caso.stessoTempo) << t[0] << " " << t[1];
      EXPECT_EQ(c[0] == c[1], caso.stessaClasse) << c[0] << " " << c[1];
      for (int k = 0; k < 2; ++k) {
        ASSERT_GE(t[static_cast<size_t>(k)], 0);
        ASSERT_LE(t[static_cast<size_t>(k)], 13);  // never the imperativo nor the non-finite forms
        tempi.insert(t[static_cast<size_t>(k)]);
        classi.insert(c[static_cast<size_t>(k)]);
        // The six forms of each table are the engine's, with their pronouns, person by person.
        const auto attese = FormeMotore(t[static_cast<size_t>(k)], c[static_cast<size_t>(k)],
                                        w.RigheTabelle[static_cast<size_t>(k)], true);
        ASSERT_EQ(Testi(w.Label3, 6 * static_cast<size_t>(k), 6), attese);
        if (t[static_cast<size_t>(k)] >= 8 && t[static_cast<size_t>(k)] <= 11) {
          EXPECT_TRUE(w.Label3[6 * static_cast<size_t>(k)]->text().startsWith("che io "));
        }
        // Each table's "io" form in the grid.
        EXPECT_EQ(Cella(w, k + 1), attese[0]);
      }
      // One example among cells 0 to 10; every other cell free, every other form visible.
      const int e = w.CellaEsempio;
      ASSERT_GE(e, 0);
      ASSERT_LE(e, 10);
      esempi.insert(e);
      for (int i = 0; i < 12; ++i) {
        if (i == e) {
          EXPECT_EQ(w.Label1[static_cast<size_t>(i)]->text(), w.Label3[static_cast<size_t>(i)]->text());
          EXPECT_TRUE(w.Label3[static_cast<size_t>(i)]->isHidden());
        } else {
          EXPECT_TRUE(w.Label1[static_cast<size_t>(i)]->text().isEmpty());
          EXPECT_FALSE(w.Label3[static_cast<size_t>(i)]->isHidden());
        }
      }
      // The twelve forms lie on twelve different places.
      std::set<int> posti;
      for (int i = 0; i < 12; ++i) {
        const int k = w.PostoDellaForma(i);
        posti.insert(k);
        EXPECT_EQ(w.Label3[static_cast<size_t>(i)]->geometry(), w.Shape1[static_cast<size_t>(k)]->geometry());
      }
      EXPECT_EQ(posti.size(), 12u);
      w.GeneraEsercizio();
    }
    EXPECT_EQ(tempi.size(), 14u);
    EXPECT_EQ(classi.size(), 5u);
    EXPECT_EQ(esempi.size(), 11u);  // cell 11 is never the example
  }
  EXPECT_EQ(w.Griglia->Rows(), 2 + 3 * 251);  // the first item's row, then 251 items per level
}

TEST_F(TablesDrag, MixedTablesLevel3DrawsTheTwoVerbsIndependently) {
  auto& w = F8();
  w.Show();
  w.mnulivello_Click(3);
  bool uguali = false, diversi = false;
  for (int n = 0; n < 300 && !(uguali && diversi); ++n) {
    w.GeneraEsercizio();
    if (w.ClassiTabelle[0] > 2) {
      // essere and avere draw no verb.
      EXPECT_EQ(w.RigheTabelle[0], -1);
      EXPECT_EQ(w.RigheTabelle[1], -1);
      continue;
    }
    (w.RigheTabelle[0] == w.RigheTabelle[1] ? uguali : diversi) = true;
  }
  EXPECT_TRUE(diversi);
  // With one root in the list both tables conjugate it.
  SoloVerbo(2, {"fin", "a", "", "", "isco"});
  for (int n = 0; n < 200; ++n) {
    w.GeneraEsercizio();
    if (w.ClassiTabelle[0] != 2) continue;
    uguali = true;
    EXPECT_EQ(w.RigheTabelle[0], 1);
    EXPECT_EQ(w.RigheTabelle[1], 1);
    EXPECT_EQ(Testi(w.Label3, 6, 6), FormeMotore(w.TempiTabelle[1], 2, 1, true));
  }
  EXPECT_TRUE(uguali);
}

TEST_F(TablesDrag, MixedTablesEssereAndAvereLeaveTheCurrentVerbAlone) {
  auto& w = F8();
  w.Show();
  int visti = 0;
  for (int n = 0; n < 300; ++n) {
    const std::string radice = CostruisciFosku::RadiceScelta;
    const int indice = CostruisciFosku::IndiceEstratto;
    w.GeneraEsercizio();
    if (w.ClassiTabelle[0] > 2 && w.ClassiTabelle[1] > 2) {
      ++visti;
      EXPECT_EQ(CostruisciFosku::RadiceScelta, radice);
      EXPECT_EQ(CostruisciFosku::IndiceEstratto, indice);
    }
  }
  EXPECT_GT(visti, 0);
}

TEST_F(TablesDrag, MixedTablesRightAndWrongDrops) {
  auto& w = F8();
  w.Show();
  const int e = w.CellaEsempio;
  const std::vector<int> libere = CelleLibere(w);
  ASSERT_EQ(libere.size(), 11u);
  const int libera = libere[0], altra = libere[1];
  const QRect postoAltra = w.Label3[static_cast<size_t>(altra)]->geometry();

  // A wrong drop: one error, one "*", the wrong sound; form and cell as they were.
  w.Label1_DragDrop(libera, altra);
  EXPECT_EQ(Module1::Errati, 1);
  EXPECT_EQ(Module1::Esatti, 0);
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  1");
  EXPECT_EQ(Cella(w, 3), "*");
  EXPECT_EQ(Suoni("no.wav"), 1);
  EXPECT_TRUE(w.Label1[static_cast<size_t>(libera)]->text().isEmpty());
  EXPECT_FALSE(w.Label3[static_cast<size_t>(altra)]->isHidden());
  EXPECT_EQ(w.Label3[static_cast<size_t>(altra)]->geometry(), postoAltra);
  w.Label1_DragDrop(libera, altra);
  EXPECT_EQ(Cella(w, 3), "**");

  // A right drop fills the cell with the form, which goes; the cell keeps its colour.
  const QString forma = w.Label3[static_cast<size_t>(libera)]->text();
  w.Label1_DragDrop(libera, libera);
  EXPECT_EQ(w.Label1[static_cast<size_t>(libera)]->text(), forma);
  EXPECT_TRUE(w.Label3[static_cast<size_t>(libera)]->isHidden());
  EXPECT_EQ(platform::BackColor(w.Label1[static_cast<size_t>(libera)]), kGiallo);
  EXPECT_EQ(w.FormeCollocate, 1);
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  1");
  EXPECT_EQ(Suoni("si.wav"), 1);
  EXPECT_EQ(Cella(w, 4), "");

  // A filled cell and the example cell take nothing and count nothing.
  const auto conteggi = std::pair(Module1::Esatti, Module1::Errati);
  w.Label1_DragDrop(libera, altra);
  w.Label1_DragDrop(e, altra);
  w.Label1_DragDrop(e, e);
  EXPECT_EQ(std::pair(Module1::Esatti, Module1::Errati), conteggi);
  EXPECT_EQ(Cella(w, 3), "**");
  EXPECT_EQ(sounds.size(), 3u);
  // Out of range: nothing.
  w.Label1_DragDrop(-1, 0);
  w.Label1_DragDrop(0, 12);
  EXPECT_EQ(sounds.size(), 3u);
}

TEST_F(TablesDrag, MixedTablesEveryItemIsCompleteAfterElevenRightDrops) {
  auto& w = F8();
  w.Show();
  for (int item = 1; item <= 3; ++item) {
    SCOPED_TRACE(item);
    ASSERT_EQ(w.RigaItem(), item);
    int giuste = 0;
    for (int i = 0; i < 12; ++i) {
      if (i == w.CellaEsempio) continue;
      EXPECT_FALSE(w.BottoneAvanti->isEnabled());
      EXPECT_EQ(Cella(w, 4), "");
      w.Label1_DragDrop(i, i);
      ++giuste;
    }
    EXPECT_EQ(giuste, 11);
    EXPECT_EQ(w.FormeCollocate, 11);
    EXPECT_EQ(Cella(w, 4), "*");
    EXPECT_TRUE(w.BottoneAvanti->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);
    EXPECT_EQ(Module1::Esatti, 11 * item);  // the counters run on across items
    QTest::mouseClick(w.BottoneAvanti, Qt::LeftButton);
    EXPECT_FALSE(w.BottoneAvanti->isEnabled());
    EXPECT_EQ(w.FormeCollocate, 0);
  }
  EXPECT_EQ(w.Griglia->Rows(), 5);
  EXPECT_EQ(w.Griglia->TextMatrix(3, 4), "*");
  EXPECT_EQ(w.Griglia->TextMatrix(4, 4), "");
}

TEST_F(TablesDrag, MixedTablesLevelMenu) {
  auto& w = F8();
  w.Show();
  EXPECT_EQ(w.mnuliv->title(), "&Livello");
  ASSERT_EQ(w.mnulivello.size(), 4u);
  EXPECT_EQ(w.mnulivello[0], nullptr);
  const char* didascalie[] = {"livello 1", "livello 2", "livello 3"};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->text(), didascalie[i - 1]);
    EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == 1);
  }
  // The menu stands between the results-grid menu and the reset item.
  const auto azioni = w.menuBar()->actions();
  ASSERT_GE(azioni.size(), 4);
  EXPECT_EQ(azioni[0], w.mnuUtil->menuAction());
  EXPECT_EQ(azioni[1], w.mnuliv->menuAction());
  EXPECT_EQ(azioni[2], w.mnuAzzera);

  // Half an item done, then a level change: a new item at once, the old row without its mark.
  const int libera = w.CellaEsempio == 0 ? 1 : 0;
  w.Label1_DragDrop(libera, libera);
  w.mnulivello[2]->trigger();
  EXPECT_EQ(w.Livello, 2);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == 2);
  EXPECT_EQ(w.Griglia->Rows(), 3);
  EXPECT_EQ(w.RigaItem(), 2);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 4), "");
  EXPECT_EQ(w.FormeCollocate, 0);
  EXPECT_EQ(w.TempiTabelle[0], w.TempiTabelle[1]);
  // The checked item clicked again stays checked and draws again.
  w.mnulivello[2]->trigger();
  EXPECT_TRUE(w.mnulivello[2]->isChecked());
  EXPECT_EQ(w.Griglia->Rows(), 4);

  // The level menu acts on the item: it leaves with the other item commands while the grid shows.
  w.mnuVisual->trigger();
  EXPECT_FALSE(w.mnuliv->menuAction()->isVisible());
  EXPECT_FALSE(w.mnuAzzera->isVisible());
  w.mnuChiudi->trigger();
  EXPECT_TRUE(w.mnuliv->menuAction()->isVisible());
  EXPECT_TRUE(w.mnuAzzera->isVisible());
}

TEST_F(TablesDrag, MixedTablesWithEmptyRegularListsUseEssereAndAvere) {
  testsupport::TempProgramFolder programma;  // no lists at all
  auto& w = F8();
  w.Show();
  for (int livello = 1; livello <= 3; ++livello) {
    w.mnulivello_Click(livello);
    for (int n = 0; n < 60; ++n) {
      for (int c : w.ClassiTabelle) EXPECT_TRUE(c == 3 || c == 4) << c;
      EXPECT_EQ(w.ClassiTabelle[0] == w.ClassiTabelle[1], livello == 3);
      EXPECT_EQ(Testi(w.Label3, 0, 6), FormeMotore(w.TempiTabelle[0], w.ClassiTabelle[0], -1, true));
      w.GeneraEsercizio();
    }
  }
  EXPECT_TRUE(messages.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Complete the tables

TEST_F(TablesDrag, CompleteTablesLayoutAtOpening) {
  auto& w = F10();
  w.Show();
  EXPECT_EQ(w.windowTitle(), "Completa le tabelle");
  ASSERT_EQ(w.Label1.size(), 24u);
  ASSERT_EQ(w.Label3.size(), 24u);
  const long u = platform::RoundHalfEven(w.Width()) / 36;
  const int fattori[5] = {1, 15, 4, 2, 2};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(w.Griglia->ColWidth(k), fattori[k] * u) << k;
  EXPECT_EQ(w.Griglia->TextMatrix(0, 1), "Tabelle dei fosku");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 3), "Errori");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 4), "Completato");
  EXPECT_EQ(w.Livello, 1);
  EXPECT_EQ(w.ConiugazioneScelta, 3);
  // Level 1 and essere: the indicativo's simple tenses of essere.
  EXPECT_EQ(Cella(w, 1), "presente indicativo - imperfetto indicativo - passato remoto indicativo - "
                         "futuro semplice indicativo");
  EXPECT_EQ(Cella(w, 2), "essere");
  for (size_t i = 0; i < 24; ++i) {
    EXPECT_EQ(w.Label1[i]->text(), Q(ModuloFosku::Persone[i % 6]) + " ");
    EXPECT_EQ(platform::BackColor(w.Label1[i]), kGiallo);
    EXPECT_EQ(platform::Tag(w.Label1[i]), w.Label3[i]->text());
    EXPECT_FALSE(w.Label3[i]->isHidden());
  }
  EXPECT_EQ(w.Label3[0]->text(), "sono");
  EXPECT_EQ(w.Label3[23]->text(), "saranno");
}

TEST_F(TablesDrag, CompleteTablesEachLevelAndClassDrawsTheEnginesForms) {
  auto& w = F10();
  w.Show();
  const std::map<int, std::array<int, 4>> livelli = {
      {1, {0, 1, 2, 3}}, {2, {4, 5, 6, 7}}, {3, {8, 9, 10, 11}}, {4, {8, 9, 12, 13}}};
  const char* infiniti[] = {"are", "ere", "ire", "essere", "avere"};
  for (int classe = 0; classe <= 4; ++classe) {
    w.mnud_Click(classe);
    for (int livello = 1; livello <= 5; ++livello) {
      SCOPED_TRACE(testing::Message() << "class " << classe << " level " << livello);
      w.mnulivello_Click(livello);
      for (int n = 0; n < 12; ++n) {
        std::array<int, 4> tempi{};
        for (size_t k = 0; k < 4; ++k) {
          // The title names the tense; find it back from the name.
          const QString titolo = w.Label2[k]->text();
          int t = -1;
          for (int j = 0; j < 16; ++j) {
            if (Q(ModuloFosku::Tempi[static_cast<size_t>(j)]) == titolo) t = j;
          }
          ASSERT_GE(t, 0) << titolo.toStdString();
          ASSERT_LE(t, 13);
          tempi[k] = t;
          // The six forms, without pronouns, of the verb on show.
          const auto forme =
              CostruisciFosku::BuildForms(t, classe, CostruisciFosku::CurrentVerb(classe), false);
          ASSERT_TRUE(forme);
          for (size_t p = 0; p < 6; ++p) {
            EXPECT_EQ(w.Label3[6 * k + p]->text(), Q((*forme)[p]));
            EXPECT_EQ(platform::Tag(w.Label1[6 * k + p]), Q((*forme)[p]));
          }
        }
        if (livello <= 4) {
          EXPECT_EQ(tempi, livelli.at(livello));
        } else {
          EXPECT_EQ(std::set<int>(tempi.begin(), tempi.end()).size(), 4u);
        }
        EXPECT_EQ(Cella(w, 1), QStringList({w.Label2[0]->text(), w.Label2[1]->text(), w.Label2[2]->text(),
                                            w.Label2[3]->text()})
                                   .join(" - "));
        const QString infinito = classe <= 2 ? Q(CostruisciFosku::RadiceScelta) + infiniti[classe] : infiniti[classe];
        EXPECT_EQ(Cella(w, 2), infinito);
        w.GeneraEsercizio();
      }
    }
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TablesDrag, CompleteTablesLevel5DrawsFourDifferentTensesInTheOrderDrawn) {
  auto& w = F10();
  w.Show();
  w.mnulivello_Click(5);
  std::map<int, int> primi;
  std::set<std::vector<QString>> ordini;
  for (int n = 0; n < 400; ++n) {
    std::vector<QString> titoli;
    for (QLabel* l : w.Label2) titoli.push_back(l->text());
    EXPECT_EQ(std::set<QString>(titoli.begin(), titoli.end()).size(), 4u);
    for (const QString& t : titoli) {
      EXPECT_NE(t, "imperativo");
      EXPECT_NE(t, "modi non finiti");
    }
    ++primi[static_cast<int>(std::find(ModuloFosku::Tempi.begin(), ModuloFosku::Tempi.end(), titoli[0].toStdString()) -
                             ModuloFosku::Tempi.begin())];
    ordini.insert(titoli);
    w.GeneraEsercizio();
  }
  EXPECT_EQ(primi.size(), 14u);  // every tense 0 to 13 can come first
  EXPECT_GT(ordini.size(), 300u);  // not sorted: the order of the draws
}

TEST_F(TablesDrag, CompleteTablesEssereAndAvereDrawNoVerb) {
  auto& w = F10();
  w.Show();
  for (int classe : {3, 4}) {
    w.mnud_Click(classe);
    const std::string radice = CostruisciFosku::RadiceScelta;
    const int indice = CostruisciFosku::IndiceEstratto;
    const QString prima = w.Label3[0]->text();
    for (int n = 0; n < 20; ++n) {
      w.GeneraEsercizio();
      EXPECT_EQ(CostruisciFosku::RadiceScelta, radice);
      EXPECT_EQ(CostruisciFosku::IndiceEstratto, indice);
      std::multiset<QString> forme;
      for (auto* l : w.Label3) forme.insert(l->text());
      std::multiset<QString> attese;
      for (int t = 0; t < 4; ++t) {
        for (const auto& f : FormeMotore(t, classe, -1, false)) attese.insert(f);
      }
      EXPECT_EQ(forme, attese);
    }
    EXPECT_EQ(w.Label3[0]->text(), prima);
  }
}

TEST_F(TablesDrag, CompleteTablesDropsAreJudgedByText) {
  auto& w = F10();
  w.Show();
  w.mnulivello_Click(3);  // congiuntivo of essere: "sia" three times in the presente
  ASSERT_EQ(w.Label3[0]->text(), "sia");
  ASSERT_EQ(w.Label3[1]->text(), "sia");
  ASSERT_EQ(w.Label3[3]->text(), "siamo");

  // The "tu" form on the "io" row: the same text, so right.
  w.Label1_DragDrop(0, 1);
  EXPECT_EQ(w.Label1[0]->text(), "io sia");
  EXPECT_EQ(platform::BackColor(w.Label1[0]), kAzzurro);
  EXPECT_EQ(platform::Tag(w.Label1[0]), "");
  EXPECT_TRUE(w.Label3[1]->isHidden());
  EXPECT_EQ(w.FormeCollocate, 1);
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  1");
  EXPECT_EQ(Suoni("si.wav"), 1);
  // The "io" form on the "tu" row: right as well.
  w.Label1_DragDrop(1, 0);
  EXPECT_EQ(w.Label1[1]->text(), "tu sia");
  EXPECT_EQ(w.FormeCollocate, 2);

  // "siamo" on the "egli" row: wrong; form and row unchanged.
  const QRect posto = w.Label3[3]->geometry();
  w.Label1_DragDrop(2, 3);
  EXPECT_EQ(Module1::Errati, 1);
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  1");
  EXPECT_EQ(Cella(w, 3), "*");
  EXPECT_EQ(Suoni("no.wav"), 1);
  EXPECT_EQ(w.Label1[2]->text(), "egli ");
  EXPECT_EQ(platform::BackColor(w.Label1[2]), kGiallo);
  EXPECT_EQ(platform::Tag(w.Label1[2]), "sia");
  EXPECT_FALSE(w.Label3[3]->isHidden());
  EXPECT_EQ(w.Label3[3]->geometry(), posto);

  // A filled row takes nothing, not even a form with its text.
  const int sia = FormaPerRiga(w, 2);
  ASSERT_GE(sia, 0);
  w.Label1_DragDrop(0, sia);
  EXPECT_EQ(w.Label1[0]->text(), "io sia");
  EXPECT_EQ(w.FormeCollocate, 2);
  EXPECT_EQ(Module1::Errati, 1);
  EXPECT_EQ(sounds.size(), 3u);
}

TEST_F(TablesDrag, CompleteTablesEveryItemIsCompleteAfterTwentyFourRightDrops) {
  auto& w = F10();
  w.Show();
  w.mnud_Click(0);
  w.mnulivello_Click(4);
  for (int item = 0; item < 3; ++item) {
    SCOPED_TRACE(item);
    const int riga = w.RigaItem();
    for (int r = 0; r < 24; ++r) {
      EXPECT_FALSE(w.BottoneAvanti->isEnabled());
      EXPECT_EQ(Cella(w, 4), "");
      const int f = FormaPerRiga(w, r);
      ASSERT_GE(f, 0) << r;
      w.Label1_DragDrop(r, f);
    }
    EXPECT_EQ(w.FormeCollocate, 24);
    for (auto* l : w.Label3) EXPECT_TRUE(l->isHidden());
    for (size_t r = 0; r < 24; ++r) {
      EXPECT_EQ(w.Label1[r]->text(), Q(ModuloFosku::Persone[r % 6]) + " " + w.Label3[r]->text());
    }
    EXPECT_EQ(w.Griglia->TextMatrix(riga, 4), "*");
    EXPECT_TRUE(w.BottoneAvanti->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);
    QTest::mouseClick(w.BottoneAvanti, Qt::LeftButton);
    // The next item keeps the level and the class.
    EXPECT_EQ(w.Livello, 4);
    EXPECT_EQ(w.ConiugazioneScelta, 0);
    EXPECT_EQ(w.Label2[2]->text(), "presente condizionale");
    EXPECT_EQ(w.RigaItem(), riga + 1);
    EXPECT_FALSE(w.BottoneAvanti->isEnabled());
    for (auto* l : w.Label1) EXPECT_EQ(platform::BackColor(l), kGiallo);
  }
  EXPECT_EQ(Module1::Esatti, 72);
  EXPECT_EQ(Module1::Errati, 0);
}

TEST_F(TablesDrag, CompleteTablesMenus) {
  auto& w = F10();
  w.Show();
  EXPECT_EQ(w.mnuliv->title(), "Modi - &Tempi");
  EXPECT_EQ(w.mnuDec->title(), "Declinazioni");
  const std::vector<QString> livelli = {"Indicativo - tempi semplici", "Indicativo - tempi composti", "Congiuntivo",
                                        "Congiuntivo - condizionale", "Casuale"};
  const std::vector<QString> classi = {"prima", "seconda", "terza", "essere", "avere"};
  ASSERT_EQ(w.mnulivello.size(), 6u);
  ASSERT_EQ(w.mnud.size(), 5u);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->text(), livelli[static_cast<size_t>(i - 1)]);
    EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == 1);
  }
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(w.mnud[static_cast<size_t>(i)]->text(), classi[static_cast<size_t>(i)]);
    EXPECT_EQ(w.mnud[static_cast<size_t>(i)]->isChecked(), i == 3);
  }
  const auto azioni = w.menuBar()->actions();
  ASSERT_GE(azioni.size(), 5);
  EXPECT_EQ(azioni[1], w.mnuliv->menuAction());
  EXPECT_EQ(azioni[2], w.mnuDec->menuAction());
  EXPECT_EQ(azioni[3], w.mnuAzzera);

  // A drop, then a change of class: a new item at once, the abandoned row without its mark.
  w.Label1_DragDrop(0, FormaPerRiga(w, 0));
  w.mnud[4]->trigger();
  EXPECT_EQ(w.ConiugazioneScelta, 4);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(w.mnud[static_cast<size_t>(i)]->isChecked(), i == 4);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 4), "");
  EXPECT_EQ(w.RigaItem(), 2);
  EXPECT_EQ(Cella(w, 2), "avere");
  EXPECT_EQ(w.FormeCollocate, 0);
  EXPECT_EQ(w.Label1[0]->text(), "io ");
  w.mnulivello[2]->trigger();
  EXPECT_EQ(w.Livello, 2);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == 2);
  EXPECT_EQ(w.mnud[4]->isChecked(), true);  // the other menu keeps its mark
  EXPECT_EQ(w.Label2[0]->text(), "passato prossimo indicativo");
  EXPECT_EQ(w.Label3[0]->text().left(7), "ho avut");
  EXPECT_EQ(w.RigaItem(), 3);

  // The tense and class menus leave with the other item commands while the grid shows.
  w.mnuVisual->trigger();
  EXPECT_FALSE(w.mnuliv->menuAction()->isVisible());
  EXPECT_FALSE(w.mnuDec->menuAction()->isVisible());
  EXPECT_FALSE(w.mnuEsci->isVisible());
  EXPECT_TRUE(w.mnuStamp->isVisible());
  w.mnuChiudi->trigger();
  EXPECT_TRUE(w.mnuliv->menuAction()->isVisible());
  EXPECT_TRUE(w.mnuDec->menuAction()->isVisible());
}

TEST_F(TablesDrag, CompleteTablesARegularClassWithAnEmptyListSaysSoAndKeepsTheTables) {
  testsupport::TempProgramFolder programma;
  programma.Write("testiFosku/2/regolariere.txt", "vend\r\n");
  auto& w = F10();
  w.Show();
  EXPECT_TRUE(messages.isEmpty());
  for (int classe : {0, 2}) {
    SCOPED_TRACE(classe);
    messages.clear();
    const int righe = w.Griglia->Rows();
    const int riga = w.RigaItem();
    const QString prima = w.Label3[0]->text();
    w.mnud[static_cast<size_t>(classe)]->trigger();
    ASSERT_EQ(messages.size(), 1);
    for (const auto& f : CostruisciFosku::ListFilesOf(classe)) {
      EXPECT_TRUE(messages[0].contains(Q(f.substr(f.rfind('\\') + 1)))) << f;
    }
    // The tables of essere stay, under their class; the empty class can no longer be chosen.
    EXPECT_EQ(w.Griglia->Rows(), righe);
    EXPECT_EQ(w.RigaItem(), riga);
    EXPECT_EQ(w.Label3[0]->text(), prima);
    EXPECT_EQ(w.ConiugazioneScelta, 3);
    EXPECT_TRUE(w.mnud[3]->isChecked());
    EXPECT_FALSE(w.mnud[static_cast<size_t>(classe)]->isChecked());
    EXPECT_FALSE(w.mnud[static_cast<size_t>(classe)]->isEnabled());
  }
  // A level change says nothing more.
  for (int l = 5; l >= 1; --l) w.mnulivello[static_cast<size_t>(l)]->trigger();
  EXPECT_EQ(messages.size(), 1);
  // The class whose list holds a verb works.
  messages.clear();
  w.mnud_Click(1);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(Cella(w, 2), "vendere");
  EXPECT_EQ(w.Label3[0]->text(), "vendo");
}

// ---------------------------------------------------------------------------------------------
// Both windows

TEST_F(TablesDrag, DropEventsReachTheJudgingRoutine) {
  auto& w = F8();
  w.Show();
  const int libera = w.CellaEsempio == 0 ? 1 : 0;
  EtichettaBersaglio* cella = w.Label1[static_cast<size_t>(libera)];
  const QPointF centro = QRectF(cella->rect()).center();

  // Data of another kind are refused on entering.
  QMimeData testo;
  testo.setText("io amo");
  QDragEnterEvent entra(centro.toPoint(), Qt::MoveAction, &testo, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(cella, &entra);
  EXPECT_FALSE(entra.isAccepted());

  std::unique_ptr<QMimeData> dati(Trascinamento::DatiTrascinamento(libera));
  QDragEnterEvent entraForma(centro.toPoint(), Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(cella, &entraForma);
  EXPECT_TRUE(entraForma.isAccepted());
  QDropEvent rilascio(centro, Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(cella, &rilascio);
  EXPECT_EQ(w.FormeCollocate, 1);
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(w.Label1[static_cast<size_t>(libera)]->text(), w.Label3[static_cast<size_t>(libera)]->text());

  EXPECT_EQ(Trascinamento::IndiceTrascinato(&testo), -1);
}

TEST_F(TablesDrag, FontCommandOfBothWindows) {
  Schermo1024();
  struct Caso {
    TabelleTrascinabili* w;
    int gruppo;
    int dimensioneIniziale;
  };
  for (const Caso& caso : {Caso{&F8(), 3, 24}, Caso{&F10(), 5, 16}}) {
    TabelleTrascinabili& w = *caso.w;
    SCOPED_TRACE(w.windowTitle().toStdString());
    w.Show();
    EXPECT_EQ(w.Config().tipoFont, TipoFont::Tabelle);
    ASSERT_NE(w.mnuFont, nullptr);
    EXPECT_EQ(w.mnuFont->text(), "Font");

    // The dialog starts from the group's font and its choice reaches every cell and form.
    CommDlgs::FontRequest richiesta;
    CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest& r) -> std::optional<CommDlgs::FontChoice> {
      richiesta = r;
      return CommDlgs::FontChoice{"Liberation Serif", 100, 400, false, false};
    });
    w.mnuFont->trigger();
    EXPECT_EQ(richiesta.pointSizeTenths, caso.dimensioneIniziale * 10);
    EXPECT_EQ(ModuloPerIni::Impostazioni.NomeFont[static_cast<size_t>(caso.gruppo)], "Liberation Serif");
    EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[static_cast<size_t>(caso.gruppo)], 10);
    EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[1], 48);  // other groups untouched
    for (QLabel* l : w.Label1) {
      EXPECT_EQ(l->font().family(), "Liberation Serif");
      EXPECT_EQ(l->font().pointSize(), 10);
    }
    for (QLabel* l : w.Label3) {
      EXPECT_EQ(l->font().family(), "Liberation Serif");
      EXPECT_EQ(l->font().pointSize(), 10);
    }

    // A size too big for the cells: stored as chosen, shown as large as every text allows.
    CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
      return CommDlgs::FontChoice{"Liberation Sans", 720, 400, false, false};
    });
    w.mnuFont->trigger();
    EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[static_cast<size_t>(caso.gruppo)], 72);
    EXPECT_LT(w.DimensioneMostrata(), 72);
    EXPECT_GT(w.DimensioneMostrata(), 8);
    for (size_t i = 0; i < w.Label3.size(); ++i) {
      EXPECT_EQ(w.Label3[i]->font().pointSize(), w.DimensioneMostrata());
      EXPECT_TRUE(Entra(w.Label3[i], w.Label3[i]->text())) << w.Label3[i]->text().toStdString();
    }
    // Cancelling keeps the group's font as it was, not the smaller size on show.
    CommDlgs::SetFontChooser(
        [](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> { return std::nullopt; });
    w.mnuFont->trigger();
    EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[static_cast<size_t>(caso.gruppo)], 72);
    EXPECT_TRUE(messages.isEmpty());
    w.Unload();
  }
}

TEST_F(TablesDrag, AtTheSizeOfTheScreenEveryTextFitsAndNothingOverlaps) {
  Schermo1024();
  struct Caso {
    TabelleTrascinabili* w;
    int dimensione;
  };
  for (const Caso& caso : {Caso{&F8(), 24}, Caso{&F10(), 16}}) {
    TabelleTrascinabili& w = *caso.w;
    SCOPED_TRACE(w.windowTitle().toStdString());
    w.Show();
    // The longest root of the lists, in the tenses with the longest forms.
    SoloVerbo(0, {"accompagn", "a", "", "", ""});
    EXPECT_EQ(w.frameGeometry().size(), QSize(1024, 768));
    // Cells, places, titles and the next-item button lie inside the window and apart.
    std::vector<QWidget*> controlli(w.Label1.begin(), w.Label1.end());
    controlli.insert(controlli.end(), w.Shape1.begin(), w.Shape1.end());
    controlli.push_back(w.BottoneAvanti);
    if (&w == &F10()) controlli.insert(controlli.end(), F10().Label2.begin(), F10().Label2.end());
    const QRect superficie = w.Surface()->rect();
    for (size_t a = 0; a < controlli.size(); ++a) {
      EXPECT_TRUE(superficie.contains(controlli[a]->geometry())) << a;
      for (size_t b = a + 1; b < controlli.size(); ++b) {
        EXPECT_FALSE(controlli[a]->geometry().intersects(controlli[b]->geometry())) << a << " " << b;
      }
    }
    for (int n = 0; n < 120; ++n) {
      if (&w == &F8()) {
        F8().mnulivello_Click(3);
      } else {
        F10().mnud_Click(n % 2 == 0 ? 0 : 3);
        F10().mnulivello_Click(1 + n % 5);
      }
      for (size_t i = 0; i < w.Label3.size(); ++i) {
        const QString forma = w.Label3[i]->text();
        EXPECT_TRUE(Entra(w.Label3[i], forma)) << forma.toStdString();
        const QString piena = &w == &F8() ? forma : w.Label1[i]->text() + forma;
        EXPECT_TRUE(Entra(w.Label1[i], piena)) << piena.toStdString();
      }
      for (QLabel* t : (&w == &F10() ? std::vector<QLabel*>(F10().Label2.begin(), F10().Label2.end())
                                    : std::vector<QLabel*>{})) {
        EXPECT_LE(t->heightForWidth(t->width()), t->height()) << t->text().toStdString();
      }
    }
    // The mixed tables show even "che essi avessero accompagnato" at the group's own size.
    if (&w == &F8()) {
      bool vista = false;
      for (int n = 0; n < 400 && !vista; ++n) {
        w.GeneraEsercizio();
        for (auto* l : w.Label3) vista = vista || l->text() == "che essi avessero accompagnato";
      }
      EXPECT_TRUE(vista);
      EXPECT_EQ(w.DimensioneMostrata(), caso.dimensione);
    }
    w.Unload();
  }
}

TEST_F(TablesDrag, AfterAResizeEveryFormLiesOnItsPlace) {
  auto& w = F10();
  w.Show();
  w.Label1_DragDrop(0, FormaPerRiga(w, 0));
  w.resize(700, 520);
  QCoreApplication::processEvents();
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(w.Label3[static_cast<size_t>(i)]->geometry(),
              w.Shape1[static_cast<size_t>(w.PostoDellaForma(i))]->geometry())
        << i;
  }
}

TEST_F(TablesDrag, ReopeningStartsAfresh) {
  {
    auto& w = F10();
    w.Show();
    w.mnulivello[3]->trigger();
    w.mnud[0]->trigger();
    w.Label1_DragDrop(0, FormaPerRiga(w, 0));
    w.Label1_DragDrop(1, FormaPerRiga(w, 3));  // a "noi" form on the "tu" row: wrong
    ASSERT_EQ(Module1::Esatti, 1);
    ASSERT_EQ(Module1::Errati, 1);
    ASSERT_EQ(w.Griglia->Rows(), 4);
    w.mnuEsci->trigger();
    EXPECT_FALSE(w.IsLoaded());
    w.Show();
    EXPECT_EQ(w.Livello, 1);
    EXPECT_EQ(w.ConiugazioneScelta, 3);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == 1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.mnud[static_cast<size_t>(i)]->isChecked(), i == 3);
    EXPECT_EQ(w.Griglia->Rows(), 2);
    EXPECT_EQ(Cella(w, 2), "essere");
    EXPECT_EQ(w.Label2[0]->text(), "presente indicativo");
    EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
    EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  0");
    EXPECT_EQ(w.FormeCollocate, 0);
    for (auto* l : w.Label1) EXPECT_EQ(platform::BackColor(l), kGiallo);
    w.Unload();
  }
  {
    auto& w = F8();
    w.Show();
    w.mnulivello[3]->trigger();
    w.Label1_DragDrop(w.CellaEsempio == 0 ? 1 : 0, w.CellaEsempio == 0 ? 1 : 0);
    w.mnuEsci->trigger();
    w.Show();
    EXPECT_EQ(w.Livello, 1);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == 1);
    EXPECT_EQ(w.Griglia->Rows(), 2);
    EXPECT_EQ(Module1::Esatti, 0);
    EXPECT_EQ(w.FormeCollocate, 0);
    EXPECT_NE(w.ClassiTabelle[0], w.ClassiTabelle[1]);
    EXPECT_NE(w.TempiTabelle[0], w.TempiTabelle[1]);
  }
}

TEST_F(TablesDrag, ResetChangesOnlyTheCounters) {
  auto& w = F8();
  w.Show();
  const std::vector<int> libere = CelleLibere(w);
  const int libera = libere[0];
  w.Label1_DragDrop(libera, libera);
  w.Label1_DragDrop(libere[1], libere[2]);
  w.mnuAzzera->trigger();
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  0");
  EXPECT_EQ(w.FormeCollocate, 1);
  EXPECT_FALSE(w.Label1[static_cast<size_t>(libera)]->text().isEmpty());
  EXPECT_EQ(Cella(w, 3), "*");
}

TEST(LargestFittingSize, TheLargestSizeUpToTheLimitAtWhichEveryTextFits) {
  const double px = platform::TwipsPerPixelX();
  const auto larghezza = [](int punti, const QString& t) {
    QFont f("Arial");
    f.setPointSize(punti);
    return FontFit::TextWidthTwips(f, t);
  };
  const auto altezza = [](int punti) {
    QFont f("Arial");
    f.setPointSize(punti);
    return QFontMetricsF(f).height() * platform::TwipsPerPixelY();
  };
  const QString lunga = "che essi avessero accompagnato";
  struct Caso {
    const char* cosa;
    QStringList testi;
    double larghezza, altezza;
    int massimo;
    int atteso;  // 0: the largest size that fits, below the limit
  };
  const std::vector<Caso> casi = {
      {"everything fits at the limit", {"io", "tu"}, 20000, 20000, 24, 24},
      {"the widest text sets the size", {"io", lunga}, larghezza(15, lunga) + px / 2, 20000, 24, 15},
      {"the height sets the size", {"io"}, 20000, altezza(12) + 1, 48, 0},
      {"no text: the height alone", {}, 10, altezza(20) + 1, 48, 0},
      {"nothing fits: one point", {lunga}, 15, 20000, 24, 1},
      {"a limit below one", {"io"}, 20000, 20000, 0, 1},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.cosa);
    const int s = FontFit::LargestFittingSize("Arial", c.testi, c.larghezza, c.altezza, c.massimo);
    if (c.atteso > 0) {
      EXPECT_EQ(s, c.atteso);
      continue;
    }
    // The size fits and one point more does not.
    EXPECT_LE(altezza(s), c.altezza);
    EXPECT_GT(altezza(s + 1), c.altezza);
  }
}

TEST_F(TablesDrag, MenuKeysAndTheResetCaption) {
  auto& f8 = F8();
  f8.Show();
  EXPECT_EQ(f8.mnuAzzera->text(), "&Azzera conteggio ");
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(f8.mnulivello[static_cast<size_t>(i)]->shortcut(), QKeySequence(QStringLiteral("F%1").arg(i)));
  }
  f8.Unload();
  auto& f10 = F10();
  f10.Show();
  EXPECT_EQ(f10.mnuAzzera->text(), "&Azzera conteggio ");
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(f10.mnulivello[static_cast<size_t>(i)]->shortcut(), QKeySequence(QStringLiteral("F%1").arg(i)));
    EXPECT_EQ(f10.mnud[static_cast<size_t>(i - 1)]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F%1").arg(i)));
  }
}

TEST_F(TablesDrag, TheDialogsStylesStayOnTheFirstCell) {
  auto& w = F10();
  w.Show();
  CommDlgs::SetFontChooser([](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    return CommDlgs::FontChoice{"DejaVu Sans", 120, 700, true, false};
  });
  w.mnuFont->trigger();
  EXPECT_TRUE(w.Label1[0]->font().bold());
  EXPECT_TRUE(w.Label1[0]->font().italic());
  EXPECT_FALSE(w.Label1[1]->font().bold());
  EXPECT_FALSE(w.Label3[0]->font().italic());
  w.mnulivello[2]->trigger();  // a new item keeps them
  EXPECT_TRUE(w.Label1[0]->font().bold());
  EXPECT_FALSE(w.Label1[5]->font().bold());
}

TEST_F(TablesDrag, ALaterActivationStartsAgainButKeepsTheMarks) {
  auto& w = F10();
  w.Show();
  w.mnulivello[4]->trigger();
  w.mnud[0]->trigger();
  w.Show();  // activated again without leaving
  EXPECT_EQ(w.Livello, 1);
  EXPECT_EQ(w.ConiugazioneScelta, 3);
  EXPECT_TRUE(w.mnulivello[4]->isChecked());
  EXPECT_TRUE(w.mnud[0]->isChecked());
}
