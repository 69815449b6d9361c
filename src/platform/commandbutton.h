// A command button as the windows' designs expect it: its caption wraps at word boundaries
// and stays centred when it is wider than the button, it paints its back colour flat, and Enter
// presses it when it has the focus.
#pragma once

#include <QPushButton>

namespace platform {

class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

  // Where the caption is drawn: inside the button's edge, with a margin.
  QRect CaptionArea() const { return rect().adjusted(4, 4, -4, -4); }

 protected:
  void paintEvent(QPaintEvent* e) override;
  // Enter on the button that has the focus presses it, as Space does.
  void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace platform
