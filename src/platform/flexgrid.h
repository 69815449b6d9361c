// The results grid: rows and columns of text with a grey header row and number column,
// column widths in twips, per-column and per-cell alignment, and a current row and column.
// A text longer than its cell wraps onto more lines and its row grows to hold it: nothing is cut.
#pragma once

#include <QStringList>
#include <QTableWidget>
#include <functional>

namespace platform {

// Alignment codes of the grid: 4 is centre-centre; 0 the grid's default (left-centre).
constexpr int flexAlignLeftCenter = 1;
constexpr int flexAlignCenterCenter = 4;

// Breaks a text into the lines of a cell `width` wide, each line measured by `measure`: at a
// blank where it can (the blank goes), inside a word only when the word alone is wider than the
// cell. Line breaks in the text are kept. At least one line; every other character is kept, one
// at least on each line, except in a cell of width 0 or less, which shows nothing.
QStringList RigheACapo(const QString& text, double width, const std::function<double(const QString&)>& measure);

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
  // How a cell's text is aligned from left to right, as the grid paints it.
  Qt::Alignment CellAlignment(int r, int k) const;

  // Where a cell's text is drawn (the cell less its margins), in viewport pixels, and the lines
  // it is drawn on there, in the cell's font.
  QRect AreaTesto(int r, int k) const;
  QStringList RigheCella(int r, int k) const;
  QFont FontCella(int r, int k) const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QTableWidgetItem* Item(int r, int k);
  void Restyle(int r, int k);
  // Gives row r the height of its tallest cell.
  void AdattaRiga(int r);
  void AdattaRighe();
  int LarghezzaTesto(int k) const;
  std::vector<int> widths_;
  std::vector<int> alignments_;
  int row_ = 0;
  int col_ = 0;
};

}  // namespace platform
