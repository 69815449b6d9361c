// Renders the pupil's manual (an HTML file) to an A4 PDF with page numbers.
// Build-time tool: render_manual INPUT.html OUTPUT.pdf

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QTextFrame>
#include <QTextFrameFormat>

#include <cstdio>
#include <set>

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's drawing units

int Fail(const char* what, const QString& detail) {
  std::fprintf(stderr, "render_manual: %s %s\n", what, qPrintable(detail));
  return 1;
}

// The page a height of the document falls on. A line cut by a page's foot starts on the next page
// (a hair early, in the layout's units).
int PageAt(qreal y, qreal pageHeight) { return static_cast<int>((y + 1) / pageHeight); }

// True when the block has lines on both sides of a page's foot.
bool Straddles(const QTextDocument& doc, const QTextBlock& block, qreal pageHeight) {
  const QTextLayout* layout = block.layout();
  if (layout == nullptr || layout->lineCount() < 2) return false;
  const qreal top = doc.documentLayout()->blockBoundingRect(block).top();
  const QTextLine first = layout->lineAt(0);
  const QTextLine last = layout->lineAt(layout->lineCount() - 1);
  return PageAt(top + first.y(), pageHeight) != PageAt(top + last.y(), pageHeight);
}

// A table whose header row stands alone at a page's foot, its first row of content on the next.
QTextTable* HeaderAlone(const QTextDocument& doc, qreal pageHeight, const std::set<QTextTable*>& moved) {
  for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (table == nullptr || table->rows() < 2 || moved.contains(table)) continue;
    const auto top = [&](int row) {
      return doc.documentLayout()->blockBoundingRect(table->cellAt(row, 0).firstCursorPosition().block()).top();
    };
    if (PageAt(top(0), pageHeight) != PageAt(top(1), pageHeight)) return table;
  }
  return nullptr;
}

// Starts on a new page every paragraph, list item or table that a page's foot would cut through
// a paragraph, and every table whose header row the foot would part from the rows below it. Qt
// draws the line of a cut paragraph just above a page on that page too, out of sight but in the
// PDF's text, so that copying, searching or reading the page aloud would meet it twice. (A table
// longer than a page is left as it is.)
void KeepParagraphsWhole(QTextDocument& doc, qreal pageHeight) {
  std::set<QTextTable*> moved;
  for (int round = 0; round < 200; ++round) {
    doc.pageCount();  // the whole document laid out
    QTextBlock cut;
    for (QTextBlock b = doc.begin(); b.isValid() && !cut.isValid(); b = b.next()) {
      if (!Straddles(doc, b, pageHeight)) continue;
      QTextTable* table = QTextCursor(b).currentTable();
      if (table == nullptr || !moved.contains(table)) cut = b;
    }
    QTextTable* table = cut.isValid() ? QTextCursor(cut).currentTable() : HeaderAlone(doc, pageHeight, moved);
    if (table != nullptr) {
      QTextTableFormat f = table->format();
      f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      table->setFormat(f);
      moved.insert(table);
    } else if (cut.isValid()) {
      QTextBlockFormat f = cut.blockFormat();
      f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(cut).setBlockFormat(f);
    } else {
      return;
    }
  }
}

// A hyphen that begins a word («-ettero», «-isc-») is no place to break a line, as the newer
// line-breaking rules of Unicode say and Qt's do not yet: a word joiner after it keeps the ending
// whole. The body's font has no glyph for the joiner, and the fallback font's height would raise
// its line: the joiner is set tiny.
void KeepEndingsWhole(QTextDocument& doc) {
  static const QRegularExpression kHyphen(QStringLiteral("(?<!\\S)-(?=\\w)"));
  for (QTextCursor c = doc.find(kHyphen); !c.isNull(); c = doc.find(kHyphen, c)) {
    QTextCharFormat f = c.charFormat();
    f.setFontPointSize(1);
    c.clearSelection();
    c.insertText(QString(QChar(0x2060)), f);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // No display is needed, nor wanted, at build time.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  if (argc != 3) {
    std::fprintf(stderr, "usage: render_manual INPUT.html OUTPUT.pdf\n");
    return 2;
  }
  const QString input = QString::fromLocal8Bit(argv[1]);
  const QString output = QString::fromLocal8Bit(argv[2]);

  QFile source(input);
  if (!source.open(QIODevice::ReadOnly)) return Fail("cannot read", input);
  const QString html = QString::fromUtf8(source.readAll());
  source.close();

  QPdfWriter writer(output);
  writer.setResolution(kResolution);
  writer.setTitle(QStringLiteral("Fosku - Manuale"));
  writer.setCreator(QStringLiteral("Fosku"));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(18, 16, 18, 14), QPageLayout::Millimeter));

  QPainter painter;
  if (!painter.begin(&writer)) return Fail("cannot write", output);

  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(&writer);  // point sizes measured at the PDF's resolution
  QFont base;
  base.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans")});
  base.setPointSizeF(11);
  doc.setDefaultFont(base);
  doc.setHtml(html);
  KeepEndingsWhole(doc);
  QTextFrameFormat root = doc.rootFrame()->frameFormat();
  root.setMargin(0);
  doc.rootFrame()->setFrameFormat(root);

  // The printable area of a page, less a strip at its foot for the page number.
  QFont footerFont = base;
  footerFont.setPointSizeF(9);
  const QFontMetricsF footerMetrics(footerFont, &writer);
  const qreal width = writer.width();
  const qreal footer = footerMetrics.height() * 2.5;
  const qreal bodyHeight = writer.height() - footer;
  doc.setTextWidth(width);
  doc.setPageSize(QSizeF(width, bodyHeight));

  KeepParagraphsWhole(doc, bodyHeight);
  const int pages = doc.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) writer.newPage();
    const QRectF view(0, page * bodyHeight, width, bodyHeight);
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    // The layout draws every line that meets the clip, also one that only starts on its lower
    // edge: the first line of the next page would stand, clipped from sight but whole in the
    // PDF's text, at the foot of this one. A clip a hair inside the page keeps it off.
    context.clip = view.adjusted(0, 0, 0, -0.5);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(footerFont);
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(0, bodyHeight, width, footer), Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("Fosku – pagina %1 di %2").arg(page + 1).arg(pages));
  }
  painter.end();

  std::printf("render_manual: %s, %d pages\n", qPrintable(output), pages);
  return 0;
}
