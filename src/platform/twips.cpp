#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {
constexpr const char* kTwipsRect = "fosku_twipsRect";
constexpr const char* kTag = "fosku_tag";

std::function<ScreenAreas()>& ScreenOverride() {
  static std::function<ScreenAreas()> f;
  return f;
}

QScreen* Screen() { return QGuiApplication::primaryScreen(); }
}  // namespace

double TwipsPerPixelX() {
  QScreen* s = Screen();
  const double dpi = s != nullptr ? s->logicalDotsPerInchX() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double TwipsPerPixelY() {
  QScreen* s = Screen();
  const double dpi = s != nullptr ? s->logicalDotsPerInchY() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int ToPixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int ToPixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

ScreenAreas CurrentScreen() {
  if (ScreenOverride()) return ScreenOverride()();
  QScreen* s = Screen();
  if (s == nullptr) return {QRect(0, 0, 800, 600), QRect(0, 0, 800, 600)};
  return {s->geometry(), s->availableGeometry()};
}

void SetScreenOverride(std::function<ScreenAreas()> screen) { ScreenOverride() = std::move(screen); }

void SetScreenSizeOverride(std::function<QSizeF()> twipsSize) {
  if (!twipsSize) {
    ScreenOverride() = nullptr;
    return;
  }
  ScreenOverride() = [twipsSize] {
    const QSizeF t = twipsSize();
    const QRect r(0, 0, static_cast<int>(std::lround(t.width() / TwipsPerPixelX())),
                  static_cast<int>(std::lround(t.height() / TwipsPerPixelY())));
    return ScreenAreas{r, r};
  };
}

// Windows take the available area, never the whole screen: a panel at an edge stays in view.
double ScreenWidthTwips() { return CurrentScreen().available.width() * TwipsPerPixelX(); }
double ScreenHeightTwips() { return CurrentScreen().available.height() * TwipsPerPixelY(); }
QPoint ScreenOriginPixels() { return CurrentScreen().available.topLeft(); }

QRectF TwipsRect(const QWidget* w) {
  const QVariant v = w->property(kTwipsRect);
  if (v.isValid()) return v.toRectF();
  const QRect g = w->geometry();
  return QRectF(g.x() * TwipsPerPixelX(), g.y() * TwipsPerPixelY(), g.width() * TwipsPerPixelX(),
                g.height() * TwipsPerPixelY());
}

void SetTwipsRect(QWidget* w, const QRectF& r) {
  w->setProperty(kTwipsRect, r);
  const int x = ToPixelsX(r.left());
  const int y = ToPixelsY(r.top());
  const int right = ToPixelsX(r.left() + r.width());
  const int bottom = ToPixelsY(r.top() + r.height());
  w->setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
}

void SetTwipsRect(QWidget* w, double left, double top, double width, double height) {
  SetTwipsRect(w, QRectF(left, top, width, height));
}

void SetLeft(QWidget* w, double v) {
  QRectF r = TwipsRect(w);
  r.moveLeft(v);
  SetTwipsRect(w, r);
}
void SetTop(QWidget* w, double v) {
  QRectF r = TwipsRect(w);
  r.moveTop(v);
  SetTwipsRect(w, r);
}
void SetWidth(QWidget* w, double v) {
  QRectF r = TwipsRect(w);
  r.setWidth(v);
  SetTwipsRect(w, r);
}
void SetHeight(QWidget* w, double v) {
  QRectF r = TwipsRect(w);
  r.setHeight(v);
  SetTwipsRect(w, r);
}

QString Tag(const QWidget* w) { return w->property(kTag).toString(); }
void SetTag(QWidget* w, const QString& tag) { w->setProperty(kTag, tag); }

long RoundHalfEven(double v) { return std::lrint(v); }  // the default rounding mode is to even

}  // namespace platform
