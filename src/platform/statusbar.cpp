#include "platform/statusbar.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/twips.h"

namespace platform {

StatusBar::StatusBar(int panels, QWidget* parent) : QStatusBar(parent) {
  setSizeGripEnabled(false);
  for (int i = 0; i < panels; ++i) {
    auto* l = new QLabel(this);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(120);
    l->installEventFilter(this);
    addWidget(l, 1);
    panels_.push_back(l);
  }
}

QLabel* StatusBar::Panel(int i) const {
  return i >= 1 && i <= static_cast<int>(panels_.size()) ? panels_[static_cast<size_t>(i - 1)] : nullptr;
}

QString StatusBar::PanelText(int i) const {
  QLabel* p = Panel(i);
  return p != nullptr ? p->text() : QString();
}

void StatusBar::SetPanelText(int i, const QString& text) {
  if (QLabel* p = Panel(i)) p->setText(text);
}

void StatusBar::SetHeightTwips(double twips) { setFixedHeight(ToPixelsY(twips)); }

void StatusBar::SetPanelTakesFocus(int i) {
  QLabel* p = Panel(i);
  if (p == nullptr) return;
  p->setFocusPolicy(Qt::TabFocus);
  p->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted palette(window-text); }"));
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
  bool click = event->type() == QEvent::MouseButtonRelease;
  if (event->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(event);
    click = !k->isAutoRepeat() && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter || k->key() == Qt::Key_Space);
  }
  if (click) {
    for (size_t k = 0; k < panels_.size(); ++k) {
      if (watched == panels_[k]) {
        emit PanelClick(static_cast<int>(k) + 1);
        return event->type() == QEvent::KeyPress;
      }
    }
  }
  return QStatusBar::eventFilter(watched, event);
}

}  // namespace platform
