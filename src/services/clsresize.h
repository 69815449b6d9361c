// Scales every control of one window in proportion to the window's inner size, always from the
// design layout recorded once, so repeated resizing never drifts. A control whose tag begins
// with "@" is scaled only in the letters L, T, W, H that the tag holds.
#pragma once

#include <QPointer>
#include <QRectF>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/form.h"

class clsResize {
 public:
  clsResize() = default;
  ~clsResize();  // release: the table is emptied and the window dropped
  clsResize(const clsResize&) = delete;
  clsResize& operator=(const clsResize&) = delete;

  void SourceForm(platform::Form* New_SourceForm);
  // Sizes the window to Percent % of the screen and centres it.
  void SizeFormToScreen(std::uint8_t Percent);
  void ResizeControls();

  long BaseWidth() const { return BaseWidth_; }
  long BaseHeight() const { return BaseHeight_; }

 private:
  struct ControlRecord {
    QPointer<QWidget> control;
    long Left = 0, Top = 0, Width = 0, Height = 0;
  };
  void Initialise();

  QPointer<platform::Form> SourceForm_;
  long BaseWidth_ = 0;
  long BaseHeight_ = 0;
  std::vector<ControlRecord> ControlTable_;
  bool FirstTime_ = true;
};

namespace Module1 {
// The program's one resizer, bound to the window loaded last.
extern std::unique_ptr<clsResize> Ridimensiona;
// What the load step of every window does first: a new resizer bound to the window, which
// sizes it to 75 % of the screen and centres it.
void NuovoRidimensiona(platform::Form* form);
}  // namespace Module1
