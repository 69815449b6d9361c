#include "services/commdlgs.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/twips.h"

namespace CommDlgs {
namespace {

FontChooser& Chooser() {
  static FontChooser chooser;
  return chooser;
}

// The style of `family` with the weight and slant asked for, by the name the font database
// gives it (the dialog finds a style by that name). Of equal ones the plainest name wins: "Book"
// before "Condensed".
QString Stile(const QString& family, bool bold, bool italic) {
  QString migliore;
  long distanzaMigliore = std::numeric_limits<long>::max();
  for (const QString& stile : QFontDatabase::styles(family)) {
    const bool inclinato = QFontDatabase::font(family, stile, 12).style() != QFont::StyleNormal;
    const long distanza =
        (std::abs(QFontDatabase::weight(family, stile) - (bold ? 700 : 400)) + (inclinato != italic ? 1000 : 0)) *
            100L +
        stile.size();
    if (distanza < distanzaMigliore) {
      distanzaMigliore = distanza;
      migliore = stile;
    }
  }
  return migliore;
}

std::optional<FontChoice> RealDialog(QWidget* owner, const FontRequest& request) {
  // The dialog opens on the target's face (the one a name such as "Arial" stands for), style
  // and size.
  const QString famiglia = QFontInfo(QFont(request.name)).family();
  QFont start(famiglia);
  if (request.pointSizeTenths > 0) start.setPointSizeF(request.pointSizeTenths / 10.0);
  start.setStyleName(Stile(famiglia, request.weight >= 700, request.italic));
  start.setUnderline(request.underline);
  QFontDialog dialogo(owner);
  dialogo.setWindowTitle(QStringLiteral("Carattere"));
  dialogo.setCurrentFont(start);
  const QString aperta = dialogo.currentFont().family();

  // A change of face keeps the pupil's style. Left to itself the dialog looks the style up by a
  // name it makes in the interface's language, finds none in Italian and takes the face's first
  // style, often a bold or slanted one.
  QFont ultimo = dialogo.currentFont();
  bool correggendo = false;
  QObject::connect(&dialogo, &QFontDialog::currentFontChanged, &dialogo, [&](const QFont& f) {
    if (correggendo) return;
    if (f.family() != ultimo.family() && f.styleName() != ultimo.styleName()) {
      QFont g = f;
      g.setStyleName(Stile(f.family(), ultimo.bold(), ultimo.italic()));
      correggendo = true;
      dialogo.setCurrentFont(g);
      correggendo = false;
    }
    ultimo = dialogo.currentFont();
  });
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  const QFont f = dialogo.selectedFont();
  FontChoice c;
  // The face the dialog opened on keeps the name it has in the settings.
  c.name = f.family() == aperta && !request.name.isEmpty() ? request.name : f.family();
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
  request.name = current.family();
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
