#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "exercise_window/stampa.h"
#include "exercises/verbs/form7_mood.h"
#include "platform/flexgrid.h"
#include "platform/msgbox.h"
#include "platform/statusbar.h"
#include "support/exercise_fixture.h"
#include "support/fake_print_service.h"
#include "support/ink.h"
#include "support/message_boxes.h"
#include "support/recording_surface.h"
#include "support/temp_dirs.h"

using testsupport::RecordingSurface;
namespace fs = std::filesystem;

namespace {

void Fill(platform::FlexGrid& g, int rows, const std::vector<int>& widths) {
  g.SetCols(static_cast<int>(widths.size()));
  g.SetRows(rows);
  for (size_t k = 0; k < widths.size(); ++k) g.SetColWidth(static_cast<int>(k), widths[k]);
  QFont f("Arial");
  f.setPointSize(10);
  g.setFont(f);
}

// The tests of the print command put the printer, the print service and the message boxes back.
class PrintCommand : public ::testing::Test {
 protected:
  void TearDown() override {
    platform::SetPrinterFactory({});
    platform::SetPrintService(nullptr);
    platform::SetMsgBoxHandler({});
  }
};
using PrintedPages = PrintCommand;

}  // namespace

TEST(Printing, DrawsTheTableAsComputedByHand) {
  // Two columns of 200 and 300 twips, two rows, at (2, 2).
  platform::FlexGrid g;
  Fill(g, 2, {200, 300});
  g.SetTextMatrix(0, 0, "");
  g.SetTextMatrix(0, 1, "Testo");  // 500 wide: "Te-" and "sto" on two lines, the row twice as high
  g.SetTextMatrix(1, 0, "12");     // exactly 200: one line
  g.SetTextMatrix(1, 1, "abc");
  RecordingSurface s;
  Stampa::StampaGriglia(s, g, 2, 2);
  const QStringList expected = {
      "orientation 1",
      "font Arial 10",
      "text 62,62 []",
      "text 382,62 [Te-]",
      "text 382,262 [sto]",
      // row 1: rule at 2 + 60 + 2 * 200 + 60 = 522
      "line 2,522 802,522",
      "text 62,582 [12]",
      "text 382,582 [abc]",
      // bottom: 582 + 200 + 60 = 842
      "box 2,2 802,842",
      "line 322,2 322,842",
  };
  EXPECT_EQ(s.calls, expected);
}

TEST(Printing, EdgeCasesOfTheTable) {
  {
    // Header row only, one column: one box, no rule, no separator.
    platform::FlexGrid g;
    Fill(g, 1, {400});
    g.SetTextMatrix(0, 0, "x");
    RecordingSurface s;
    Stampa::StampaGriglia(s, g, 2, 2);
    EXPECT_EQ(s.calls, (QStringList{"orientation 1", "font Arial 10", "text 62,62 [x]", "box 2,2 582,322"}));
  }
  {
    // A column of width 0 prints no text but still takes 120 twips; landscape is written first.
    platform::FlexGrid g;
    Fill(g, 1, {0, 100});
    g.SetTextMatrix(0, 0, "abc");
    g.SetTextMatrix(0, 1, "d");
    RecordingSurface s;
    Stampa::StampaGriglia(s, g, 2, 2, 2);
    EXPECT_EQ(s.calls.first(), "orientation 2");
    EXPECT_TRUE(s.calls.contains("text 62,62 []"));
    EXPECT_TRUE(s.calls.contains("text 182,62 [d]"));
    EXPECT_TRUE(s.calls.contains("box 2,2 402,322"));
  }
}

TEST(Printing, TextsWrapAtBlanksAndSplitTooLongWordsBetweenSyllables) {
  // Every character 100 wide, as on the recording surface.
  const auto misura = [](const QString& t) { return 100.0 * t.size(); };
  struct Case {
    QString text;
    double width;
    QStringList expected;
  };
  const Case cases[] = {
      {"", 0, {""}},
      {"", 100, {""}},
      {"abc", 0, {""}},  // a column of width 0 shows nothing
      {"abc", -10, {""}},
      {"abc", 300, {"abc"}},  // exactly as wide as the column: whole
      {"Indicativo", 700, {"Indica-", "tivo"}},
      {"Condizionale", 600, {"Condi-", "ziona-", "le"}},
      {"Congiuntivo", 600, {"Con-", "giun-", "tivo"}},
      {"pasta", 300, {"pa-", "sta"}},
      {"anno", 300, {"an-", "no"}},
      {"Passato", 500, {"Pas-", "sato"}},  // a double s is parted too, one on each line
      {"Trapassato", 500, {"Tra-", "pas-", "sato"}},
      {"capra", 300, {"ca-", "pra"}},
      {"figlio", 400, {"fi-", "glio"}},
      {"xyzw", 200, {"xy", "zw"}},  // no syllables: split where it must
      {"ab cd ef", 500, {"ab cd", "ef"}},
      {"abc def", 300, {"abc", "def"}},  // the blank right after a full line
      {"ab  cdefgh", 400, {"ab", "cdef", "gh"}},
      {"abc ", 300, {"abc"}},  // a trailing blank makes no empty line
      {"ab\r\ncd", 500, {"ab", "cd"}},
      {"abc", 50, {"a", "b", "c"}},  // narrower than a character: one on each line, never a loop
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::RigheACapo(c.text, c.width, misura), c.expected) << c.text.toStdString() << " " << c.width;
  }
}

TEST(Printing, ALongGridGoesOnToTheNextPageUnderItsHeader) {
  platform::FlexGrid g;
  Fill(g, 10, {500});
  for (int r = 0; r < 10; ++r) g.SetTextMatrix(r, 0, QString::number(r));
  RecordingSurface s;
  s.pageHeight = 1500;  // rows are 320 high: the header and three rows fit from the top at 2
  Stampa::StampaGriglia(s, g, 2, 2);
  EXPECT_EQ(s.calls.count("page"), 2);
  // Every page is boxed and starts with the header row; every other row is printed once, in order.
  EXPECT_EQ(s.calls.filter("box").size(), 3);
  const QStringList texts = s.calls.filter("text");
  const QStringList expected = {"0", "1", "2", "3", "0", "4", "5", "6", "0", "7", "8", "9"};
  ASSERT_EQ(texts.size(), expected.size());
  for (qsizetype i = 0; i < texts.size(); ++i) {
    EXPECT_TRUE(texts[i].endsWith(QStringLiteral("[%1]").arg(expected[i]))) << texts[i].toStdString();
  }
  // After a page break the header starts again at the top, the next row under its rule.
  const qsizetype page = s.calls.indexOf("page");
  EXPECT_EQ(s.calls.mid(page + 1, 3).join(" | ").toStdString(), "text 62,62 [0] | line 2,322 682,322 | text 62,382 [4]");
}

TEST(Printing, AWideGridIsScaledToThePage) {
  platform::FlexGrid g;
  Fill(g, 1, {5000, 5000});
  RecordingSurface s;
  s.pageWidth = 5000;
  Stampa::StampaGriglia(s, g, 2, 2);
  ASSERT_FALSE(s.calls.filter("scale").isEmpty());
  const double factor = s.calls.filter("scale").first().mid(6).toDouble();
  EXPECT_LT(factor, 0.5);
  EXPECT_GT(factor, 0.4);
}

namespace {

// A results grid as the windows lay theirs out: the number column and the marks centred, the
// sentence from the left, the headers of the marks centred. Every tenth sentence is long enough
// to wrap onto more lines than any other cell of its row; no sentence has letters that reach
// below the line, so the lines of a cell are parted by blank pixels.
void GrigliaDiFrasi(platform::FlexGrid& g, int rows) {
  Fill(g, rows, {600, 3000, 900, 900});
  const QStringList intestazioni = {"N.", "Frase", "Giusta", "Errori"};
  for (int k = 0; k < 4; ++k) g.SetTextMatrix(0, k, intestazioni[k]);
  for (int k : {0, 2, 3}) g.SetColAlignment(k, platform::flexAlignCenterCenter);
  g.SetRow(0);
  for (int k : {2, 3}) {
    g.SetCol(k);
    g.SetCellAlignment(platform::flexAlignCenterCenter);
  }
  for (int r = 1; r < rows; ++r) {
    g.SetTextMatrix(r, 0, QString::number(r));
    g.SetTextMatrix(r, 1, r % 10 == 0 ? QStringLiteral("la lettera che avete scritto alla nonna è arrivata ieri %1 e lei ne è "
                                                      "stata contenta")
                                           .arg(r)
                                     : QStringLiteral("il treno è arrivato %1").arg(r));
    g.SetTextMatrix(r, 2, "*");
    g.SetTextMatrix(r, 3, r % 3 == 0 ? "**" : "");
  }
}

bool Centrata(int r, int k) { return k >= 2 || (k == 0 && r > 0); }

}  // namespace

// The pages as they come out of the printer, painted through the same drawing code into
// images: every row in its own band of the ruled table, every line of text inside its cell,
// clear of the rules, aligned as on screen, and the header row at the top of every page.
TEST_F(PrintedPages, RowsApartTextInsideItsCellsAndTheHeaderOnEveryPage) {
  constexpr double kDpi = 144;  // 10 twips to the pixel
  constexpr int kMargine = 3;   // pixels of paper kept clear inside each cell (the gap is 60 twips)
  platform::FlexGrid g;
  GrigliaDiFrasi(g, 71);
  for (int r = 0; r < g.Rows(); ++r) {
    for (int k = 0; k < g.Cols(); ++k) {
      EXPECT_EQ(g.CellAlignment(r, k), Centrata(r, k) ? Qt::AlignHCenter : Qt::AlignLeft) << r << "," << k;
    }
  }
  std::vector<QImage> pagine;
  platform::SetPrinterFactory([&] { return platform::ImagePages(&pagine, kDpi); });
  platform::SetMsgBoxHandler([](const QString&, int) { return platform::vbYes; });
  Stampa::ComandoStampa(nullptr, g);
  if (const char* keep = std::getenv("FOSKU_KEEP_PAGES")) {
    for (size_t p = 0; p < pagine.size(); ++p) pagine[p].save(QStringLiteral("%1-%2.png").arg(keep).arg(p + 1));
  }
  ASSERT_EQ(pagine.size(), 2u);

  // How many lines each cell's text takes on paper, measured as the printer measures.
  std::vector<QImage> misure;
  auto carta = platform::ImagePages(&misure, kDpi);
  carta->SetFont(g.font().family(), g.font().pointSizeF());
  const auto linee = [&](int r, int k) -> size_t {
    const QString testo = g.TextMatrix(r, k);
    if (testo.isEmpty()) return 0;
    return static_cast<size_t>(
        platform::RigheACapo(testo, g.ColWidth(k), [&](const QString& t) { return carta->TextWidth(t); }).size());
  };

  int riga = 0;  // the grid row of the next band after a page's header
  QImage intestazione;
  for (size_t p = 0; p < pagine.size(); ++p) {
    SCOPED_TRACE("page " + std::to_string(p + 1));
    const QImage& pagina = pagine[p];
    const testsupport::PrintedTable t = testsupport::ReadTable(pagina);
    ASSERT_EQ(t.columns.size(), static_cast<size_t>(g.Cols() + 1));
    ASSERT_GE(t.Bands(), 2u);
    // The header row heads every page, drawn as on the first.
    const QRect testa(QPoint(t.left, t.rules[0].first), QPoint(t.right, t.rules[1].second));
    if (p == 0) {
      intestazione = pagina.copy(testa);
    } else {
      EXPECT_EQ(pagina.copy(testa), intestazione);
    }
    for (size_t b = 0; b < t.Bands(); ++b) {
      const int r = b == 0 ? 0 : ++riga;
      ASSERT_LT(r, g.Rows());
      for (int k = 0; k < g.Cols(); ++k) {
        SCOPED_TRACE(QStringLiteral("row %1, column %2: \"%3\"").arg(r).arg(k).arg(g.TextMatrix(r, k)).toStdString());
        const QRect cella = t.Cell(b, static_cast<size_t>(k));
        const auto righe = testsupport::InkLines(pagina, cella);
        ASSERT_EQ(righe.size(), linee(r, k));
        if (righe.empty()) continue;
        // Clear of the rules above and below, and of the lines at its sides.
        EXPECT_GE(righe.front().first - cella.top(), kMargine);
        EXPECT_GE(cella.bottom() - righe.back().second, kMargine);
        const QRect testo = testsupport::InkBox(pagina, cella);
        const int sinistra = testo.left() - cella.left();
        // The box's right side stands 120 twips past the last column's width, not 60.
        const int destra = cella.right() - testo.right() - (k + 1 == g.Cols() ? 6 : 0);
        EXPECT_GE(sinistra, kMargine);
        EXPECT_GE(destra, kMargine);
        if (Centrata(r, k)) {
          EXPECT_LE(std::abs(sinistra - destra), 3) << sinistra << " " << destra;
        } else {
          EXPECT_LE(sinistra, 6 + 2);  // 60 twips from the line at its left
        }
      }
    }
    // No ink anywhere but on the table's lines and inside its cells.
    int fuori = 0;
    for (int y = 0; y < pagina.height(); ++y) {
      for (int x = 0; x < pagina.width(); ++x) {
        if (!testsupport::Ink(pagina, x, y)) continue;
        bool dentro = false;
        for (const auto& [a, z] : t.rules) dentro = dentro || (y >= a && y <= z && x >= t.left && x <= t.right);
        for (const auto& [a, z] : t.columns) dentro = dentro || (x >= a && x <= z && y >= t.rules.front().first && y <= t.rules.back().second);
        for (size_t b = 0; b < t.Bands() && !dentro; ++b) {
          for (size_t c = 0; c + 1 < t.columns.size() && !dentro; ++c) dentro = t.Cell(b, c).contains(x, y);
        }
        fuori += dentro ? 0 : 1;
      }
    }
    EXPECT_EQ(fuori, 0);
  }
  EXPECT_EQ(riga, g.Rows() - 1);  // every row printed once, each in a band of its own
}

TEST_F(PrintCommand, AsksAnnouncesPrintsAndEnds) {
  platform::FlexGrid g;
  Fill(g, 1, {300});
  QStringList boxes;
  RecordingSurface* last = nullptr;
  QStringList printed;
  int made = 0;
  platform::SetPrinterFactory([&]() -> std::unique_ptr<platform::PrintSurface> {
    ++made;
    auto s = std::make_unique<RecordingSurface>();
    s->keepCalls = &printed;
    last = s.get();
    return s;
  });
  // "No": nothing printed, nothing else said.
  platform::SetMsgBoxHandler(testsupport::Annota(boxes, platform::vbNo, true));
  Stampa::ComandoStampa(nullptr, g);
  EXPECT_EQ(boxes, QStringList{"36 Avvio la stampa?"});
  EXPECT_EQ(made, 0);

  // "Yes": announced, then printed and ended.
  boxes.clear();
  bool endedAtAnnouncement = true;
  platform::SetMsgBoxHandler([&](const QString& t, int code) {
    boxes << QStringLiteral("%1 %2").arg(code).arg(t);
    if (t == "Sto stampando") endedAtAnnouncement = last != nullptr && last->ended;
    return platform::vbYes;
  });
  Stampa::ComandoStampa(nullptr, g);
  EXPECT_EQ(boxes, (QStringList{"36 Avvio la stampa?", "64 Sto stampando"}));
  EXPECT_FALSE(endedAtAnnouncement);
  EXPECT_EQ(made, 1);
  ASSERT_FALSE(printed.isEmpty());
  EXPECT_TRUE(printed.contains("box 2,2 482,322"));
  EXPECT_EQ(printed.last(), "end");
}

TEST_F(PrintCommand, PrintsARealPdf) {
  testsupport::TempDir dir;
  const QString path = QString::fromStdString(dir.path() + "/griglia.pdf");
  platform::FlexGrid g;
  Fill(g, 60, {600, 4000, 900});
  for (int r = 0; r < 60; ++r) {
    g.SetTextMatrix(r, 0, QString::number(r));
    g.SetTextMatrix(r, 1, QStringLiteral("che noi fossimo arrivati %1").arg(r));
  }
  platform::SetPrinterFactory([&] { return platform::PdfSurface(path); });
  platform::SetMsgBoxHandler([](const QString&, int) { return platform::vbYes; });
  Stampa::ComandoStampa(nullptr, g);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
  if (const char* keep = std::getenv("FOSKU_KEEP_PDF")) QFile::copy(path, QString::fromUtf8(keep));
}

namespace {

// The number of pages a PDF file says it has.
int PaginePdf(const QByteArray& pdf) {
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)"))
                                        .match(QString::fromLatin1(pdf));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace

TEST_F(PrintCommand, WithoutAPrinterThePagesGoToAPdfInTheDocuments) {
  testsupport::TempHome home;
  testsupport::TempDir altrove;
  const QString documenti = QString::fromStdString(home.home()) + "/Documents";
  QWidget finestra;
  finestra.setWindowTitle(QStringLiteral("Verbi: 1°/2° \"prova\""));
  platform::SetPrintService(std::make_shared<testsupport::FakePrintService>());  // no printer at all
  QStringList scritti;
  // Links to nowhere at the names the next print would take (this minute's and the next's).
  const auto collegamenti = [&] {
    QDir(documenti).removeRecursively();
    QDir().mkpath(documenti);
    scritti.clear();
    const QDateTime ora = QDateTime::currentDateTime();
    for (const QDateTime& quando : {ora, ora.addSecs(60)}) {
      const QString nome = quando.toString(QStringLiteral("'Fosku - Verbi 1° 2° prova - 'yyyy-MM-dd HH-mm'.pdf'"));
      ASSERT_TRUE(QFile::link(QString::fromStdString(altrove.path()) + "/" + nome, documenti + "/" + nome));
    }
  };
  struct Caso {
    const char* nome;
    int righe;
    std::function<void()> prima;  // what the documents folder looks like before the print
    bool salvato;
    int pagine;
    rlim_t limite = RLIM_INFINITY;  // the file-size limit the print runs under
    const char* perche = "";        // why it was not saved
    bool ucciso = false;            // the size limit's signal ends the print on the way
  };
  const Caso casi[] = {
      {"folder missing, one page", 3, [&] { QDir(documenti).removeRecursively(); }, true, 1},
      {"same minute, two pages: a new file", 60, [] {}, true, 2},
      {"the folder cannot be made", 3,
       [&] {
         QDir(documenti).removeRecursively();
         testsupport::TempDir::WriteTo(documenti.toStdString(), "not a folder");
       },
       false, 0, RLIM_INFINITY, "una parte del percorso non è una cartella"},
      // A limit an administrator set (`ulimit -f 4`) cuts the file at 4 KiB: that is no print,
      // it is said as a failure, and the program goes on.
      {"a file-size limit", 60, [&] { QFile::remove(documenti); }, false, 0, 4096,
       "il file supera la dimensione massima consentita"},
      // A program ended on the way (here by the limit's own signal) leaves no part of a PDF
      // under the name.
      {"a print killed on the way", 60, [] {}, false, 0, 4096, "", true},
      // A name a link holds, even a link to nothing, is taken: the print never goes through it.
      {"links to nowhere at the next names", 3, collegamenti, true, 1},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    c.prima();
    platform::FlexGrid g;
    Fill(g, c.righe, {600, 3000});
    for (int r = 0; r < c.righe; ++r) g.SetTextMatrix(r, 1, QStringLiteral("che noi fossimo arrivati %1").arg(r));
    QStringList boxes;
    platform::SetMsgBoxHandler(testsupport::Annota(boxes, platform::vbYes, true));
    if (c.ucciso) {
      const int stato = testsupport::RunInChild(
          [&] {
            std::signal(SIGXFSZ, SIG_DFL);
            const testsupport::FileSizeLimit limite(c.limite);
            Stampa::ComandoStampa(&finestra, g);
          });
      EXPECT_TRUE(WIFSIGNALED(stato) && WTERMSIG(stato) == SIGXFSZ);
      EXPECT_TRUE(QDir(documenti).entryList({"*.pdf"}, QDir::Files | QDir::System).isEmpty());
      continue;
    }
    {
      const testsupport::FileSizeLimit limite(c.limite);
      Stampa::ComandoStampa(&finestra, g);
    }
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0], "36 Avvio la stampa?");
    const QStringList files = QDir(documenti).entryList({"*.pdf"}, QDir::Files, QDir::Name);
    if (!c.salvato) {
      // The cause first, then where the file was to go, then why it could not be written.
      EXPECT_TRUE(boxes[1].startsWith(
          QStringLiteral("16 Non c'è nessuna stampante e non è stato possibile salvare la stampa in\n") + documenti))
          << boxes[1].toStdString();
      EXPECT_TRUE(boxes[1].endsWith(QStringLiteral("(") + QString::fromUtf8(c.perche) + QStringLiteral(")."))) << boxes[1].toStdString();
      EXPECT_TRUE(files.isEmpty());
      continue;
    }
    // One more file, the earlier ones kept; the message gives its full path.
    ASSERT_EQ(files.size(), scritti.size() + 1);
    QString nuovo;
    for (const QString& f : files) {
      if (!scritti.contains(f)) nuovo = f;
    }
    scritti << nuovo;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Fosku - Verbi 1° 2° prova - \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d( \\(2\\))?\\.pdf$"))
                    .match(nuovo)
                    .hasMatch())
        << nuovo.toStdString();
    const QString percorso = documenti + "/" + nuovo;
    EXPECT_EQ(boxes[1], QStringLiteral("64 Non c'è nessuna stampante: la stampa è stata salvata nel file\n") + percorso);
    EXPECT_FALSE(QFileInfo(percorso).isSymLink());
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PaginePdf(bytes), c.pagine);
    // Nothing went where the links lead, and no temporary file was left behind.
    EXPECT_TRUE(fs::is_empty(altrove.path()));
    EXPECT_TRUE(QDir(documenti).entryList({".*"}, QDir::Files | QDir::Hidden | QDir::System).isEmpty());
  }
}

// A session started without HOME prints under the home the system gives the user, never in a
// folder at the root; a user with no home at all is told so.
TEST_F(PrintCommand, WithoutHomeThePrintGoesUnderTheSystemsHome) {
  if (geteuid() != 0) GTEST_SKIP() << "only as root can the print run as a user whose home is not ours";
  constexpr unsigned kSconosciuto = 54321;  // a user the password database does not know
  ASSERT_EQ(getpwuid(kSconosciuto), nullptr);
  const passwd* nessuno = getpwuid(testsupport::kNobody);
  ASSERT_NE(nessuno, nullptr);
  const std::string casaNessuno = nessuno->pw_dir;
  struct Caso {
    const char* nome;
    unsigned uid;
    std::string detto;  // what the message says
  };
  const Caso casi[] = {
      {"a user of the password database", testsupport::kNobody, casaNessuno + "/Documents"},
      {"a user with no home", kSconosciuto,
       "Non c'è nessuna stampante e non è stato possibile salvare la stampa: questo utente non ha una cartella "
       "personale."},
  };
  testsupport::TempDir qui;
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const testsupport::TempHome home;  // puts HOME and XDG_CONFIG_HOME back afterwards
    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    platform::SetPrintService(std::make_shared<testsupport::FakePrintService>());  // no printer at all
    const int codice = testsupport::RunAsPlainUser(
        {qui.path()},
        [&] {
          if (chdir(qui.path().c_str()) != 0) return 10;
          QString detto;
          platform::SetMsgBoxHandler([&](const QString& t, int) {
            detto = t;
            return platform::vbYes;
          });
          platform::FlexGrid g;
          Fill(g, 3, {600, 3000});
          Stampa::ComandoStampa(nullptr, g);
          if (detto.contains(QStringLiteral("//"))) return 1;
          return detto.contains(QString::fromStdString(c.detto)) ? 0 : 2;
        },
        c.uid);
    EXPECT_EQ(codice, 0);
    EXPECT_TRUE(fs::is_empty(qui.path()));
  }
}

namespace {

using testsupport::FakePrintService;

class PrintService : public testsupport::ExerciseTest {
 protected:
  void TearDown() override {
    platform::SetPrintService(nullptr);
    ExerciseTest::TearDown();
  }
};

platform::PrinterStatus Stampante(const char* nome, bool predefinita, bool ferma = false) {
  platform::PrinterStatus p;
  p.name = QString::fromUtf8(nome);
  p.isDefault = predefinita;
  p.stopped = ferma;
  return p;
}

}  // namespace

// Ctrl+S in an exercise window, with the print service answering in every way it can: each
// answer is told to the pupil with its true cause; a print that cannot be made is saved as a
// PDF in the documents, the message says where; a slow service never freezes the window.
TEST_F(PrintService, EveryAnswerOfTheServiceIsToldAndNoWaitFreezesTheWindow) {
  const platform::JobOutcome rifiuto{platform::ServiceAnswer::Answered, platform::Refusal::NotAccepting, 0x0506};
  const auto rifiuta = [&](FakePrintService& s) { s.outcome = rifiuto; };
  const QString salvata = ": la stampa è stata salvata nel file\n%1";
  struct Riga {
    const char* nome;
    std::vector<platform::PrinterStatus> stampanti;  // the printers the service gives
    std::function<void(FakePrintService&)> imposta;  // how else it answers
    // The boxes after "Avvio la stampa?"; %1 where the pages were saved as a PDF in the documents.
    QStringList attesi;
    const char* stampante;  // the printer given the job; nullptr: no job made
    const char* attesa;     // the modal box of a slow service; nullptr: not slow
  };
  const Riga righe[] = {
      {"a queue that turns jobs away", {Stampante("Aula", true)}, rifiuta,
       {"64 Sto stampando", "64 La stampante «Aula» non accetta stampe in questo momento" + salvata}, "Aula", nullptr},
      {"a refusal of another kind, its code in hex", {Stampante("Aula", true)},
       [](FakePrintService& s) { s.outcome = {platform::ServiceAnswer::Answered, platform::Refusal::Other, 0x040a}; },
       {"64 Sto stampando",
        "64 Il servizio di stampa ha rifiutato la stampa sulla stampante «Aula» (errore 0x040a)" + salvata},
       "Aula", nullptr},
      {"a service that never gives its printers", {Stampante("Aula", true)},
       [](FakePrintService& s) { s.hangOnLookup = true; },
       {"64 Il servizio di stampa del sistema non ha risposto" + salvata}, nullptr, "Cerco la stampante…"},
      {"a service that never takes the job", {Stampante("Aula", true)}, [](FakePrintService& s) { s.hangOnSend = true; },
       {"64 Sto stampando", "64 Il servizio di stampa del sistema non ha risposto" + salvata}, "Aula",
       "Mando la stampa alla stampante «Aula»…"},
      {"a service that is not running", {},
       [](FakePrintService& s) { s.list.answer = platform::ServiceAnswer::NotRunning; },
       {"64 Il servizio di stampa del sistema non è attivo" + salvata}, nullptr, nullptr},
      {"one printer and no default: it prints", {Stampante("Aula", false)}, nullptr, {"64 Sto stampando"}, "Aula",
       nullptr},
      {"two printers and no default: the first, and the pupil is told",
       {Stampante("Aula", false), Stampante("Biblioteca", false)}, nullptr,
       {"64 Sto stampando", "64 Non c'è nessuna stampante predefinita: la stampa è andata alla stampante «Aula»."},
       "Aula", nullptr},
      {"the default, wherever it is listed", {Stampante("Aula", false), Stampante("Biblioteca", true)}, nullptr,
       {"64 Sto stampando"}, "Biblioteca", nullptr},
      {"a paused or unreachable printer: the job waits in its queue", {Stampante("Aula", true, true)}, nullptr,
       {"64 Sto stampando",
        "48 La stampante «Aula» è in pausa o non è raggiungibile: la stampa resta in coda e le pagine usciranno "
        "quando la stampante sarà di nuovo pronta."},
       "Aula", nullptr},
      // %2: the documents folder, which a file stands in the way of.
      {"a queue that turns jobs away, and no documents folder for the PDF", {Stampante("Aula", true)},
       [&](FakePrintService& s) {
         rifiuta(s);
         testsupport::TempDir::WriteTo(home.home() + "/Documents", "not a folder");
       },
       {"64 Sto stampando",
        "16 La stampante «Aula» non accetta stampe in questo momento e non è stato possibile salvare la stampa "
        "in\n%2\n(una parte del percorso non è una cartella)."},
       "Aula", nullptr},
  };

  auto& w = testsupport::Mostrata<Form7>();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  const QString documenti = QString::fromStdString(home.home()) + "/Documents";
  const QRegularExpression nomeStampa(QStringLiteral("^Fosku - %1 - \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d$")
                                          .arg(QRegularExpression::escape(w.windowTitle())));
  // What reaches the item's label: paintings and presses of the pointer, placed on it through
  // the window as the pupil's pointer is.
  struct Sonda : QObject {
    int dipinta = 0;
    int premuta = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      dipinta += e->type() == QEvent::Paint ? 1 : 0;
      premuta += e->type() == QEvent::MouseButtonPress ? 1 : 0;
      return false;
    }
  } sonda;
  w.Label2->installEventFilter(&sonda);
  const auto premi = [&] {
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, w.Label2->mapTo(&w, w.Label2->rect().center()));
  };
  premi();
  ASSERT_EQ(sonda.premuta, 1);  // with no box up, the press reaches the label

  for (const Riga& r : righe) {
    SCOPED_TRACE(r.nome);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));  // the keys go back to the window after every print
    QDir(documenti).removeRecursively();
    auto servizio = std::make_shared<FakePrintService>();
    servizio->list.printers = r.stampanti;
    if (r.imposta) r.imposta(*servizio);
    platform::SetPrintService(servizio);
    QStringList boxes;
    platform::SetMsgBoxHandler(testsupport::Annota(boxes, platform::vbYes, true));
    // While the program waits: what its modal box says, whether the window still paints, and
    // whether a press of the pointer on it gets through (it must not).
    QString attesa;
    bool premuto = false;
    sonda.dipinta = sonda.premuta = 0;
    QTimer controllo;
    QObject::connect(&controllo, &QTimer::timeout, [&] {
      QDialog* box = nullptr;
      for (QWidget* t : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<QDialog*>(t); d != nullptr && d->isVisible() && d->findChild<QLabel*>() != nullptr) box = d;
      }
      if (box == nullptr) return;
      attesa = box->findChild<QLabel*>()->text();
      if (!premuto) {
        premuto = true;
        sonda.dipinta = 0;
        w.Label2->update();
        premi();
      }
    });
    controllo.start(10);
    QElapsedTimer tempo;
    tempo.start();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    const qint64 durata = tempo.elapsed();
    controllo.stop();
    servizio->Release();

    const QStringList pdf = QDir(documenti).entryList({"*.pdf"}, QDir::Files);
    const bool salva = r.attesi.join("").contains("%1");
    EXPECT_EQ(pdf.size(), salva ? 1 : 0);
    const QString salvato = pdf.size() == 1 ? documenti + "/" + pdf[0] : QString();
    QStringList attesi = {"36 Avvio la stampa?"};
    for (const QString& a : r.attesi) attesi << QString(a).replace("%1", salvato).replace("%2", documenti);
    EXPECT_EQ(boxes.join("\n| ").toStdString(), attesi.join("\n| ").toStdString());
    if (salva && pdf.size() == 1) {
      EXPECT_TRUE(nomeStampa.match(pdf[0].chopped(4)).hasMatch()) << pdf[0].toStdString();
    }
    if (r.stampante == nullptr) {
      EXPECT_TRUE(servizio->jobs.empty());
    } else {
      // The job carries its name, its pages were drawn, and it was handed to the service.
      EXPECT_EQ(servizio->jobs.size(), 1u);
      if (servizio->jobs.size() != 1u) continue;
      EXPECT_EQ(servizio->jobs[0].printer.toStdString(), r.stampante);
      EXPECT_TRUE(nomeStampa.match(servizio->jobs[0].title).hasMatch()) << servizio->jobs[0].title.toStdString();
      EXPECT_TRUE(servizio->jobs[0].calls.contains("end"));
      EXPECT_FALSE(servizio->jobs[0].calls.filter("box").isEmpty());
      EXPECT_EQ(servizio->Sent(), 1);
    }
    // The waits are 300 ms: the command ends even if the service never does.
    EXPECT_LT(durata, testsupport::kHang.count());
    if (r.attesa != nullptr) {
      EXPECT_EQ(attesa.toStdString(), r.attesa);
      EXPECT_GT(sonda.dipinta, 0);   // the window went on painting
      EXPECT_EQ(sonda.premuta, 0);   // and took nothing from the pointer
    }
  }
  w.Label2->removeEventFilter(&sonda);
}
