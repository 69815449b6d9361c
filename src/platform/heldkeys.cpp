#include "platform/heldkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <map>

namespace platform {
namespace {

class HeldKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    // Decided once, where the key first reaches a control: the one with the focus (the native
    // window hands the key on to it, and it may hand it on to its containers).
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || watched != QApplication::focusWidget()) {
      return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter && key->key() != Qt::Key_Space) return false;
    Press& p = presses_[key->key()];
    const bool guarded =
        key->key() != Qt::Key_Space || !static_cast<QWidget*>(watched)->testAttribute(Qt::WA_InputMethodEnabled);
    // A time stamp the window system wrote: synthetic keys carry no native code.
    const bool stamped = key->nativeScanCode() != 0 && key->timestamp() != 0;

    if (type == QEvent::KeyPress) {
      if (key->isAutoRepeat()) return false;  // marked: the controls themselves leave it alone
      if (stamped && p.lastWasRelease && key->timestamp() == p.lastRelease) {
        return guarded;  // an unmarked repeat of a key still held
      }
      p.releaseSeen = false;  // a new press
      p.lastWasRelease = false;
      return false;
    }
    p.lastRelease = key->timestamp();
    p.lastWasRelease = stamped;
    if (key->isAutoRepeat()) return false;
    if (p.releaseSeen) return guarded;  // the press was released already
    p.releaseSeen = true;
    return false;
  }

 private:
  struct Press {
    bool releaseSeen = false;  // the first unmarked release of this press reached the program
    bool lastWasRelease = false;
    ulong lastRelease = 0;  // its time stamp, as the window system wrote it
  };
  std::map<int, Press> presses_;
};

}  // namespace

void WatchHeldKeys() {
  static HeldKeys* watch = nullptr;
  if (watch != nullptr || qApp == nullptr) return;
  watch = new HeldKeys(qApp);
  qApp->installEventFilter(watch);
}

}  // namespace platform
