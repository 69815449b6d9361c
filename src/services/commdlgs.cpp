#include "services/commdlgs.h"

#include <QFontDialog>
#include <QWidget>
#include <cmath>

#include "platform/twips.h"

namespace CommDlgs {
namespace {

FontChooser& Chooser() {
  static FontChooser chooser;
  return chooser;
}

std::optional<FontChoice> RealDialog(QWidget* owner, const FontRequest& request) {
  // The dialog starts from the default face with the target's style and size.
  QFont start;
  if (request.pointSizeTenths > 0) start.setPointSizeF(request.pointSizeTenths / 10.0);
  start.setBold(request.weight >= 700);
  start.setItalic(request.italic);
  start.setUnderline(request.underline);
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, start, owner, QStringLiteral("Carattere"));
  if (!ok) return std::nullopt;
  FontChoice c;
  c.name = f.family();
  c.pointSizeTenths = static_cast<int>(std::lround(f.pointSizeF() * 10));
  c.weight = f.weight();
  c.italic = f.italic();
  c.underline = f.underline();
  return c;
}

}  // namespace

void SetFontChooser(FontChooser chooser) { Chooser() = std::move(chooser); }

bool ShowFontDialog(QWidget* owner, QWidget* target) {
  const QFont current = target->font();
  FontRequest request;
  request.weight = current.bold() ? 700 : 0;
  request.italic = current.italic();
  request.underline = current.underline();
  request.pointSizeTenths = static_cast<int>(platform::RoundHalfEven(current.pointSizeF() * 10));
  const auto choice = Chooser() ? Chooser()(owner, request) : RealDialog(owner, request);
  if (!choice) return false;
  QFont f = target->font();
  f.setBold(choice->weight >= 700);
  f.setItalic(choice->italic);
  f.setUnderline(choice->underline);
  f.setFamily(choice->name);
  f.setPointSize(static_cast<int>(platform::RoundHalfEven(choice->pointSizeTenths / 10.0)));
  target->setFont(f);
  return true;
}

}  // namespace CommDlgs
