// The font dialog: the pupil picks a font, which is applied to one label's font.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace CommDlgs {

// What the pupil confirmed in the dialog.
struct FontChoice {
  QString name;
  int pointSizeTenths = 0;  // the size in tenths of a point
  int weight = 400;         // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
};

// The starting point handed to the dialog: the target's face as the settings name it, its
// style and size.
struct FontRequest {
  QString name;
  int pointSizeTenths = 0;
  int weight = 0;
  bool italic = false;
  bool underline = false;
};

// Shows the modal font dialog owned by `owner` and applies the choice to `target`'s font, in
// this order: bold (weight 700 and above), italic, underline, name, size (tenths rounded to
// whole points, a half to the even neighbour). Returns true when the pupil confirmed; on cancel
// the target is left as it was.
bool ShowFontDialog(QWidget* owner, QWidget* target);

// A style name of a font file as the dialog shows it, in Italian: "Regular" and "Book" are
// "Normale", "Bold Italic" is "Grassetto corsivo", "Condensed Bold Oblique" is "Condensato
// grassetto obliquo"; a word it does not know stays as it is.
QString NomeStileItaliano(const QString& stile);

// Tests answer the dialog through a chooser instead of the real modal dialog.
using FontChooser = std::function<std::optional<FontChoice>(QWidget* owner, const FontRequest&)>;
void SetFontChooser(FontChooser chooser);  // empty: the real dialog

}  // namespace CommDlgs
