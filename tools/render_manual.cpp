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
#include <QTextDocument>
#include <QTextFrame>
#include <QTextFrameFormat>

#include <cstdio>

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's drawing units

int Fail(const char* what, const QString& detail) {
  std::fprintf(stderr, "render_manual: %s %s\n", what, qPrintable(detail));
  return 1;
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

  const int pages = doc.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) writer.newPage();
    const QRectF view(0, page * bodyHeight, width, bodyHeight);
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
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
