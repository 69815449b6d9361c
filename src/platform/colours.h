// The windows' colours: &H00BBGGRR values as the designs write them, painted flat and exactly,
// with captions that stay legible on them (black or white, whichever reads better; a disabled
// control's caption a softer tone that still reads).
#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace platform {

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

// The contrast ratio of two colours as the accessibility guidelines measure it: 1 (the same
// luminance) to 21 (black on white); a caption needs at least 4.5.
double RelativeLuminance(const QColor& c);
double ContrastRatio(const QColor& a, const QColor& b);

// The caption colour for a background: black or white, whichever contrasts more. For a disabled
// control, a tone between that and the background that keeps a clear margin over 4.5, so a
// disabled caption looks disabled and still reads.
QColor LegibleTextColour(const QColor& back, bool enabled = true);

// Paints a control's background flat in a colour (a container's colour does not reach the
// buttons on it). Unless the control was given a caption colour of its own (SetForeColor), its
// caption takes the legible colour for that background, enabled and disabled.
void SetBackColor(QWidget* w, std::uint32_t bbggrr);
// Gives a control's caption a colour of its own, the same enabled and disabled. A check box's or
// option button's mark keeps its own legible colour on the white of its box.
void SetForeColor(QWidget* w, std::uint32_t bbggrr);
// Keeps the caption of a control without a colour of its own (a text box) legible once it is
// disabled, on the background the style gives it then.
void LegibleWhenDisabled(QWidget* w);
QColor BackColor(const QWidget* w);
QColor ForeColor(const QWidget* w);

}  // namespace platform
