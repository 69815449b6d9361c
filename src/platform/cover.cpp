#include "platform/cover.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace platform {
namespace {

class Cover : public QObject {
 public:
  explicit Cover(QWidget* over) : QObject(over), over_(over) { over->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == over_) {
      if (event->type() == QEvent::Show && !active_) {
        Activate();
      } else if (event->type() == QEvent::Hide && active_ && over_->isHidden()) {
        Deactivate();  // hidden itself, not merely with its window
      }
      return false;
    }
    if (!active_ || !watched->isWidgetType() || !Covered(static_cast<QWidget*>(watched))) return false;
    switch (event->type()) {
      case QEvent::FocusIn:
        // Tab, the program or the window's activation gave the focus to a covered widget.
        TakeFocus();
        return true;
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
        return true;
      default:
        return false;
    }
  }

 private:
  bool Covered(const QWidget* w) const {
    const QWidget* surface = over_->parentWidget();
    return w != over_ && w != surface && surface != nullptr && surface->isAncestorOf(w) && !over_->isAncestorOf(w);
  }

  void Activate() {
    active_ = true;
    previous_ = over_->window()->focusWidget();
    if (previous_ != nullptr && !Covered(previous_)) previous_ = nullptr;
    qApp->installEventFilter(this);
    TakeFocus();
  }

  // The focus goes on top when the covering widget takes it, else to nothing at all.
  void TakeFocus() {
    if (over_->focusPolicy() != Qt::NoFocus) {
      over_->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* f = over_->window()->focusWidget(); f != nullptr && Covered(f)) {
      f->clearFocus();
    }
  }

  void Deactivate() {
    active_ = false;
    qApp->removeEventFilter(this);
    if (previous_ != nullptr && previous_->isVisible() && previous_->isEnabled()) {
      previous_->setFocus(Qt::OtherFocusReason);
    }
    previous_ = nullptr;
  }

  QWidget* over_;
  QPointer<QWidget> previous_;
  bool active_ = false;
};

}  // namespace

void CoverWhenShown(QWidget* over) {
  if (over != nullptr) new Cover(over);
}

}  // namespace platform
