#include "platform/printer.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {
namespace {

// Draws through a QPainter on a paint device whose resolution gives twips: the painter is
// scaled so that one unit is one twip.
class PainterSurface : public PrintSurface {
 public:
  // `file`, when given, is where `device` writes: the job counts as done only when every byte
  // reached it.
  explicit PainterSurface(std::unique_ptr<QPagedPaintDevice> device, std::unique_ptr<QFile> file = nullptr)
      : file_(std::move(file)), device_(std::move(device)) {}

  void SetOrientation(int setting) override {
    if (begun_) return;  // only before any output
    device_->setPageOrientation(setting == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  void SetFont(const QString& name, double size) override {
    font_ = QFont(name);
    font_.setPointSizeF(size > 0 ? size : 10);
    if (begun_) painter_.setFont(font_);
  }
  double TextWidth(const QString& text) override { return Metrics().horizontalAdvance(text); }
  double LineHeight() override { return Metrics().height(); }
  void Line(double x1, double y1, double x2, double y2) override {
    if (!Begin()) return;
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    CurrentX = x2;
    CurrentY = y2;
  }
  void Box(double x1, double y1, double x2, double y2) override {
    if (!Begin()) return;
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    CurrentX = x2;
    CurrentY = y2;
  }
  void Print(const QString& text) override {
    if (!Begin()) return;
    painter_.drawText(QPointF(CurrentX, CurrentY + Metrics().ascent()), text);
    CurrentX += TextWidth(text);
  }
  double PageWidth() override { return Layout().width() / scale_; }
  double PageHeight() override { return Layout().height() / scale_; }
  void SetScale(double factor) override {
    scale_ = factor > 0 ? factor : 1;
    if (begun_) ApplyTransform();
  }
  void NewPage() override {
    if (Begin()) device_->newPage();
  }
  bool EndDoc() override {
    if (!begun_) Begin();  // an empty job still makes its (empty) document
    bool done = ok_ && painter_.end();
    if (file_ != nullptr) {
      // A full disk cuts the file short while the painter goes on as if nothing were wrong:
      // only the file's own state tells.
      done = done && file_->flush() && file_->error() == QFileDevice::NoError;
      file_->close();
      done = done && file_->error() == QFileDevice::NoError;
    }
    return done;
  }
  bool IsOk() const override { return ok_; }
  // The job cannot be done at all (its file could not be made).
  void Fail() {
    begun_ = true;
    ok_ = false;
  }

 private:
  QRectF Layout() const {
    // The printable area in twips.
    return device_->pageLayout().paintRect(QPageLayout::Point).adjusted(0, 0, 0, 0).isEmpty()
               ? QRectF(0, 0, 11906, 16838)
               : QRectF(QPointF(0, 0), device_->pageLayout().paintRect(QPageLayout::Point).size() * 20.0);
  }
  QFontMetricsF Metrics() {
    // Metrics in device units, converted to twips.
    QFont f = font_;
    return QFontMetricsF(f, device_.get());
  }
  void ApplyTransform() {
    const double unitsPerTwip = device_->logicalDpiX() / 1440.0;
    painter_.resetTransform();
    painter_.scale(unitsPerTwip * scale_, unitsPerTwip * scale_);
  }
  bool Begin() {
    if (begun_) return ok_;
    begun_ = true;
    ok_ = painter_.begin(device_.get());
    if (ok_) {
      painter_.setFont(font_);
      painter_.setPen(QPen(Qt::black, 0));
      ApplyTransform();
    }
    return ok_;
  }

  std::unique_ptr<QFile> file_;  // outlives the device that writes to it
  std::unique_ptr<QPagedPaintDevice> device_;
  QPainter painter_;
  QFont font_;
  double scale_ = 1;
  bool begun_ = false;
  bool ok_ = true;
};

PrinterFactory& Factory() {
  static PrinterFactory f;
  return f;
}

}  // namespace

bool HasPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

std::unique_ptr<PrintSurface> SystemPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  printer->setResolution(1440);
  return std::make_unique<PainterSurface>(std::move(printer));
}

std::unique_ptr<PrintSurface> PdfSurface(const QString& path) {
  // The writer writes to a file of ours, whose error state tells whether every byte got in.
  auto file = std::make_unique<QFile>(path);
  const bool open = file->open(QIODevice::WriteOnly | QIODevice::Truncate);
  auto pdf = std::make_unique<QPdfWriter>(file.get());
  pdf->setResolution(1440);
  pdf->setPageSize(QPageSize(QPageSize::A4));
  pdf->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  pdf->setCreator(QStringLiteral("Fosku"));
  auto surface = std::make_unique<PainterSurface>(std::move(pdf), std::move(file));
  if (!open) surface->Fail();
  return surface;
}

void SetPrinterFactory(PrinterFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<PrintSurface> Printer() {
  if (Factory()) return Factory()();
  if (!HasPrinter()) return nullptr;
  return SystemPrinter();
}

}  // namespace platform
