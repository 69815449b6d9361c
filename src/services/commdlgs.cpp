#include "services/commdlgs.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QListView>
#include <QStyledItemDelegate>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>

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

// Shows the style names of the style list in Italian; the list keeps the font files' own names,
// by which the dialog finds the style chosen.
class StileInItaliano : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QString displayText(const QVariant& value, const QLocale&) const override {
    return NomeStileItaliano(value.toString());
  }
};

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

  // The style names as the pupil reads them: in the list and in the box above it.
  const auto liste = dialogo.findChildren<QListView*>();  // faces, styles, sizes
  if (liste.size() == 3) {
    QListView* stili = liste[1];
    stili->setItemDelegate(new StileInItaliano(stili));
    const QModelIndex corrente = stili->currentIndex();
    for (QLineEdit* casella : dialogo.findChildren<QLineEdit*>()) {
      if (!corrente.isValid() || casella->text() != corrente.data().toString()) continue;
      auto traduci = [casella](const QString& t) {
        const QString italiano = NomeStileItaliano(t);
        if (italiano != t) casella->setText(italiano);
      };
      QObject::connect(casella, &QLineEdit::textChanged, casella, traduci);
      traduci(casella->text());
      break;
    }
  }

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

QString NomeStileItaliano(const QString& stile) {
  static const std::map<QString, QString> kParole = {
      {"regular", "normale"},     {"normal", "normale"},       {"book", "normale"},
      {"roman", "normale"},       {"plain", "normale"},        {"bold", "grassetto"},
      {"italic", "corsivo"},      {"oblique", "obliquo"},      {"light", "chiaro"},
      {"extralight", "extrachiaro"}, {"ultralight", "extrachiaro"}, {"thin", "sottile"},
      {"medium", "medio"},        {"semibold", "semigrassetto"}, {"demibold", "semigrassetto"},
      {"extrabold", "extragrassetto"}, {"ultrabold", "extragrassetto"}, {"black", "nero"},
      {"heavy", "nero"},          {"condensed", "condensato"}, {"expanded", "espanso"},
      {"narrow", "stretto"},      {"wide", "largo"}};
  QStringList parole;
  const QStringList originali = stile.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString& p : originali) {
    const auto trovata = kParole.find(p.toLower());
    const QString italiana = trovata == kParole.end() ? p : trovata->second;
    // "Normale" stands alone: "Book Oblique" is "Obliquo".
    if (italiana == QStringLiteral("normale") && originali.size() > 1) continue;
    parole << (parole.isEmpty() ? italiana.left(1).toUpper() + italiana.mid(1) : italiana.toLower());
  }
  return parole.isEmpty() ? stile : parole.join(QLatin1Char(' '));
}

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
