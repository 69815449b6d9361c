#include "platform/commandbutton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

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
  QStylePainter p(this);
  QStyleOptionButton opt;
  initStyleOption(&opt);
  const QString caption = opt.text;
  const QIcon icon = opt.icon;
  opt.text.clear();
  opt.icon = QIcon();
  p.drawControl(QStyle::CE_PushButton, opt);
  opt.icon = icon;
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
  QRect textArea = area;
  if (!opt.icon.isNull()) {
    // Picture above the caption.
    const QSize is = opt.iconSize;
    // Picture alone: centred; with a caption: above it.
    const int top = caption.isEmpty() ? area.center().y() - is.height() / 2 : area.top() + 2;
    const QRect iconRect(area.center().x() - is.width() / 2, top, is.width(), is.height());
    opt.icon.paint(&p, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    textArea.setTop(iconRect.bottom() + 2);
  }
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

}  // namespace platform
