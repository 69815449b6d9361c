#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QWidget>
#include <functional>

#include "exercise_window/stampa.h"
#include "platform/flexgrid.h"
#include "platform/msgbox.h"
#include "support/recording_surface.h"
#include "support/temp_dirs.h"

using testsupport::RecordingSurface;

namespace {

void Fill(platform::FlexGrid& g, int rows, const std::vector<int>& widths) {
  g.SetCols(static_cast<int>(widths.size()));
  g.SetRows(rows);
  for (size_t k = 0; k < widths.size(); ++k) g.SetColWidth(static_cast<int>(k), widths[k]);
  QFont f("Arial");
  f.setPointSize(10);
  g.setFont(f);
}

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

TEST(Printing, ALongGridGoesOnToTheNextPage) {
  platform::FlexGrid g;
  Fill(g, 10, {500});
  for (int r = 0; r < 10; ++r) g.SetTextMatrix(r, 0, QString::number(r));
  RecordingSurface s;
  s.pageHeight = 1500;  // rows are 320 high: four rows fit from the top at 2
  Stampa::StampaGriglia(s, g, 2, 2);
  EXPECT_EQ(s.calls.count("page"), 2);
  // Every page is boxed; every row's text is printed once, in order.
  EXPECT_EQ(s.calls.filter("box").size(), 3);
  QStringList texts = s.calls.filter("text");
  ASSERT_EQ(texts.size(), 10);
  for (int r = 0; r < 10; ++r) EXPECT_TRUE(texts[r].endsWith(QStringLiteral("[%1]").arg(r))) << texts[r].toStdString();
  // The first row after a page break starts again at the top.
  const int page = static_cast<int>(s.calls.indexOf("page"));
  EXPECT_EQ(s.calls[page + 1], "text 62,62 [4]");
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

TEST(PrintCommand, AsksAnnouncesPrintsAndEnds) {
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
  platform::SetMsgBoxHandler([&](const QString& t, int code) {
    boxes << QStringLiteral("%1 %2").arg(code).arg(t);
    return platform::vbNo;
  });
  Stampa::ComandoStampa(nullptr, g);
  EXPECT_EQ(boxes, QStringList{"36 Avvio la stampa?"});
  EXPECT_EQ(made, 0);

  // "Yes": announced, then printed and ended.
  boxes.clear();
  bool endedAtAnnouncement = true;
  platform::SetMsgBoxHandler([&](const QString& t, int code) {
    boxes << QStringLiteral("%1 %2").arg(code).arg(t);
    if (t == "Sto stampando" && last != nullptr) endedAtAnnouncement = last->ended;
    return platform::vbYes;
  });
  Stampa::ComandoStampa(nullptr, g);
  EXPECT_EQ(boxes, (QStringList{"36 Avvio la stampa?", "64 Sto stampando"}));
  EXPECT_FALSE(endedAtAnnouncement);
  EXPECT_EQ(made, 1);
  ASSERT_FALSE(printed.isEmpty());
  EXPECT_TRUE(printed.contains("box 2,2 482,322"));
  EXPECT_EQ(printed.last(), "end");

  platform::SetPrinterFactory({});
  platform::SetMsgBoxHandler({});
}

TEST(PrintCommand, PrintsARealPdf) {
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
  platform::SetPrinterFactory({});
  platform::SetMsgBoxHandler({});
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

TEST(PrintCommand, WithoutAPrinterThePagesGoToAPdfInTheDocuments) {
  testsupport::TempHome home;
  const QString documenti = QString::fromStdString(home.home()) + "/Documents";
  QWidget finestra;
  finestra.setWindowTitle(QStringLiteral("Verbi: 1°/2° \"prova\""));
  platform::SetPrinterFactory([]() -> std::unique_ptr<platform::PrintSurface> { return nullptr; });
  struct Caso {
    const char* nome;
    int righe;
    std::function<void()> prima;  // what the documents folder looks like before the print
    bool salvato;
    int pagine;
    rlim_t spazio = RLIM_INFINITY;  // the room the disk has left for the file
  };
  const Caso casi[] = {
      {"folder missing, one page", 3, [&] { QDir(documenti).removeRecursively(); }, true, 1},
      {"same minute, two pages: a new file", 60, [] {}, true, 2},
      {"the folder cannot be made", 3,
       [&] {
         QDir(documenti).removeRecursively();
         testsupport::TempDir::WriteTo(documenti.toStdString(), "not a folder");
       },
       false, 0},
      // A nearly full disk cuts the file at 4 KiB: no reader opens that, so it is no print.
      {"the disk fills up", 60, [&] { QFile::remove(documenti); }, false, 0, 4096},
  };
  QStringList scritti;
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    c.prima();
    platform::FlexGrid g;
    Fill(g, c.righe, {600, 3000});
    for (int r = 0; r < c.righe; ++r) g.SetTextMatrix(r, 1, QStringLiteral("che noi fossimo arrivati %1").arg(r));
    QStringList boxes;
    platform::SetMsgBoxHandler([&](const QString& t, int code) {
      boxes << QStringLiteral("%1 %2").arg(code).arg(t);
      return platform::vbYes;
    });
    // A file-size limit stands for the full disk: writes past it fail as on a full disk.
    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const rlimit prima = limite;
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    limite.rlim_cur = c.spazio;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    Stampa::ComandoStampa(&finestra, g);
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, segnale);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0], "36 Avvio la stampa?");
    const QStringList files = QDir(documenti).entryList({"*.pdf"}, QDir::Files, QDir::Name);
    if (!c.salvato) {
      EXPECT_TRUE(boxes[1].startsWith("16 ")) << boxes[1].toStdString();
      EXPECT_TRUE(boxes[1].contains(documenti)) << boxes[1].toStdString();
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
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PaginePdf(bytes), c.pagine);
  }
  platform::SetPrinterFactory({});
  platform::SetMsgBoxHandler({});
}
