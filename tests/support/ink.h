// Reading what was painted: the ink of a page or a widget (pixels darker than a threshold), the
// lines of text it makes, and the ruled table of a printed page.
#pragma once

#include <QImage>
#include <QRect>
#include <utility>
#include <vector>

namespace testsupport {

// A run of pixel rows or columns, first and last included.
using Span = std::pair<int, int>;

inline bool Ink(const QImage& img, int x, int y, int threshold = 160) { return qGray(img.pixel(x, y)) < threshold; }

// The rows of `area` that hold ink, grouped into lines of text: rows with ink, one after the
// other, make one line; a row without ink parts two lines.
inline std::vector<Span> InkLines(const QImage& img, const QRect& area, int threshold = 160) {
  std::vector<Span> lines;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    bool ink = false;
    for (int x = area.left(); x <= area.right() && !ink; ++x) ink = Ink(img, x, y, threshold);
    if (!ink) continue;
    if (!lines.empty() && lines.back().second == y - 1) {
      lines.back().second = y;
    } else {
      lines.push_back({y, y});
    }
  }
  return lines;
}

// The smallest rectangle holding all the ink of `area` (null when there is none).
inline QRect InkBox(const QImage& img, const QRect& area, int threshold = 160) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (Ink(img, x, y, threshold)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// The ruled table on a printed page: its horizontal rules (the box's top and bottom among them)
// from top to bottom and its vertical lines (the box's sides among them) from left to right,
// each the rows or columns of black it takes. A rule is a row black over most of the table's
// width; a vertical line a column black over most of its height.
struct PrintedTable {
  std::vector<Span> rules;
  std::vector<Span> columns;
  int left = 0, right = -1;

  // The inside of row band i (between rule i and rule i + 1) and column c.
  QRect Cell(size_t band, size_t column) const {
    return QRect(QPoint(columns[column].second + 1, rules[band].second + 1),
                 QPoint(columns[column + 1].first - 1, rules[band + 1].first - 1));
  }
  size_t Bands() const { return rules.empty() ? 0 : rules.size() - 1; }
};

inline PrintedTable ReadTable(const QImage& page) {
  auto group = [](std::vector<Span>& spans, int i) {
    if (!spans.empty() && spans.back().second == i - 1) {
      spans.back().second = i;
    } else {
      spans.push_back({i, i});
    }
  };
  PrintedTable t;
  // The longest black run of each row: the box's width is the longest of all.
  std::vector<Span> runs(static_cast<size_t>(page.height()), Span{0, -1});
  int widest = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0, start = -1; x <= page.width(); ++x) {
      const bool black = x < page.width() && Ink(page, x, y, 64);
      if (black && start < 0) start = x;
      if (!black && start >= 0) {
        if (x - start > runs[static_cast<size_t>(y)].second - runs[static_cast<size_t>(y)].first + 1) {
          runs[static_cast<size_t>(y)] = {start, x - 1};
        }
        start = -1;
      }
    }
    widest = std::max(widest, runs[static_cast<size_t>(y)].second - runs[static_cast<size_t>(y)].first + 1);
  }
  if (widest < 20) return t;
  for (int y = 0; y < page.height(); ++y) {
    const Span r = runs[static_cast<size_t>(y)];
    if (r.second - r.first + 1 >= widest * 9 / 10) {
      group(t.rules, y);
      t.left = r.first;
      t.right = r.second;
    }
  }
  const int top = t.rules.front().first, bottom = t.rules.back().second;
  for (int x = t.left; x <= t.right; ++x) {
    int black = 0;
    for (int y = top; y <= bottom; ++y) black += Ink(page, x, y, 64) ? 1 : 0;
    if (black >= (bottom - top + 1) * 9 / 10) group(t.columns, x);
  }
  return t;
}

}  // namespace testsupport
