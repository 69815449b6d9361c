// Twips (1/1440 inch), as the windows' designs are written, and the geometry of controls kept
// in twips so that scaling always starts from exact values. The designs' colours are in
// platform/colours.h, which comes with this header.
#pragma once

#include <QPoint>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>

#include "platform/colours.h"

class QWidget;

namespace platform {

// Twips per pixel of the primary screen (15 at 96 dpi).
double TwipsPerPixelX();
double TwipsPerPixelY();
int ToPixelsX(double twips);
int ToPixelsY(double twips);

// The screen in pixels: all of it, and the area windows may take (all of it less the panels
// and docks at its edges, which may lie at the top or the left).
struct ScreenAreas {
  QRect whole;
  QRect available;
};
// The primary screen, or what a test describes in its place.
ScreenAreas CurrentScreen();
// Tests describe the screen (an empty function: the real one).
void SetScreenOverride(std::function<ScreenAreas()> screen);
// Tests give the screen's size in twips, with nothing at its edges: the screen and its available
// area start at (0, 0). An empty function: the real screen.
void SetScreenSizeOverride(std::function<QSizeF()> twipsSize);

// The width and height of the screen's available area, in twips.
double ScreenWidthTwips();
double ScreenHeightTwips();
// The top-left corner of the screen's available area, in pixels: where a window's Top and Left
// of 0 lie.
QPoint ScreenOriginPixels();

// A control's place in its container, in twips. The value set is kept exactly (a control may
// be handed a fractional twip); the widget is placed at the nearest pixel.
QRectF TwipsRect(const QWidget* w);
void SetTwipsRect(QWidget* w, const QRectF& r);
void SetTwipsRect(QWidget* w, double left, double top, double width, double height);
void SetLeft(QWidget* w, double v);
void SetTop(QWidget* w, double v);
void SetWidth(QWidget* w, double v);
void SetHeight(QWidget* w, double v);

// A control's Tag text.
QString Tag(const QWidget* w);
void SetTag(QWidget* w, const QString& tag);

// Nearest whole number, a half going to the even neighbour.
long RoundHalfEven(double v);

}  // namespace platform
