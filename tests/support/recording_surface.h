// A print surface that records every drawing call, with simple fixed metrics so that a test
// can compute the expected positions by hand: every character is 100 twips wide, a line of
// text is 200 twips high.
#pragma once

#include <QString>
#include <QStringList>
#include <limits>

#include "platform/printer.h"

namespace testsupport {

class RecordingSurface : public platform::PrintSurface {
 public:
  QStringList calls;
  double pageHeight = std::numeric_limits<double>::infinity();
  double pageWidth = std::numeric_limits<double>::infinity();
  bool ended = false;
  // Where the calls are copied when the surface goes (the print command owns its surface).
  QStringList* keepCalls = nullptr;
  ~RecordingSurface() override {
    if (keepCalls != nullptr) *keepCalls = calls;
  }

  void SetOrientation(int s) override { calls << QStringLiteral("orientation %1").arg(s); }
  void SetFont(const QString& name, double size) override { calls << QStringLiteral("font %1 %2").arg(name).arg(size); }
  double TextWidth(const QString& text) override { return 100.0 * text.size(); }
  double LineHeight() override { return 200; }
  void Line(double x1, double y1, double x2, double y2) override {
    calls << QStringLiteral("line %1,%2 %3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
    CurrentX = x2;
    CurrentY = y2;
  }
  void Box(double x1, double y1, double x2, double y2) override {
    calls << QStringLiteral("box %1,%2 %3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
    CurrentX = x2;
    CurrentY = y2;
  }
  void Print(const QString& text) override {
    calls << QStringLiteral("text %1,%2 [%3]").arg(CurrentX).arg(CurrentY).arg(text);
    CurrentX += TextWidth(text);
  }
  double PageWidth() override { return pageWidth; }
  double PageHeight() override { return pageHeight; }
  void SetScale(double f) override { calls << QStringLiteral("scale %1").arg(f); }
  void NewPage() override { calls << QStringLiteral("page"); }
  bool EndDoc() override {
    ended = true;
    calls << QStringLiteral("end");
    return true;
  }
};

}  // namespace testsupport
