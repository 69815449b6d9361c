#include "services/fontfit.h"

#include <QFontMetricsF>

#include "platform/twips.h"

namespace FontFit {

double TextWidthTwips(const QFont& font, const QString& text) {
  return QFontMetricsF(font).horizontalAdvance(text) * platform::TwipsPerPixelX();
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

}  // namespace FontFit
