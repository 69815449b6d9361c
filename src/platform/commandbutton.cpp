#include "platform/commandbutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace platform {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void CommandButton::keyPressEvent(QKeyEvent* e) {
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
    e->accept();
    click();
    return;
  }
  QPushButton::keyPressEvent(e);
}

void CommandButton::paintEvent(QPaintEvent*) {
  // The button's colour flat and exact (no shading of the style), inside a thin raised edge
  // that sinks while the button is pressed.
  QPainter p(this);
  const QPalette::ColorGroup gruppo = isEnabled() ? QPalette::Active : QPalette::Disabled;
  const QColor sfondo = palette().color(gruppo, QPalette::Button);
  const QColor testo = palette().color(gruppo, QPalette::ButtonText);
  const QRect r = rect();
  p.fillRect(r, sfondo);

  const bool premuto = isDown() || isChecked();
  const QColor luce = premuto ? sfondo.darker(150) : QColor(255, 255, 255);
  const QColor ombra = premuto ? QColor(255, 255, 255) : sfondo.darker(150);
  p.setPen(QColor(64, 64, 64));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(luce);
  p.drawLine(1, 1, r.width() - 2, 1);
  p.drawLine(1, 1, 1, r.height() - 2);
  p.setPen(ombra);
  p.drawLine(1, r.height() - 2, r.width() - 2, r.height() - 2);
  p.drawLine(r.width() - 2, 1, r.width() - 2, r.height() - 2);

  QRect area = CaptionArea();
  if (premuto) area.translate(1, 1);
  const QString caption = text();
  if (!icon().isNull()) {
    // Picture alone: centred; with a caption: above it.
    const QSize is = iconSize();
    const int top = caption.isEmpty() ? area.center().y() - is.height() / 2 : area.top() + 2;
    const QRect iconRect(area.center().x() - is.width() / 2, top, is.width(), is.height());
    icon().paint(&p, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    area.setTop(iconRect.bottom() + 2);
  }
  p.setFont(font());
  p.setPen(testo);
  p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);

  if (hasFocus()) {
    // The focus: a dotted frame in the caption's colour.
    QPen tratteggio(testo, 1, Qt::DotLine);
    p.setPen(tratteggio);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(4, 4, -5, -5));
  }
}

}  // namespace platform
