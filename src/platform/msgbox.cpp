#include "platform/msgbox.h"

#include <QMessageBox>

namespace platform {
namespace {
MsgBoxHandler& Handler() {
  static MsgBoxHandler h;
  return h;
}
}  // namespace

void SetMsgBoxHandler(MsgBoxHandler handler) { Handler() = std::move(handler); }

int MsgBox(QWidget* parent, const QString& text, int code) {
  if (Handler()) return Handler()(text, code);
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Fosku"));
  box.setText(text);
  const int icon = code & 0x70;
  box.setIcon(icon == vbCritical ? QMessageBox::Critical
              : icon == 32       ? QMessageBox::Question
              : icon == vbInformation ? QMessageBox::Information
              : icon == 48       ? QMessageBox::Warning
                                 : QMessageBox::NoIcon);
  if ((code & 0x0F) == 4) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return vbOK;
}

}  // namespace platform
