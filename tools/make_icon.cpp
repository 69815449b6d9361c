// Draws the program's icon, the start window's picture on its blue, at the sizes a desktop
// asks for. Build-time tool: make_icon OUTPUT_FOLDER
// writes OUTPUT_FOLDER/NxN/apps/fosku.png for each size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

#include "app/picture_avvio.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  for (const int size : {32, 48, 64, 128, 256}) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The start window's blue, as a rounded tile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    // The book and its arrow, centred, nine tenths of the tile wide.
    const double scale = size * 0.9 / PictureAvvio::kLarghezza;
    p.translate((size - PictureAvvio::kLarghezza * scale) / 2, (size - PictureAvvio::kAltezza * scale) / 2);
    p.scale(scale, scale);
    PictureAvvio::Disegna(p);
    p.end();
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
    if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/fosku.png"))) {
      std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
