// A surface to print on, measured and drawn in twips: a job for a printer, a PDF file, images
// of the pages, or a recording that tests read back; and the print service that takes the
// jobs (CUPS, or Qt's printer classes where there is none), which tests replace.
#pragma once

#include <QImage>
#include <QString>
#include <chrono>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "platform/waitbox.h"

class QWidget;

namespace platform {

// What the print service made of a request.
enum class ServiceAnswer {
  Answered,    // it answered (the answer may be a refusal)
  NotRunning,  // no service where it should be: nothing to ask
  NoAnswer,    // it was asked but gave no answer in time, or broke off
};

// Why the print service turned a job away.
enum class Refusal {
  None,           // taken: the job is in the printer's queue
  NotAccepting,   // the queue turns jobs away (out of paper, under repair...)
  NoSuchPrinter,  // the printer is gone
  NotAllowed,     // this user may not print there
  Busy,           // the printer or the service takes no more jobs for now
  Other,          // any other refusal: `status` tells which
};

struct JobOutcome {
  ServiceAnswer answer = ServiceAnswer::Answered;
  Refusal refusal = Refusal::None;
  int status = 0;  // the service's own status code (an IPP status) when it refused the job
  bool Taken() const { return answer == ServiceAnswer::Answered && refusal == Refusal::None; }
};

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
  // False when the job could not be started (a file that cannot be written).
  virtual bool IsOk() const { return true; }
  // What hands the ended job to the print service. It runs on a thread of its own and may wait
  // on the service until the deadline, after which nobody waits for it any more: it holds by
  // value all it needs. Empty for a surface that hands nothing on (a file, images, a
  // recording), whose job is done when it ends.
  using Sending = std::function<JobOutcome(Deadline)>;
  virtual Sending Sender() { return {}; }
};

// What became of a PDF file once its job ended: the path it took, or why it could not be
// written (in Italian).
struct PdfOutcome {
  QString path;
  QString failure;
};
// A surface that writes an A4 PDF file at `path`, its document title `title`. The pages go to a
// temporary file beside it, which takes its name only once whole (a failed or killed print
// leaves nothing under the name) and never over an entry already there: a file, a folder, a
// pipe or a link (even one to nothing) takes the name, and the file is named as `path` with
// " (2)", " (3)"… before its extension instead. `outcome`, when given, is filled when the job
// ends.
std::unique_ptr<PrintSurface> PdfSurface(const QString& path, const QString& title = QString(),
                                         PdfOutcome* outcome = nullptr);
// A surface that paints the pages of that same A4 layout into images, one per page (its
// printable area, white, `dotsPerInch` pixels to the inch), appended to `pages` as they begin:
// the pages as they come out of the printer, through the same drawing code.
std::unique_ptr<PrintSurface> ImagePages(std::vector<QImage>* pages, double dotsPerInch = 144);
// A printer the print service offers.
struct PrinterStatus {
  QString name;
  bool isDefault = false;
  bool stopped = false;  // paused, or the printer cannot be reached: jobs wait in its queue
};

struct PrinterList {
  ServiceAnswer answer = ServiceAnswer::Answered;
  std::vector<PrinterStatus> printers;
};

// The print service: the printers it offers and the jobs it takes. Every wait on it is
// bounded, since a service that does not answer must never freeze a window.
class PrintService {
 public:
  virtual ~PrintService() = default;
  // The printers, the default marked. Runs on a thread of its own and may block; nobody waits
  // for it after `deadline`.
  virtual PrinterList Printers(Deadline deadline) = 0;
  // A job for `printer`, named `title` in its queue, drawn on the window's thread and handed
  // on by its Sender(); nullptr when it cannot be made.
  virtual std::unique_ptr<PrintSurface> Job(const QString& printer, const QString& title) = 0;
  // How long the program waits for the printers, and for a job to be taken.
  virtual std::chrono::milliseconds LookupWait() const { return std::chrono::seconds(5); }
  virtual std::chrono::milliseconds SendWait() const { return std::chrono::seconds(20); }
};

// The system's print service, waiting at most `lookup` for the printers and `send` for a job to
// be taken: CUPS, whose jobs are A4 PDF documents; in a build without CUPS, Qt's printer classes,
// whose jobs are drawn on the printer (A4 where it takes it) and cannot tell a refusal.
std::shared_ptr<PrintService> SystemPrintService(std::chrono::milliseconds lookup = std::chrono::seconds(5),
                                                 std::chrono::milliseconds send = std::chrono::seconds(20));
// The one seam between the program and the print service: tests put theirs here.
void SetPrintService(std::shared_ptr<PrintService> service);  // nullptr: the system's
std::shared_ptr<PrintService> CurrentPrintService();
// Short for a print service with one printer, the default, whose jobs are drawn on the
// surfaces `factory` makes; an empty factory brings back the system's service.
using PrinterFactory = std::function<std::unique_ptr<PrintSurface>()>;
void SetPrinterFactory(PrinterFactory factory);

// The printer a print goes to: the default; with none, the only printer, or the first.
struct PrinterChoice {
  ServiceAnswer answer = ServiceAnswer::Answered;
  QString name;            // empty: no printer to print on
  bool noDefault = false;  // several printers and none the default: the first was taken
  bool stopped = false;    // the job will wait in the queue until the printer is back
};
// Asks the print service for its printers and picks one. The windows keep painting while it
// waits; if the answer is slow, a modal box saying `waitText` keeps the pupil from doing
// anything else meanwhile. After the service's LookupWait the answer is NoAnswer.
PrinterChoice ChoosePrinter(QWidget* owner, const QString& waitText);
// Hands an ended job to the print service, waiting as ChoosePrinter does, at most SendWait.
JobOutcome SendJob(QWidget* owner, PrintSurface& job, const QString& waitText);

}  // namespace platform
