#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "platform/heldkeys.h"
#include "platform/twips.h"

namespace platform {
namespace {
std::vector<Form*>& Loaded() {
  static std::vector<Form*> loaded;
  return loaded;
}
}  // namespace

Form::Form(QWidget* parent) : QMainWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  WatchHeldKeys();  // a held key is one press in every window
}

Form::~Form() {
  auto& l = Loaded();
  l.erase(std::remove(l.begin(), l.end(), this), l.end());
}

int Form::LoadedCount() { return static_cast<int>(Loaded().size()); }
std::vector<Form*> Form::LoadedForms() { return Loaded(); }

void Form::Load() {
  surface_ = new QWidget(this);
  setCentralWidget(surface_);
  loaded_ = true;
  Loaded().push_back(this);
  inLoad_ = true;
  Form_Load();
  inLoad_ = false;
  lastSurfaceSize_ = surface_->size();
}

void Form::Show() {
  if (!loaded_) Load();
  show();
  raise();
  activateWindow();
  if (layout() != nullptr) layout()->activate();
  CheckResize();
  Form_Activate();
}

void Form::Unload() {
  if (!loaded_) return;
  // The window leaves the screen while its controls are all there: hiding it makes the toolkit
  // send its own events (the pointer crossing to what lies under it, focus, hide), and the
  // window's handlers may meet them. From then on nothing reaches them: the window's filters
  // go and the controls to be discarded send no more signals. Only then does the window drop
  // its pointers to the controls.
  hide();
  for (QObject* o : findChildren<QObject*>()) o->removeEventFilter(this);
  for (QWidget* parte : {static_cast<QWidget*>(centralWidget()), static_cast<QWidget*>(menuWidget()),
                         static_cast<QWidget*>(findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))}) {
    if (parte == nullptr) continue;
    parte->blockSignals(true);
    for (QObject* o : parte->findChildren<QObject*>()) o->blockSignals(true);
  }
  Form_Unloaded();
  loaded_ = false;
  auto& l = Loaded();
  l.erase(std::remove(l.begin(), l.end(), this), l.end());
  controls_.clear();
  // Discard the display: controls, menu bar and status bar are made anew by the next load.
  // They go later, not now: the command that unloads the window may be one of them.
  if (QWidget* old = takeCentralWidget()) {
    old->hide();
    old->deleteLater();
  }
  surface_ = nullptr;
  setMenuBar(nullptr);
  setStatusBar(nullptr);
  lastSurfaceSize_ = QSize();
  // The native window and its back buffer (a picture of the whole window, screen-sized once the
  // window covers the screen) go too: an afternoon of visits must not keep one per window.
  // The next showing makes them anew.
  destroy(true, true);
}

double Form::ScaleWidth() const { return surface_ != nullptr ? surface_->width() * TwipsPerPixelX() : 0; }
double Form::ScaleHeight() const { return surface_ != nullptr ? surface_->height() * TwipsPerPixelY() : 0; }

// The outer place and size include the window's frame, as the screen shows it. Under a window
// manager the frame is known only once the window has been framed; until then the frame of the
// last window framed stands in, and the window is placed again when its own frame arrives.
namespace {
std::function<QMargins(const Form*)>& FrameOverride() {
  static std::function<QMargins(const Form*)> f;
  return f;
}
QMargins& LearntFrame() {
  static QMargins learnt;
  return learnt;
}
}  // namespace

void Form::SetFrameOverride(std::function<QMargins(const Form*)> frame) {
  FrameOverride() = std::move(frame);
  LearntFrame() = QMargins();
}

QMargins Form::ReportedFrame() const {
  if (FrameOverride()) return FrameOverride()(this);
  const QRect f = frameGeometry();
  const QRect g = geometry();
  return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

QMargins Form::Frame() const {
  const QMargins reported = ReportedFrame();
  return reported.isNull() ? LearntFrame() : reported;
}

QRect Form::Outer() const { return geometry().marginsAdded(Frame()); }

void Form::Place(const QRect& outer) {
  const QMargins m = Frame();
  outer_ = outer;
  placedWith_ = m;
  awaitingFrame_ = ReportedFrame().isNull();
  const QRect inner = outer.marginsRemoved(m);
  setGeometry(inner.x(), inner.y(), std::max(1, inner.width()), std::max(1, inner.height()));
}

void Form::FrameArrived() {
  if (!awaitingFrame_ || !isVisible() || windowState() != Qt::WindowNoState) return;
  const QMargins reported = ReportedFrame();
  if (reported.isNull()) return;  // not framed yet (or never: no window manager)
  awaitingFrame_ = false;
  LearntFrame() = reported;
  if (reported == placedWith_) return;
  Place(outer_);  // the resize step follows; the activation step does not run again
  CheckResize();
}

double Form::Top() const { return (Outer().y() - ScreenOriginPixels().y()) * TwipsPerPixelY(); }
double Form::Left() const { return (Outer().x() - ScreenOriginPixels().x()) * TwipsPerPixelX(); }
double Form::Width() const { return Outer().width() * TwipsPerPixelX(); }
double Form::Height() const { return Outer().height() * TwipsPerPixelY(); }

void Form::SetTop(double v) {
  QRect o = Outer();
  o.moveTop(ScreenOriginPixels().y() + ToPixelsY(v));
  Place(o);
}
void Form::SetLeft(double v) {
  QRect o = Outer();
  o.moveLeft(ScreenOriginPixels().x() + ToPixelsX(v));
  Place(o);
}
void Form::SetWidth(double v) {
  QRect o = Outer();
  o.setWidth(ToPixelsX(v));
  Place(o);
  CheckResize();
}
void Form::SetHeight(double v) {
  QRect o = Outer();
  o.setHeight(ToPixelsY(v));
  Place(o);
  CheckResize();
}

void Form::CopriSchermo() {
  SetTop(0);
  SetLeft(0);
  SetHeight(ScreenHeightTwips());
  SetWidth(ScreenWidthTwips());
}

void Form::SetDesignSize(double widthTwips, double heightTwips) {
  // The outer size is the inner size plus whatever the menu bar and status bar take.
  if (layout() != nullptr) layout()->activate();
  const int extraW = width() - (surface_ != nullptr ? surface_->width() : width());
  const int extraH = height() - (surface_ != nullptr ? surface_->height() : height());
  resize(ToPixelsX(widthTwips) + std::max(0, extraW), ToPixelsY(heightTwips) + std::max(0, extraH));
  if (layout() != nullptr) layout()->activate();
  if (surface_ != nullptr && surface_->size() != QSize(ToPixelsX(widthTwips), ToPixelsY(heightTwips))) {
    // A hidden window may not have laid out yet: give the surface its size directly.
    surface_->resize(ToPixelsX(widthTwips), ToPixelsY(heightTwips));
  }
}

std::vector<QWidget*> Form::Controls() const {
  std::vector<QWidget*> out;
  for (const auto& c : controls_) {
    if (c) out.push_back(c);
  }
  return out;
}

void Form::RegisterControl(QWidget* w, double left, double top, double width, double height) {
  if (w->parentWidget() == nullptr) w->setParent(surface_);
  SetTwipsRect(w, left, top, width, height);
  controls_.emplace_back(w);
}

void Form::RegisterChildControl(QWidget* w, double left, double top, double width, double height) {
  SetTwipsRect(w, left, top, width, height);
  controls_.emplace_back(w);
}

void Form::CheckResize() {
  if (!loaded_ || surface_ == nullptr) return;
  if (layout() != nullptr) layout()->activate();
  const QSize now = surface_->size();
  if (now == lastSurfaceSize_) return;  // resize events can come late or twice with one size
  lastSurfaceSize_ = now;
  Form_Resize();
}

bool Form::event(QEvent* e) {
  const bool done = QMainWindow::event(e);
  switch (e->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
      FrameArrived();
      break;
    default:
      break;
  }
  return done;
}

void Form::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  if (!inLoad_) CheckResize();
}

void Form::closeEvent(QCloseEvent* e) {
  // The close box unloads this window like any other; with no window left the program ends,
  // and nothing is saved.
  e->accept();
  Unload();
  if (Form::LoadedCount() == 0) QCoreApplication::quit();
}

void ChangeWindow(Form* from, Form* to) {
  to->Show();
  if (from != nullptr && from != to) from->Unload();
}

void EndProgram() {
  for (Form* f : Form::LoadedForms()) f->Unload();
  QCoreApplication::quit();
}

}  // namespace platform
