// The system's print service where there is no CUPS to ask (Windows): Qt's own printer classes.
// They tell the printers, the default and a printer in error. They cannot tell a service that is
// not running (it looks like no printer at all), and Qt's engine returns no refusal: the job is
// drawn straight on the printer and handed to the spooler as its painter ends, so a job that
// cannot start or end is only a print that did not succeed, and that end is not bounded.
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/printjob.h"

namespace platform {
namespace {

class QtPrintService : public TimedPrintService {
 public:
  using TimedPrintService::TimedPrintService;
  PrinterList Printers(Deadline) override {
    PrinterList list;
    for (const QPrinterInfo& p : QPrinterInfo::availablePrinters()) {
      PrinterStatus s;
      s.name = p.printerName();
      s.isDefault = p.isDefault();
      s.stopped = p.state() == QPrinter::Error;  // paused, or out of reach
      list.printers.push_back(s);
    }
    return list;
  }
  std::unique_ptr<PrintSurface> Job(const QString& printer, const QString& title) override {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull()) return nullptr;  // gone since the lookup
    auto job = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    job->setResolution(1440);
    job->setPageLayout(PaginaA4());
    job->setDocName(title);  // the job's name in the printer's queue
    job->setCreator(QStringLiteral("Fosku"));
    return PagedJob(std::move(job));
  }
};

}  // namespace

std::shared_ptr<PrintService> SystemPrintService(std::chrono::milliseconds lookup, std::chrono::milliseconds send) {
  return std::make_shared<QtPrintService>(lookup, send);
}

}  // namespace platform
