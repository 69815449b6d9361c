#include "app/picture_avvio.h"

#include <QPainter>
#include <QPainterPath>

namespace PictureAvvio {

void Disegna(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 120), 2));
  p.setBrush(QColor(255, 250, 230));
  QPainterPath left;
  left.moveTo(32, 12);
  left.cubicTo(24, 6, 12, 6, 4, 10);
  left.lineTo(4, 42);
  left.cubicTo(12, 38, 24, 38, 32, 44);
  left.closeSubpath();
  p.drawPath(left);
  QPainterPath right;
  right.moveTo(32, 12);
  right.cubicTo(40, 6, 52, 6, 60, 10);
  right.lineTo(60, 42);
  right.cubicTo(52, 38, 40, 38, 32, 44);
  right.closeSubpath();
  p.drawPath(right);
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
