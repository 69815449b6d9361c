// How a failing check shows the Qt values it compared: as text, not as a dump of their bytes.
// Every window test gets this header first (tests/CMakeLists.txt).
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '{';
  for (qsizetype i = 0; i < l.size(); ++i) {
    if (i > 0) *os << ", ";
    PrintTo(l[i], os);
  }
  *os << '}';
}

inline void PrintTo(const QColor& c, std::ostream* os) {
  *os << '(' << c.red() << ", " << c.green() << ", " << c.blue();
  if (c.alpha() != 255) *os << ", alpha " << c.alpha();
  *os << ')';
}

inline void PrintTo(const QPoint& p, std::ostream* os) { *os << '(' << p.x() << ", " << p.y() << ')'; }

inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << 'x' << s.height(); }

inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.width() << 'x' << r.height() << " at (" << r.x() << ", " << r.y() << ')';
}
