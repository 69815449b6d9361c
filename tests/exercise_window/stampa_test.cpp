#include <gtest/gtest.h>

#include <QFile>

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
  g.SetTextMatrix(0, 1, "Testo");  // 500 wide: cut to 3 characters (300)
  g.SetTextMatrix(1, 0, "12");     // exactly 200: printed whole
  g.SetTextMatrix(1, 1, "abc");
  RecordingSurface s;
  Stampa::StampaGriglia(s, g, 2, 2);
  const QStringList expected = {
      "orientation 1",
      "font Arial 10",
      "text 62,62 []",
      "text 382,62 [Tes]",
      // row 1: rule at 62 + 60 + 200 (line end) = 322
      "line 2,322 802,322",
      "text 62,382 [12]",
      "text 382,382 [abc]",
      // bottom: 382 + 60 + 200 = 642
      "box 2,2 802,642",
      "line 322,2 322,642",
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

TEST(Printing, FitTextNeverLoopsAndCutsFromTheEnd) {
  RecordingSurface s;
  struct Case {
    QString text;
    double width;
    QString expected;
  };
  const Case cases[] = {{"", 0, ""}, {"", 100, ""}, {"abcdef", 350, "abc"}, {"abc", 300, "abc"}, {"abc", 0, ""},
                        {"abc", -10, ""}};
  for (const auto& c : cases) EXPECT_EQ(Stampa::AdattaTestoLarghezza(s, c.text, c.width), c.expected) << c.text.toStdString();
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

  // No printer: the pupil is told, and nothing is announced.
  boxes.clear();
  platform::SetPrinterFactory([]() -> std::unique_ptr<platform::PrintSurface> { return nullptr; });
  Stampa::ComandoStampa(nullptr, g);
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_TRUE(boxes[1].startsWith("16 "));
  EXPECT_FALSE(boxes.contains("64 Sto stampando"));

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
