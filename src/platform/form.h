// The window lifecycle of the program. A window object lives for the whole run; loading it
// builds its controls (the load step), each showing by the program runs its activation step
// once, a real change of its size runs its resize step, and unloading discards its controls
// (the object stays, and the next showing loads it again). Exactly one window is loaded
// between two user actions; closing the last one ends the program.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QRectF>
#include <QSize>
#include <functional>
#include <vector>

namespace platform {

class Form : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form(QWidget* parent = nullptr);
  ~Form() override;

  // Loads the window if it is not loaded, shows it and runs its activation step.
  void Show();
  // Discards the window's controls and hides it. Returns at once when it is not loaded.
  void Unload();
  bool IsLoaded() const { return loaded_; }

  // The window's inner area (where its controls live) in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;

  // The window's outer place on the screen, in twips, its frame and title bar included, from
  // the top-left corner of the screen's available area.
  double Top() const;
  double Left() const;
  double Width() const;
  double Height() const;
  void SetTop(double v);
  void SetLeft(double v);
  void SetWidth(double v);
  void SetHeight(double v);
  // Moves the window to the top-left corner and gives it the screen's height and width.
  void CopriSchermo();

  // The frame the window system puts around the window (title bar and borders), in pixels:
  // what it reports now, or, before it has framed this window, the frame it gave the last
  // window it framed. Null with no window manager.
  QMargins Frame() const;
  // Tests stand in for the window system's report of a window's frame (an empty function: the
  // real one). Setting it also forgets the frame learnt so far.
  static void SetFrameOverride(std::function<QMargins(const Form*)> frame);

  // The controls of the window in creation order (the resizer scales these).
  std::vector<QWidget*> Controls() const;
  // The surface the controls are placed on.
  QWidget* Surface() const { return surface_; }

  // Every window object that is loaded now.
  static int LoadedCount();
  static std::vector<Form*> LoadedForms();

 protected:
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Resize() {}
  // Called by Unload before the controls go: the window drops its pointers to them.
  virtual void Form_Unloaded() {}

  // Sets the inner area to its design size in twips (called first in a load step).
  void SetDesignSize(double widthTwips, double heightTwips);
  // Registers a control placed on the surface at a design rectangle in twips.
  template <class W>
  W* AddControl(W* w, double left, double top, double width, double height) {
    RegisterControl(w, left, top, width, height);
    return w;
  }
  void RegisterControl(QWidget* w, double left, double top, double width, double height);
  // Registers a control that another control contains (its rectangle is in its container's twips).
  void RegisterChildControl(QWidget* w, double left, double top, double width, double height);

  bool event(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 // Runs the resize step when the inner area's size really changed.
  void CheckResize();

 private:
  void Load();
  // The frame as the window system reports it now (null before it has framed the window).
  QMargins ReportedFrame() const;
  // The outer rectangle in pixels that the window has now, with the frame as far as known.
  QRect Outer() const;
  // Puts the window so that its frame fills the outer rectangle.
  void Place(const QRect& outer);
  // The frame became known: if it is not the one the window was placed with, place it again.
  void FrameArrived();

  bool loaded_ = false;
  bool inLoad_ = false;
  QWidget* surface_ = nullptr;
  std::vector<QPointer<QWidget>> controls_;
  QSize lastSurfaceSize_;
  // The outer rectangle the program asked for last, the frame it was placed with, and whether
  // that frame was a guess made before the window system framed the window.
  QRect outer_;
  QMargins placedWith_;
  bool awaitingFrame_ = false;
};

// The change of window: show the target (loading and activating it), then unload the caller.
void ChangeWindow(Form* from, Form* to);

// Ends the program at once: every loaded window is discarded without further window steps.
void EndProgram();

// The one instance of a window class, created the first time it is referred to and kept for
// the whole run.
template <class T>
T& Instance() {
  static T* instance = new T();
  return *instance;
}

}  // namespace platform
