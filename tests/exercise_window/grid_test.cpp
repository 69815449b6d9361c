// The results grid of every window at 1024 x 768: the header cells the windows centre, and no
// text cut, filled with the longest texts the program ships.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRegularExpression>
#include <map>
#include <set>

#include "exercise_window/exercisewindow.h"
#include "platform/twips.h"
#include "support/exercise_fixture.h"
#include "support/ink.h"
#include "support/menu_windows.h"
#include "support/shipped_data.h"
#include "tables/form3_conjugation_tables.h"

namespace {

const std::vector<std::string> kInfiniti = {"1/are.txt", "1/ere.txt", "1/ire.txt"};
const std::vector<std::string> kVerbi = {"2/regolariare.txt",    "2/regolariareausessere.txt",
                                         "2/regolariere.txt",    "2/regolariereei.txt",
                                         "2/regolariire.txt",    "2/regolariireausessere.txt",
                                         "2/regolariireisco.txt", "2/regolariireiscoausiliareessere.txt"};

std::vector<std::string> Frasi18() {
  std::vector<std::string> f;
  for (int t = 0; t < 14; ++t) f.push_back("8/" + std::to_string(t) + ".txt");
  return f;
}

// What each exercise window's grid is checked against, by its class.
struct Attese {
  std::set<int> intestazioniCentrate;
  std::vector<std::string> file;
};

const std::map<std::string, Attese>& AtteseDelleGriglie() {
  static const std::map<std::string, Attese> g = {
      {"Form1", {{2, 3, 4, 5}, kInfiniti}},
      {"Form5", {{2, 3, 4, 5}, kVerbi}},
      {"Form7", {{2, 3, 4, 5}, kVerbi}},
      {"Form4", {{2, 3, 4, 5}, kVerbi}},
      {"Form20", {{2, 3}, {"6/corrette.txt", "6/scorrette.txt"}}},
      {"Form12", {{2, 3}, {"4/transitivi.txt", "4/intransitivi.txt"}}},
      {"Form17", {{2, 3}, {"7/attive.txt", "7/passive.txt"}}},
      {"Form13", {{2, 3}, {"5/Verbale.txt", "5/nominale.txt"}}},
      {"Form19", {{2, 3}, {"9/fosku.txt"}}},
      {"Form2", {{2, 3, 5}, kInfiniti}},
      {"Form6", {{2, 3}, kVerbi}},
      {"Form18", {{2, 3}, Frasi18()}},
      {"Form8", {{4}, kVerbi}},
      {"Form10", {{4}, kVerbi}},
      {"Form11", {{6}, kVerbi}},
      {"Form9", {{2, 3}, {"3/liv1.txt", "3/liv2.txt", "3/liv3.txt", "3/liv4.txt", "3/liv5.txt"}}},
      {"Form15", {{1, 2}, {"3/sottinteso.txt"}}},
      {"Form14", {{2, 3}, {"6/corrette scorrette.txt"}}},
      {"Form16", {{2, 3}, {"7/attivopassivo1.txt"}}},
  };
  return g;
}

// Every exercise window of the menu, with what its grid is checked against.
std::vector<testsupport::Voce<ExerciseWindow, Attese>> Finestre() {
  return testsupport::PerFinestra<ExerciseWindow>(
      AtteseDelleGriglie(), {{"Form3", "no item grid: TheFullConjugationTableCutsNothing checks its tables"}});
}

class Griglie : public testsupport::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    platform::SetScreenSizeOverride(
        [] { return QSizeF(1024 * platform::TwipsPerPixelX(), 768 * platform::TwipsPerPixelY()); });
  }
  void TearDown() override {
    ExerciseTest::TearDown();
    platform::SetScreenSizeOverride({});
  }
};

// Every cell shows its whole text: the lines it is drawn on are no wider than the cell, their
// height fits the row, they hold every character of the text (only the blanks where a line
// breaks go, and a hyphen where a word is split), and the column keeps the width it was given.
void NessunTestoTagliato(const platform::FlexGrid& g) {
  for (int k = 0; k < g.Cols(); ++k) {
    EXPECT_EQ(g.columnWidth(k), platform::ToPixelsX(g.ColWidth(k))) << "column " << k;
  }
  for (int r = 0; r < g.Rows(); ++r) {
    for (int k = 0; k < g.Cols(); ++k) {
      const QString testo = g.TextMatrix(r, k);
      if (testo.isEmpty()) continue;
      SCOPED_TRACE(QStringLiteral("cell %1,%2 \"%3\"").arg(r).arg(k).arg(testo).toStdString());
      const QRect cella = g.visualRect(g.model()->index(r, k));
      const QRect area = g.AreaTesto(r, k);
      EXPECT_TRUE(cella.contains(area));
      const QFontMetricsF fm(g.FontCella(r, k), g.viewport());
      const QStringList righe = g.RigheCella(r, k);
      for (const QString& riga : righe) EXPECT_LE(fm.horizontalAdvance(riga), area.width()) << riga.toStdString();
      EXPECT_LE(fm.lineSpacing() * static_cast<double>(righe.size()), area.height());
      QString tutto = testo;
      tutto.remove(QRegularExpression(QStringLiteral("[ \\r\\n-]")));
      EXPECT_EQ(righe.join(QString()).remove(QRegularExpression(QStringLiteral("[ -]"))), tutto);
    }
  }
}

// The widest text, in the grid's font, of the window's shipped files and of what its grid
// already shows (the verb windows show forms that the program builds rather than reads).
QString TestoPiuLungo(const Attese& f, const platform::FlexGrid& g) {
  const QFontMetricsF fm(g.font());
  QStringList testi;
  for (const auto& file : f.file) {
    for (const auto& riga : testsupport::RigheSpedite(testsupport::RuntimeDir() + "/testiFosku/" + file)) {
      testi << QString::fromStdString(riga);
    }
  }
  for (int r = 0; r < g.Rows(); ++r) {
    for (int k = 0; k < g.Cols(); ++k) testi << g.TextMatrix(r, k);
  }
  QString piuLungo;
  for (const QString& t : testi) {
    if (fm.horizontalAdvance(t) > fm.horizontalAdvance(piuLungo)) piuLungo = t;
  }
  return piuLungo;
}

}  // namespace

TEST_F(Griglie, EveryWindowCentresTheHeaderCellsOfItsLayout) {
  for (const auto& [riga, w, f] : Finestre()) {
    SCOPED_TRACE(riga.classe);
    w.Show();
    const platform::FlexGrid& g = *w.Griglia;
    ASSERT_GT(g.Rows(), 0);
    for (int k = 0; k < g.Cols(); ++k) {
      ASSERT_NE(g.item(0, k), nullptr);
      EXPECT_EQ(g.item(0, k)->textAlignment() == Qt::AlignCenter, f.intestazioniCentrate.count(k) == 1) << k;
    }
    w.Unload();
  }
}

TEST_F(Griglie, NoTextIsCutAt1024x768) {
  for (const auto& [riga, w, f] : Finestre()) {
    SCOPED_TRACE(riga.classe);
    w.Show();
    ASSERT_EQ(w.frameGeometry().size(), QSize(1024, 768));
    // Items as the window draws them, then a row whose every cell holds the longest shipped text.
    for (int i = 0; i < 30; ++i) w.GeneraEsercizio();
    platform::FlexGrid& g = *w.Griglia;
    const QString lungo = TestoPiuLungo(f, g);
    ASSERT_FALSE(lungo.isEmpty());
    g.SetRows(g.Rows() + 1);
    g.SetTextMatrix(g.Rows() - 1, 0, QString::number(g.Rows() - 1));
    for (int k = 1; k < g.Cols(); ++k) g.SetTextMatrix(g.Rows() - 1, k, lungo);
    w.mnuVisual_Click();
    ASSERT_TRUE(g.isVisible());
    NessunTestoTagliato(g);
    w.Unload();
  }
}

TEST_F(Griglie, TheFullConjugationTableCutsNothing) {
  auto& w = testsupport::Mostrata<Form3>();
  for (int tipo = 0; tipo < 5; ++tipo) {
    SCOPED_TRACE(tipo);
    w.Option1_Click(tipo);
    w.mnuVis_Click();
    NessunTestoTagliato(*w.Griglia);
    w.mnuChiudi_Click();
  }
  w.Unload();
}

// What the grid paints, read off the screen: a cell whose text wraps shows each of its lines
// apart from the others (a blank pixel row between two lines), inside the cell's text area, in
// every window's grid and in each of its columns.
TEST_F(Griglie, AWrappedCellPaintsItsLinesApartInsideItsCell) {
  // No letter reaches below the line and none has a dot or an accent of its own, so each line
  // is one band of ink and two lines of a cell never touch.
  const QString frase = QStringLiteral("la nonna fa la torta della festa col latte e la stessa cosa accade alle otto");
  for (const auto& [riga, w, f] : Finestre()) {
    SCOPED_TRACE(riga.classe);
    w.Show();
    platform::FlexGrid& g = *w.Griglia;
    const int r = g.Rows();
    g.SetRows(r + 1);
    g.SetTextMatrix(r, 0, QString::number(r));
    for (int k = 1; k < g.Cols(); ++k) g.SetTextMatrix(r, k, frase);
    w.mnuVisual_Click();
    g.scrollTo(g.model()->index(r, 0));
    const QImage schermo = g.viewport()->grab().toImage();
    size_t aCapo = 0;
    for (int k = 1; k < g.Cols(); ++k) {
      SCOPED_TRACE("column " + std::to_string(k));
      const QRect cella = g.visualRect(g.model()->index(r, k)).adjusted(0, 0, -1, -1);  // less the grid's lines
      const QRect area = g.AreaTesto(r, k);
      ASSERT_TRUE(schermo.rect().contains(cella));
      const auto linee = testsupport::InkLines(schermo, cella, 100);
      const QStringList righe = g.RigheCella(r, k);
      EXPECT_EQ(linee.size(), static_cast<size_t>(righe.size()));
      aCapo += righe.size() > 1 ? 1 : 0;
      const QRect inchiostro = testsupport::InkBox(schermo, cella, 100);
      EXPECT_TRUE(area.contains(inchiostro)) << "ink " << inchiostro.x() << "," << inchiostro.y() << " "
                                             << inchiostro.width() << "x" << inchiostro.height();
    }
    EXPECT_GT(aCapo, 0u);  // at least one cell wraps
    w.Unload();
  }
}
