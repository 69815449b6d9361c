// The results grid: rows and columns of text with a grey header row and number column,
// column widths in twips, per-column and per-cell alignment, and a current row and column.
#pragma once

#include <QTableWidget>

namespace platform {

// Alignment codes of the grid: 4 is centre-centre; 0 the grid's default (left-centre).
constexpr int flexAlignLeftCenter = 1;
constexpr int flexAlignCenterCenter = 4;

class FlexGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit FlexGrid(QWidget* parent = nullptr);

  int Rows() const { return rowCount(); }
  void SetRows(int n);
  int Cols() const { return columnCount(); }
  void SetCols(int n);
  // Column widths in twips, kept exactly as set.
  int ColWidth(int k) const;
  void SetColWidth(int k, int twips);
  void SetColAlignment(int k, int code);

  QString TextMatrix(int r, int k) const;
  void SetTextMatrix(int r, int k, const QString& text);

  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetRow(int r) { row_ = r; }
  void SetCol(int k) { col_ = k; }
  // The alignment of the current cell.
  void SetCellAlignment(int code);

 private:
  QTableWidgetItem* Item(int r, int k);
  void Restyle(int r, int k);
  std::vector<int> widths_;
  std::vector<int> alignments_;
  int row_ = 0;
  int col_ = 0;
};

}  // namespace platform
