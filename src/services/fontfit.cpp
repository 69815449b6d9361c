#include "services/fontfit.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>

#include "platform/twips.h"

namespace FontFit {

double TextWidthTwips(const QFont& font, const QString& text) {
  return QFontMetricsF(font).horizontalAdvance(text) * platform::TwipsPerPixelX();
}

bool EntraNelRiquadro(const QFont& font, const QString& text, const QRect& area) {
  const QRect r = QFontMetrics(font).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
  return r.width() <= area.width() && r.height() <= area.height();
}

int FitPointSize(const QString& face, const QString& probe, double widthTwips, int startPoints, int capPoints) {
  QFont f(face);
  int size = startPoints;
  f.setPointSize(size);
  double width = TextWidthTwips(f, probe);
  while (width < widthTwips && size < capPoints) {
    f.setPointSize(size + 1);
    const double wider = TextWidthTwips(f, probe);
    if (wider <= width) break;  // the text stopped growing (empty, or a font that cannot grow)
    ++size;
    width = wider;
  }
  return size;
}

namespace {

bool Fits(const QString& face, int size, const QStringList& texts, double widthTwips, double heightTwips) {
  QFont f(face);
  f.setPointSize(size);
  if (QFontMetricsF(f).height() * platform::TwipsPerPixelY() > heightTwips) return false;
  for (const QString& t : texts) {
    if (TextWidthTwips(f, t) > widthTwips) return false;
  }
  return true;
}

}  // namespace

int LargestFittingSize(const QString& face, const QStringList& texts, double widthTwips, double heightTwips,
                       int maxPoints) {
  return LargestSize(1, std::max(maxPoints, 1), [&](int size) { return Fits(face, size, texts, widthTwips, heightTwips); });
}

int LargestSize(int minPoints, int maxPoints, const std::function<bool(int)>& fits) {
  if (maxPoints <= minPoints || fits(maxPoints)) return maxPoints;
  int lo = minPoints, hi = maxPoints;  // hi never fits; lo is the answer when nothing above it fits
  while (hi - lo > 1) {
    const int mid = lo + (hi - lo) / 2;
    if (fits(mid)) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return lo;
}

}  // namespace FontFit
