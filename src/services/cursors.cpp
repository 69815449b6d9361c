#include "services/cursors.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace Cursori {

const QCursor& Puntatore() {
  // Drawn once: the menu gives it to each of its buttons at every visit.
  static const QCursor* const cursore = [] {
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
    p.end();
    return new QCursor(pm, 2, 2);  // kept until the program ends, past the application object
  }();
  return *cursore;
}

}  // namespace Cursori
