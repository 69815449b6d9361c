#include "app/picture_avvio.h"

#include <QPainter>
#include <QPainterPath>

namespace PictureAvvio {

void Disegna(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 120), 2));
  p.setBrush(QColor(255, 250, 230));
  // The two pages, each the mirror of the other about the spine at x = 32.
  for (const double lato : {-1.0, 1.0}) {
    auto x = [lato](double dx) { return 32 + lato * dx; };
    QPainterPath pagina;
    pagina.moveTo(x(0), 12);
    pagina.cubicTo(x(8), 6, x(20), 6, x(28), 10);
    pagina.lineTo(x(28), 42);
    pagina.cubicTo(x(20), 38, x(8), 38, x(0), 44);
    pagina.closeSubpath();
    p.drawPath(pagina);
  }
  p.setPen(QPen(QColor(150, 150, 170), 1));
  for (int y = 18; y <= 34; y += 6) {
    p.drawLine(9, y, 27, y + 1);
    p.drawLine(37, y + 1, 55, y);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 170, 0));
  QPolygonF arrow;
  arrow << QPointF(20, 22) << QPointF(40, 22) << QPointF(40, 15) << QPointF(54, 27)
        << QPointF(40, 39) << QPointF(40, 32) << QPointF(20, 32);
  p.drawPolygon(arrow);
  p.restore();
}

}  // namespace PictureAvvio
