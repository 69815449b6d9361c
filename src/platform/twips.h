// Twips (1/1440 inch) and &H00BBGGRR colours, as the windows' designs are written, and the
// geometry of controls kept in twips so that scaling always starts from exact values.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace platform {

// Twips per pixel of the primary screen (15 at 96 dpi).
double TwipsPerPixelX();
double TwipsPerPixelY();
int ToPixelsX(double twips);
int ToPixelsY(double twips);

// The screen's width and height in twips. Tests may replace the source.
double ScreenWidthTwips();
double ScreenHeightTwips();
void SetScreenSizeOverride(std::function<QSizeF()> twipsSize);  // empty function: the real screen

// &H00BBGGRR: red in the lowest byte.
QColor VbColor(std::uint32_t bbggrr);
std::uint32_t ToVbColor(const QColor& c);

namespace colours {
constexpr std::uint32_t Rosso = 0xFF;          // wrong
constexpr std::uint32_t Verde = 0xC000;        // right
constexpr std::uint32_t Blu = 0xFF0000;
constexpr std::uint32_t AzzurroChiaro = 0xFFFFC0;  // pale cyan, neutral answer buttons
constexpr std::uint32_t GialloChiaro = 0xC0FFFF;   // light yellow
constexpr std::uint32_t Bianco = 0xFFFFFF;
constexpr std::uint32_t Nero = 0x0;
}  // namespace colours

// Paints a widget's background (and optionally its text) in a colour.
void SetBackColor(QWidget* w, std::uint32_t bbggrr);
void SetForeColor(QWidget* w, std::uint32_t bbggrr);
QColor BackColor(const QWidget* w);
QColor ForeColor(const QWidget* w);

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
