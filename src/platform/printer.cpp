#include "platform/printer.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QFontMetricsF>
#include <QPainter>
#include <QPageLayout>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <string>

#include "platform/printjob.h"
#include "platform/savefile.h"

namespace platform {
namespace {

// Draws through a QPainter on a paint device whose logical unit is the twip: the painter is
// scaled from device units to twips, and the font is drawn and measured at the size in twips
// that gives its point size on paper, so every device (a 1440-dpi printer or PDF, an image of
// a page at any resolution) draws the same page.
class PainterSurface : public PrintSurface {
 public:
  void SetOrientation(int setting) override {
    if (begun_) return;  // only before any output
    Orient(setting == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  void SetFont(const QString& name, double size) override {
    font_ = QFont(name);
    font_.setPointSizeF(size > 0 ? size : 10);
    if (begun_) painter_.setFont(FontInTwips());
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
  double PageWidth() override { return PrintableTwips().width() / scale_; }
  double PageHeight() override { return PrintableTwips().height() / scale_; }
  void SetScale(double factor) override {
    scale_ = factor > 0 ? factor : 1;
    if (begun_) ApplyTransform();
  }
  void NewPage() override {
    if (Begin()) NextPage();
  }
  bool EndDoc() override {
    if (!begun_) Begin();  // an empty job still makes its (empty) document
    return ok_ && painter_.end();
  }
  bool IsOk() const override { return ok_; }

 protected:
  // The device drawn on (the one measured with before the first drawing).
  virtual QPaintDevice* Device() = 0;
  virtual void Orient(QPageLayout::Orientation o) = 0;
  // The printable area of a page, in twips.
  virtual QSizeF PrintableTwips() const = 0;
  // Opens the device for the first page: false when the job cannot start.
  virtual bool Open() { return painter_.begin(Device()); }
  // Goes on to a new page, the painter drawing on it as before.
  virtual void NextPage() = 0;

  // The painter's font, pen and scale, set again whenever it begins on a device.
  void Prepare() {
    painter_.setFont(FontInTwips());
    painter_.setPen(QPen(Qt::black, 0));
    ApplyTransform();
  }
  void Stop() {
    if (painter_.isActive()) painter_.end();
  }
  QPainter painter_;

 private:
  double UnitsPerTwip() { return Device()->logicalDpiY() / 1440.0; }
  // The font at the size that, one unit being one twip, gives its point size on paper.
  QFont FontInTwips() {
    QFont f = font_;
    f.setPointSizeF(font_.pointSizeF() / UnitsPerTwip());
    return f;
  }
  QFontMetricsF Metrics() { return QFontMetricsF(FontInTwips(), Device()); }
  void ApplyTransform() {
    painter_.resetTransform();
    painter_.scale(UnitsPerTwip() * scale_, UnitsPerTwip() * scale_);
  }
  bool Begin() {
    if (begun_) return ok_;
    begun_ = true;
    ok_ = Open();
    if (ok_) Prepare();
    return ok_;
  }

  QFont font_;
  double scale_ = 1;
  bool begun_ = false;
  bool ok_ = true;
};

// A new file that a paged device writes into: written under a temporary name beside its own,
// it takes its name only once the document is whole (PdfFile::Finish).
class PdfFile : public QIODevice {
 public:
  PdfFile(const QString& path, PdfOutcome* outcome)
      : path_(path), outcome_(outcome), file_(QFileInfo(path).absolutePath().toStdString(), ".fosku-stampa.tmp") {
    if (file_.Error() == 0) open(QIODevice::WriteOnly);  // a file not made fails the job's start
  }
  bool isSequential() const override { return true; }
  // Gives the file its name once `whole`: the path asked for or, when an entry stands there, the
  // same with " (2)", " (3)"… before its extension. False when the file could not be written
  // whole; it is then never named.
  bool Finish(bool whole) {
    Flush();
    if (!whole) file_.Fail(EIO);  // a write error met on the way is kept as the cause
    std::string named;
    const QFileInfo asked(path_);
    const QString folder = asked.absolutePath();
    const QString suffix = asked.suffix().isEmpty() ? QString() : QStringLiteral(".") + asked.suffix();
    const QString stem = asked.fileName().chopped(suffix.size());
    const int err = file_.Publish(
        [&](int n) {
          const QString name = n == 1 ? asked.fileName() : QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix);
          return QDir(folder).filePath(name).toStdString();
        },
        &named);
    if (isOpen()) close();
    if (outcome_ != nullptr) {
      outcome_->path = err == 0 ? QString::fromStdString(named) : path_;
      outcome_->failure = err == 0 ? QString() : QString::fromStdString(WriteFailure(err, path_.toStdString()));
    }
    return err == 0;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    buffer_.append(data, static_cast<std::size_t>(size));
    if (buffer_.size() >= (std::size_t{1} << 16)) Flush();
    return file_.Error() == 0 ? size : -1;
  }

 private:
  void Flush() {
    file_.Write(buffer_.data(), buffer_.size());
    buffer_.clear();
  }
  QString path_;
  PdfOutcome* outcome_;
  PendingFile file_;
  std::string buffer_;
};

// A printer's job or a PDF file: pages of a paged device, drawn at its resolution. `file`, when
// given, is where the device writes: the job counts as done only when every byte reached it and
// the file took its name. `sending`, when given, makes the job's Sender.
class PagedSurface : public PainterSurface {
 public:
  explicit PagedSurface(std::unique_ptr<QPagedPaintDevice> device, std::unique_ptr<PdfFile> file = nullptr,
                        SendingOf sending = {})
      : file_(std::move(file)), sending_(std::move(sending)), device_(std::move(device)) {}
  ~PagedSurface() override { Stop(); }  // the painter lets go before its device goes

  bool EndDoc() override {
    const bool done = PainterSurface::EndDoc();
    // A full disk or a size limit fails a write while the painter goes on as if nothing were
    // wrong: only the file's own state tells (and a file that failed is never named).
    if (file_ != nullptr) return file_->Finish(done) && done;
    return done;
  }
  Sending Sender() override { return sending_ ? sending_(*device_) : Sending(); }

 protected:
  QPaintDevice* Device() override { return device_.get(); }
  void Orient(QPageLayout::Orientation o) override { device_->setPageOrientation(o); }
  QSizeF PrintableTwips() const override {
    const QRectF area = device_->pageLayout().paintRect(QPageLayout::Point);
    return area.isEmpty() ? QSizeF(11906, 16838) : area.size() * 20.0;
  }
  void NextPage() override { device_->newPage(); }
  bool Open() override { return (file_ == nullptr || file_->isOpen()) && PainterSurface::Open(); }

 private:
  std::unique_ptr<PdfFile> file_;  // outlives the device that writes to it
  SendingOf sending_;              // and so does what it holds (the bytes of a job in memory)
  std::unique_ptr<QPagedPaintDevice> device_;
};

// Pages painted into images, each the printable area of a page of `layout`, white, with
// `dotsPerInch` pixels to the inch; a new page appends a new image.
class ImageSurface : public PainterSurface {
 public:
  ImageSurface(std::vector<QImage>* pages, const QPageLayout& layout, double dotsPerInch)
      : pages_(pages), layout_(layout), metrics_(Blank(QSize(1, 1), dotsPerInch)), dpi_(dotsPerInch) {}
  ~ImageSurface() override { Stop(); }

 protected:
  QPaintDevice* Device() override { return pages_->empty() ? &metrics_ : &pages_->back(); }
  void Orient(QPageLayout::Orientation o) override { layout_.setOrientation(o); }
  QSizeF PrintableTwips() const override { return layout_.paintRect(QPageLayout::Point).size() * 20.0; }
  bool Open() override {
    AddPage();
    return painter_.begin(&pages_->back());
  }
  void NextPage() override {
    painter_.end();
    AddPage();
    painter_.begin(&pages_->back());
    Prepare();
  }

 private:
  static QImage Blank(QSize size, double dpi) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
  }
  void AddPage() {
    const QSizeF twips = PrintableTwips();
    pages_->push_back(Blank(QSize(static_cast<int>(std::ceil(twips.width() * dpi_ / 1440)),
                                  static_cast<int>(std::ceil(twips.height() * dpi_ / 1440))),
                            dpi_));
  }

  std::vector<QImage>* pages_;
  QPageLayout layout_;
  QImage metrics_;
  double dpi_;
};

// One printer, the default, whose jobs are the factory's surfaces.
class SurfaceService : public PrintService {
 public:
  explicit SurfaceService(PrinterFactory factory) : factory_(std::move(factory)) {}
  PrinterList Printers(Deadline) override {
    PrinterStatus p;
    p.name = QStringLiteral("Fosku");
    p.isDefault = true;
    return {ServiceAnswer::Answered, {p}};
  }
  std::unique_ptr<PrintSurface> Job(const QString&, const QString&) override { return factory_(); }

 private:
  PrinterFactory factory_;
};

std::shared_ptr<PrintService>& Service() {
  static std::shared_ptr<PrintService> s;
  return s;
}

}  // namespace

QPageLayout PaginaA4() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

std::unique_ptr<QPdfWriter> PdfWriter(QIODevice* device, const QString& title) {
  auto pdf = std::make_unique<QPdfWriter>(device);
  pdf->setResolution(1440);
  pdf->setPageLayout(PaginaA4());
  pdf->setCreator(QStringLiteral("Fosku"));
  pdf->setTitle(title);
  return pdf;
}

std::unique_ptr<PrintSurface> PagedJob(std::unique_ptr<QPagedPaintDevice> device, SendingOf sending) {
  return std::make_unique<PagedSurface>(std::move(device), nullptr, std::move(sending));
}

std::unique_ptr<PrintSurface> PdfSurface(const QString& path, const QString& title, PdfOutcome* outcome) {
  // The writer writes to a file of ours, whose state tells whether every byte got in.
  auto file = std::make_unique<PdfFile>(path, outcome);
  auto pdf = PdfWriter(file.get(), title);
  return std::make_unique<PagedSurface>(std::move(pdf), std::move(file));
}

std::unique_ptr<PrintSurface> ImagePages(std::vector<QImage>* pages, double dotsPerInch) {
  return std::make_unique<ImageSurface>(pages, PaginaA4(), dotsPerInch);
}

void SetPrintService(std::shared_ptr<PrintService> service) { Service() = std::move(service); }

std::shared_ptr<PrintService> CurrentPrintService() {
  if (!Service()) Service() = SystemPrintService();
  return Service();
}

void SetPrinterFactory(PrinterFactory factory) {
  SetPrintService(factory ? std::make_shared<SurfaceService>(std::move(factory)) : nullptr);
}

PrinterChoice ChoosePrinter(QWidget* owner, const QString& waitText) {
  const std::shared_ptr<PrintService> service = CurrentPrintService();
  auto list = std::make_shared<PrinterList>();
  PrinterChoice choice;
  if (!WaitBounded(owner, waitText, service->LookupWait(),
                   [service, list](Deadline deadline) { *list = service->Printers(deadline); })) {
    choice.answer = ServiceAnswer::NoAnswer;
    return choice;
  }
  choice.answer = list->answer;
  const std::vector<PrinterStatus>& printers = list->printers;
  if (choice.answer != ServiceAnswer::Answered || printers.empty()) return choice;
  auto p = std::find_if(printers.begin(), printers.end(), [](const PrinterStatus& s) { return s.isDefault; });
  choice.noDefault = p == printers.end() && printers.size() > 1;
  if (p == printers.end()) p = printers.begin();
  choice.name = p->name;
  choice.stopped = p->stopped;
  return choice;
}

JobOutcome SendJob(QWidget* owner, PrintSurface& job, const QString& waitText) {
  PrintSurface::Sending send = job.Sender();
  if (!send) return {};
  auto outcome = std::make_shared<JobOutcome>();
  if (!WaitBounded(owner, waitText, CurrentPrintService()->SendWait(),
                   [send = std::move(send), outcome](Deadline deadline) { *outcome = send(deadline); })) {
    return {ServiceAnswer::NoAnswer, Refusal::None, 0};
  }
  return *outcome;
}

}  // namespace platform
