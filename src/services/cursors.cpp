#include "services/cursors.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace Cursori {

QCursor Puntatore() {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QPolygonF shape;
  shape << QPointF(2, 2) << QPointF(2, 24) << QPointF(8, 18) << QPointF(13, 29) << QPointF(17, 27)
        << QPointF(12, 16) << QPointF(20, 16);
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(QColor(0, 190, 0));
  p.drawPolygon(shape);
  return QCursor(pm, 2, 2);
}

}  // namespace Cursori
