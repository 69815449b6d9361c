// A command button as the windows' designs expect it: its caption wraps at word boundaries
// and stays centred when it is wider than the button, and it paints its own back colour.
#pragma once

#include <QPushButton>

namespace platform {

class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* e) override;
};

}  // namespace platform
