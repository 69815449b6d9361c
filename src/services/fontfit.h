// Font fitting: the size at which a probe text fills a given width.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

namespace FontFit {

// The largest size needed: starting at `startPoints`, grows one point at a time while the
// probe text in `face` is narrower than `widthTwips`. Stops at `capPoints`, or as soon as one
// more point no longer widens the text, so an empty text or a zero width never loops.
int FitPointSize(const QString& face, const QString& probe, double widthTwips, int startPoints = 12,
                 int capPoints = 400);

// The largest size, from 1 to `maxPoints`, at which every text in `face` is at most `widthTwips`
// wide and a line of text at most `heightTwips` high; 1 when not even that size fits. A binary
// search: a handful of measures whatever the sizes.
int LargestFittingSize(const QString& face, const QStringList& texts, double widthTwips, double heightTwips,
                       int maxPoints);

// The largest size from `minPoints` to `maxPoints` for which `fits` holds (sizes that fit lie
// below sizes that do not); `minPoints` when none does, and `maxPoints` itself when it is not above
// `minPoints`. A binary search, so it always ends.
int LargestSize(int minPoints, int maxPoints, const std::function<bool(int)>& fits);

// True when the text, wrapped at blanks, lies inside `area` (pixels) in the font: no word wider
// than the area, no more lines than its height holds.
bool EntraNelRiquadro(const QFont& font, const QString& text, const QRect& area);

// The width of a text in a font, in twips (what an auto-sizing label's width would be).
double TextWidthTwips(const QFont& font, const QString& text);

}  // namespace FontFit
