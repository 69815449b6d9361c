// Modal message boxes by the codes the windows use: 16 (OK, critical icon), 36 (Yes and No,
// question icon), 48 (OK, warning icon), 64 (OK, information icon). The answer Yes is 6, No is 7, OK is 1.
// Every box carries the title "Fosku".
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

constexpr int vbOKOnly = 0;
constexpr int vbCritical = 16;
constexpr int vbYesNoQuestion = 36;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

int MsgBox(QWidget* parent, const QString& text, int code = vbOKOnly);

// Tests answer message boxes through a handler instead of a real modal box: it receives the
// text and the code and returns the button pressed. An empty handler restores the real box.
using MsgBoxHandler = std::function<int(const QString& text, int code)>;
void SetMsgBoxHandler(MsgBoxHandler handler);

}  // namespace platform
