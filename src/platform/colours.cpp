#include "platform/colours.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPalette>
#include <QRadioButton>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {

constexpr const char* kOwnForeColor = "fosku_ownForeColor";

// A disabled caption keeps this much contrast: the minimum and a margin for the softened edges
// of the letters.
constexpr double kDisabledContrast = 5.0;

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor& from, const QColor& to, double t) {
  return QColor::fromRgb(static_cast<int>(std::lround(from.red() + (to.red() - from.red()) * t)),
                         static_cast<int>(std::lround(from.green() + (to.green() - from.green()) * t)),
                         static_cast<int>(std::lround(from.blue() + (to.blue() - from.blue()) * t)));
}

bool HasIndicator(const QWidget* w) {
  return qobject_cast<const QCheckBox*>(w) != nullptr || qobject_cast<const QRadioButton*>(w) != nullptr;
}

// The mark of a check box or option button: black on the white of its box, enabled or not, so a
// chosen option can be told from the others on any background.
void LegibleIndicator(QPalette& p) {
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
}

// A frame drawn as a plain line around its inside, its caption above it: the style's own frame
// shades the inside, which would no longer be the frame's colour.
void PlainFrame(QGroupBox* g) {
  const QString margin = g->title().isEmpty() ? QStringLiteral("3px") : QStringLiteral("1.3em");
  g->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid rgb(128, 128, 128); margin-top: %1; }"
                                  "QGroupBox::title { subcontrol-origin: margin; left: 2px; }")
                       .arg(margin));
}

}  // namespace

QColor VbColor(std::uint32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

std::uint32_t ToVbColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

double RelativeLuminance(const QColor& c) {
  return 0.2126 * Linear(c.red()) + 0.7152 * Linear(c.green()) + 0.0722 * Linear(c.blue());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LegibleTextColour(const QColor& back, bool enabled) {
  const QColor black(0, 0, 0), white(255, 255, 255);
  const QColor text = ContrastRatio(back, black) >= ContrastRatio(back, white) ? black : white;
  if (enabled || ContrastRatio(back, text) <= kDisabledContrast) return text;
  // The furthest tone towards the background that still keeps the disabled contrast.
  double legible = 0.0, tooFar = 1.0;
  for (int i = 0; i < 20; ++i) {
    const double t = (legible + tooFar) / 2;
    if (ContrastRatio(back, Mix(text, back, t)) >= kDisabledContrast) {
      legible = t;
    } else {
      tooFar = t;
    }
  }
  return Mix(text, back, legible);
}

void SetBackColor(QWidget* w, std::uint32_t v) {
  QPalette p = w->palette();
  const QColor c = VbColor(v);
  // Only the widget's own background role: a container's colour must not reach the buttons on it.
  p.setColor(QPalette::Window, c);
  p.setColor(w->backgroundRole(), c);
  if (!w->property(kOwnForeColor).toBool()) {
    const QColor enabledText = LegibleTextColour(c, true);
    p.setColor(QPalette::Active, w->foregroundRole(), enabledText);
    p.setColor(QPalette::Inactive, w->foregroundRole(), enabledText);
    p.setColor(QPalette::Disabled, w->foregroundRole(), LegibleTextColour(c, false));
  }
  if (HasIndicator(w)) LegibleIndicator(p);
  w->setPalette(p);
  w->setAutoFillBackground(true);
  if (auto* g = qobject_cast<QGroupBox*>(w)) PlainFrame(g);
}

void SetForeColor(QWidget* w, std::uint32_t v) {
  QPalette p = w->palette();
  p.setColor(w->foregroundRole(), VbColor(v));
  if (HasIndicator(w)) LegibleIndicator(p);
  w->setPalette(p);
  w->setProperty(kOwnForeColor, true);
}

void LegibleWhenDisabled(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Disabled, w->foregroundRole(),
             LegibleTextColour(p.color(QPalette::Disabled, w->backgroundRole()), false));
  w->setPalette(p);
}

QColor BackColor(const QWidget* w) { return w->palette().color(w->backgroundRole()); }
QColor ForeColor(const QWidget* w) { return w->palette().color(w->foregroundRole()); }

}  // namespace platform
