// A surface to print on, measured and drawn in twips: the system printer, a PDF file, images
// of the pages, or a recording that tests read back.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace platform {

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  // 1 portrait, 2 landscape; written before any output.
  virtual void SetOrientation(int setting) = 0;
  virtual void SetFont(const QString& name, double size) = 0;
  virtual double TextWidth(const QString& text) = 0;
  virtual double LineHeight() = 0;
  double CurrentX = 0;
  double CurrentY = 0;
  virtual void Line(double x1, double y1, double x2, double y2) = 0;
  virtual void Box(double x1, double y1, double x2, double y2) = 0;
  // Prints at the current position without ending the line: CurrentX moves by the text's width.
  virtual void Print(const QString& text) = 0;
  // CurrentX back to 0, CurrentY down one line.
  void EndLine() {
    CurrentX = 0;
    CurrentY += LineHeight();
  }
  // The printable page size in twips (infinite when the surface has no pages).
  virtual double PageWidth() { return std::numeric_limits<double>::infinity(); }
  virtual double PageHeight() { return std::numeric_limits<double>::infinity(); }
  // Scales every later drawing (a table wider than the page is scaled to fit).
  virtual void SetScale(double factor) = 0;
  virtual void NewPage() = 0;
  // Ends the job; false when it could not be finished.
  virtual bool EndDoc() = 0;
  // False when the job could not be started (no printer, a file that cannot be written).
  virtual bool IsOk() const { return true; }
};

// A surface on the system's default printer; IsOk() is false when there is none.
std::unique_ptr<PrintSurface> SystemPrinter();
// What became of a PDF file once its job ended: the path it took, or why it could not be
// written (in Italian).
struct PdfOutcome {
  QString path;
  QString failure;
};
// A surface that writes an A4 PDF file at `path`. The pages go to a temporary file beside it,
// which takes its name only once whole (a failed or killed print leaves nothing under the name)
// and never over an entry already there: a file, a folder, a pipe or a link (even one to
// nothing) takes the name, and the file is named as `path` with " (2)", " (3)"… before its
// extension instead. `outcome`, when given, is filled when the job ends.
std::unique_ptr<PrintSurface> PdfSurface(const QString& path, PdfOutcome* outcome = nullptr);
// A surface that paints the pages of that same A4 layout into images, one per page (its
// printable area, white, `dotsPerInch` pixels to the inch), appended to `pages` as they begin:
// the pages as they come out of the printer, through the same drawing code.
std::unique_ptr<PrintSurface> ImagePages(std::vector<QImage>* pages, double dotsPerInch = 144);
// True when the system has a printer to print on.
bool HasPrinter();

// Tests and the PDF preview replace the system printer through this factory.
using PrinterFactory = std::function<std::unique_ptr<PrintSurface>()>;
void SetPrinterFactory(PrinterFactory factory);  // empty: the system printer
// The surface the print command uses; nullptr when the system has no printer.
std::unique_ptr<PrintSurface> Printer();

}  // namespace platform
