#include "platform/flexgrid.h"

#include <QHeaderView>

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
}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setWordWrap(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
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
}

int FlexGrid::ColWidth(int k) const {
  return k >= 0 && k < static_cast<int>(widths_.size()) ? widths_[static_cast<size_t>(k)] : 0;
}

void FlexGrid::SetColWidth(int k, int twips) {
  if (k < 0 || k >= columnCount()) return;
  widths_[static_cast<size_t>(k)] = twips;
  setColumnWidth(k, ToPixelsX(twips));
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

}  // namespace platform
