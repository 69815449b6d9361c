// Reading colours off a rendered widget: its background is the colour most of its pixels have,
// its caption the pixel that stands out most from it.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <cmath>
#include <map>
#include <ostream>

#include "support/qt_print.h"  // colours in a failure message as (red, green, blue)

namespace testsupport {

inline QImage Rendered(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The contrast ratio of the accessibility guidelines (WCAG 2): 1 to 21.
inline double Contrast(const QColor& a, const QColor& b) {
  auto lum = [](const QColor& c) {
    auto lin = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
  };
  const double x = lum(a), y = lum(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

inline QColor Background(const QImage& img, QRect area = {}) {
  if (area.isNull()) area = img.rect();
  std::map<QRgb, int> count;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++count[img.pixel(x, y)];
  }
  QRgb best = 0;
  int most = -1;
  for (const auto& [rgb, n] : count) {
    if (n > most) best = rgb, most = n;
  }
  return QColor(best);
}

// The pixel of `area` whose colour contrasts most with `background`: the core of the letters.
inline QColor MostContrasting(const QImage& img, const QColor& background, QRect area = {}) {
  if (area.isNull()) area = img.rect();
  QColor best = background;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c(img.pixel(x, y));
      if (Contrast(c, background) > Contrast(best, background)) best = c;
    }
  }
  return best;
}

}  // namespace testsupport
