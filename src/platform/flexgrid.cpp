#include "platform/flexgrid.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <cmath>

#include "platform/twips.h"

namespace platform {
namespace {
Qt::Alignment ToQt(int code) {
  switch (code) {
    case flexAlignCenterCenter:
      return Qt::AlignCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}
const QColor kFixed(224, 224, 224);
constexpr int kMargineVerticale = 2;

int MargineOrizzontale(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1; }

// Draws a cell's background as the style does, then its text on the lines the grid breaks it
// into, the block of lines centred top to bottom.
class DelegatoCella : public QStyledItemDelegate {
 public:
  explicit DelegatoCella(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* w = opt.widget != nullptr ? opt.widget : grid_;
    w->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);

    const QStringList righe = grid_->RigheCella(index.row(), index.column());
    const int mx = MargineOrizzontale(grid_);
    const QRectF area = QRectF(option.rect).adjusted(mx, kMargineVerticale, -mx, -kMargineVerticale);
    const double passo = QFontMetricsF(opt.font, grid_->viewport()).lineSpacing();
    double y = area.top() + (area.height() - passo * righe.size()) / 2;
    painter->save();
    painter->setFont(opt.font);
    const auto gruppo = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->setPen(opt.palette.color(gruppo, QPalette::Text));
    const Qt::Alignment orizzontale = opt.displayAlignment & Qt::AlignHorizontal_Mask;
    for (const QString& riga : righe) {
      painter->drawText(QRectF(area.left(), y, area.width(), passo), orizzontale | Qt::AlignVCenter | Qt::TextSingleLine,
                        riga);
      y += passo;
    }
    painter->restore();
  }

 private:
  FlexGrid* grid_;
};

bool Vocale(QChar c) { return QStringLiteral("aeiouàèéìíîòóùú").contains(c.toLower()); }

// Whether an Italian word may be split into syllables right before position i: the split falls
// inside the consonants between two vowels. One consonant goes with the next vowel (ca-sa);
// of two equal ones, one stays on each side (pas-sa); l, m, n, r close the syllable (par-la,
// con-di); s and the groups that can begin a word go with the next vowel (pa-sta, ca-pra,
// fi-glio, a-gnel-lo, an-che); any other pair is split (rit-mo). Vowels are never split.
bool ConfineSillaba(const QString& w, qsizetype i) {
  if (i <= 0 || i >= w.size() || !w[i - 1].isLetter() || !w[i].isLetter()) return false;
  qsizetype a = i - 1;  // the vowel before the consonants
  while (a >= 0 && w[a].isLetter() && !Vocale(w[a])) --a;
  qsizetype b = i;  // the vowel after them
  while (b < w.size() && w[b].isLetter() && !Vocale(w[b])) ++b;
  if (a < 0 || !w[a].isLetter() || b >= w.size() || !w[b].isLetter() || b == a + 1) return false;
  qsizetype taglio = a + 1;  // one consonant, or a group that begins the next syllable
  if (b - a > 2) {
    const QChar c1 = w[a + 1].toLower();
    const QChar c2 = w[a + 2].toLower();
    const QString coppia = QString(c1) + c2;
    const bool iniziale = (QStringLiteral("bcdfgptv").contains(c1) && (c2 == 'l' || c2 == 'r')) ||
                          QStringList{"ch", "gh", "gn", "gl"}.contains(coppia);
    if (c1 == c2 || (QStringLiteral("lmnr").contains(c1)) || (c1 != 's' && !iniziale)) taglio = a + 2;
  }
  return i == taglio;
}

}  // namespace

QStringList RigheACapo(const QString& text, double width, const std::function<double(const QString&)>& measure) {
  if (width <= 0) return {QString()};
  QStringList righe;
  QString testo = text;
  testo.remove(QLatin1Char('\r'));
  for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) {
    QString resto = paragrafo;
    bool spezzato = false;
    while (measure(resto) > width) {
      // The longest leading part that fits, one character at least.
      qsizetype n = 1;
      for (qsizetype lo = 1, hi = resto.size() - 1; lo <= hi;) {
        const qsizetype mezzo = (lo + hi) / 2;
        if (measure(resto.left(mezzo)) <= width) {
          n = mezzo;
          lo = mezzo + 1;
        } else {
          hi = mezzo - 1;
        }
      }
      // Break at the last blank of that part (or the one right after it). With none, a word
      // wider than the cell is split between syllables, with a hyphen, or else where it must.
      qsizetype taglio = n;
      QString trattino;
      const qsizetype blank = resto.lastIndexOf(QLatin1Char(' '), n);
      if (blank > 0 && !resto.left(blank).trimmed().isEmpty()) {
        taglio = blank;
      } else {
        for (qsizetype p = n - 1; p > 0; --p) {
          if (ConfineSillaba(resto, p) && measure(resto.left(p) + QLatin1Char('-')) <= width) {
            taglio = p;
            trattino = QStringLiteral("-");
            break;
          }
        }
      }
      QString riga = resto.left(taglio);
      while (riga.endsWith(QLatin1Char(' '))) riga.chop(1);
      righe << riga + trattino;
      resto = resto.mid(taglio);
      while (resto.startsWith(QLatin1Char(' '))) resto.remove(0, 1);
      spezzato = true;
    }
    if (!spezzato || !resto.isEmpty()) righe << resto;
  }
  return righe;
}

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setWordWrap(true);
  setItemDelegate(new DelegatoCella(this));
  // Every row takes the height of its tallest cell (AdattaRiga).
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(model(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& a, const QModelIndex& b) {
    for (int r = a.row(); r <= b.row(); ++r) AdattaRiga(r);
  });
  connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int primo, int ultimo) {
    for (int r = primo; r <= ultimo; ++r) AdattaRiga(r);
  });
  SetRows(2);
  SetCols(2);
}

void FlexGrid::SetRows(int n) {
  const int old = rowCount();
  setRowCount(n);
  for (int r = old; r < n; ++r) {
    for (int k = 0; k < columnCount(); ++k) Restyle(r, k);
  }
  if (row_ >= n) row_ = std::max(0, n - 1);
}

void FlexGrid::SetCols(int n) {
  const int old = columnCount();
  setColumnCount(n);
  widths_.resize(static_cast<size_t>(n), 960);
  alignments_.resize(static_cast<size_t>(n), 0);
  for (int k = old; k < n; ++k) {
    setColumnWidth(k, ToPixelsX(widths_[static_cast<size_t>(k)]));
    for (int r = 0; r < rowCount(); ++r) Restyle(r, k);
  }
  if (col_ >= n) col_ = std::max(0, n - 1);
  AdattaRighe();
}

int FlexGrid::ColWidth(int k) const {
  return k >= 0 && k < static_cast<int>(widths_.size()) ? widths_[static_cast<size_t>(k)] : 0;
}

void FlexGrid::SetColWidth(int k, int twips) {
  if (k < 0 || k >= columnCount()) return;
  widths_[static_cast<size_t>(k)] = twips;
  setColumnWidth(k, ToPixelsX(twips));
  AdattaRighe();
}

void FlexGrid::SetColAlignment(int k, int code) {
  if (k < 0 || k >= columnCount()) return;
  alignments_[static_cast<size_t>(k)] = code;
  // The header row keeps its own alignment; its cells are aligned one by one.
  for (int r = 1; r < rowCount(); ++r) Item(r, k)->setTextAlignment(ToQt(code));
}

QTableWidgetItem* FlexGrid::Item(int r, int k) {
  QTableWidgetItem* it = item(r, k);
  if (it == nullptr) {
    it = new QTableWidgetItem();
    setItem(r, k, it);
    it->setTextAlignment(ToQt(r == 0 ? 0 : alignments_[static_cast<size_t>(k)]));
    if (r == 0 || k == 0) it->setBackground(kFixed);  // the header row and the number column
  }
  return it;
}

void FlexGrid::Restyle(int r, int k) { Item(r, k); }

QString FlexGrid::TextMatrix(int r, int k) const {
  const QTableWidgetItem* it = item(r, k);
  return it != nullptr ? it->text() : QString();
}

void FlexGrid::SetTextMatrix(int r, int k, const QString& text) {
  if (r < 0 || r >= rowCount() || k < 0 || k >= columnCount()) return;
  Item(r, k)->setText(text);
}

void FlexGrid::SetCellAlignment(int code) {
  if (row_ < rowCount() && col_ < columnCount()) Item(row_, col_)->setTextAlignment(ToQt(code));
}

Qt::Alignment FlexGrid::CellAlignment(int r, int k) const {
  const QTableWidgetItem* it = item(r, k);
  const Qt::Alignment a = it != nullptr ? Qt::Alignment::fromInt(it->textAlignment())
                          : ToQt(r == 0 || k < 0 || k >= columnCount() ? 0 : alignments_[static_cast<size_t>(k)]);
  return a & Qt::AlignHorizontal_Mask;
}

QFont FlexGrid::FontCella(int r, int k) const {
  const QTableWidgetItem* it = item(r, k);
  const QVariant f = it != nullptr ? it->data(Qt::FontRole) : QVariant();
  return f.isValid() ? qvariant_cast<QFont>(f).resolve(font()) : font();
}

int FlexGrid::LarghezzaTesto(int k) const {
  return columnWidth(k) - (showGrid() ? 1 : 0) - 2 * MargineOrizzontale(this);
}

QRect FlexGrid::AreaTesto(int r, int k) const {
  const int mx = MargineOrizzontale(this);
  return visualRect(model()->index(r, k)).adjusted(mx, kMargineVerticale, -mx, -kMargineVerticale);
}

QStringList FlexGrid::RigheCella(int r, int k) const {
  const QFontMetricsF fm(FontCella(r, k), viewport());
  return RigheACapo(TextMatrix(r, k), LarghezzaTesto(k), [&fm](const QString& s) { return fm.horizontalAdvance(s); });
}

void FlexGrid::AdattaRiga(int r) {
  if (r < 0 || r >= rowCount()) return;
  double altezza = 0;
  for (int k = 0; k < columnCount(); ++k) {
    const double passo = QFontMetricsF(FontCella(r, k), viewport()).lineSpacing();
    altezza = std::max(altezza, passo * static_cast<double>(RigheCella(r, k).size()));
  }
  if (columnCount() == 0) altezza = QFontMetricsF(font(), viewport()).lineSpacing();
  const int h = static_cast<int>(std::ceil(altezza)) + 2 * kMargineVerticale + (showGrid() ? 1 : 0);
  if (rowHeight(r) != h) setRowHeight(r, h);
}

void FlexGrid::AdattaRighe() {
  for (int r = 0; r < rowCount(); ++r) AdattaRiga(r);
}

void FlexGrid::changeEvent(QEvent* event) {
  QTableWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) AdattaRighe();
}

}  // namespace platform
