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

constexpr const char* kColoreProprio = "fosku_coloreTesto";

// A disabled caption keeps this much contrast: the minimum and a margin for the softened edges
// of the letters.
constexpr double kContrastoDisabilitato = 5.0;

double Lineare(int canale) {
  const double c = canale / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor Miscela(const QColor& da, const QColor& a, double t) {
  return QColor::fromRgb(static_cast<int>(std::lround(da.red() + (a.red() - da.red()) * t)),
                         static_cast<int>(std::lround(da.green() + (a.green() - da.green()) * t)),
                         static_cast<int>(std::lround(da.blue() + (a.blue() - da.blue()) * t)));
}

bool HaIndicatore(const QWidget* w) {
  return qobject_cast<const QCheckBox*>(w) != nullptr || qobject_cast<const QRadioButton*>(w) != nullptr;
}

// The mark of a check box or option button: black on the white of its box, enabled or not, so a
// chosen option can be told from the others on any background.
void IndicatoreLeggibile(QPalette& p) {
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
}

// A frame drawn as a plain line around its inside, its caption above it: the style's own frame
// shades the inside, which would no longer be the frame's colour.
void CorniceSemplice(QGroupBox* g) {
  const QString margine = g->title().isEmpty() ? QStringLiteral("3px") : QStringLiteral("1.3em");
  g->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid rgb(128, 128, 128); margin-top: %1; }"
                                  "QGroupBox::title { subcontrol-origin: margin; left: 2px; }")
                       .arg(margine));
}

}  // namespace

QColor VbColor(std::uint32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

std::uint32_t ToVbColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

double RelativeLuminance(const QColor& c) {
  return 0.2126 * Lineare(c.red()) + 0.7152 * Lineare(c.green()) + 0.0722 * Lineare(c.blue());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LegibleTextColour(const QColor& back, bool enabled) {
  const QColor nero(0, 0, 0), bianco(255, 255, 255);
  const QColor testo = ContrastRatio(back, nero) >= ContrastRatio(back, bianco) ? nero : bianco;
  if (enabled || ContrastRatio(back, testo) <= kContrastoDisabilitato) return testo;
  // The furthest tone towards the background that still keeps the disabled contrast.
  double leggibile = 0.0, troppo = 1.0;
  for (int i = 0; i < 20; ++i) {
    const double t = (leggibile + troppo) / 2;
    if (ContrastRatio(back, Miscela(testo, back, t)) >= kContrastoDisabilitato) {
      leggibile = t;
    } else {
      troppo = t;
    }
  }
  return Miscela(testo, back, leggibile);
}

void SetBackColor(QWidget* w, std::uint32_t v) {
  QPalette p = w->palette();
  const QColor c = VbColor(v);
  // Only the widget's own background role: a container's colour must not reach the buttons on it.
  p.setColor(QPalette::Window, c);
  p.setColor(w->backgroundRole(), c);
  if (!w->property(kColoreProprio).toBool()) {
    const QColor attivo = LegibleTextColour(c, true);
    p.setColor(QPalette::Active, w->foregroundRole(), attivo);
    p.setColor(QPalette::Inactive, w->foregroundRole(), attivo);
    p.setColor(QPalette::Disabled, w->foregroundRole(), LegibleTextColour(c, false));
  }
  if (HaIndicatore(w)) IndicatoreLeggibile(p);
  w->setPalette(p);
  w->setAutoFillBackground(true);
  if (auto* g = qobject_cast<QGroupBox*>(w)) CorniceSemplice(g);
}

void SetForeColor(QWidget* w, std::uint32_t v) {
  QPalette p = w->palette();
  p.setColor(w->foregroundRole(), VbColor(v));
  if (HaIndicatore(w)) IndicatoreLeggibile(p);
  w->setPalette(p);
  w->setProperty(kColoreProprio, true);
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
