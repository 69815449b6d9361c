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

std::function<QSizeF()>& ScreenOverride() {
  static std::function<QSizeF()> f;
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

double ScreenWidthTwips() {
  if (ScreenOverride()) return ScreenOverride()().width();
  QScreen* s = Screen();
  return s != nullptr ? s->availableGeometry().width() * TwipsPerPixelX() : 800 * 15.0;
}

double ScreenHeightTwips() {
  if (ScreenOverride()) return ScreenOverride()().height();
  QScreen* s = Screen();
  return s != nullptr ? s->availableGeometry().height() * TwipsPerPixelY() : 600 * 15.0;
}

QPoint ScreenOriginPixels() {
  if (ScreenOverride()) return QPoint(0, 0);
  QScreen* s = Screen();
  return s != nullptr ? s->availableGeometry().topLeft() : QPoint(0, 0);
}

void SetScreenSizeOverride(std::function<QSizeF()> twipsSize) { ScreenOverride() = std::move(twipsSize); }

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
