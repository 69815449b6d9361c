// What the system's print services are built of (inside the platform layer only): the program's
// page, its PDF writer, a job drawn page by page on a paged device, and the waits a service keeps.
#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "platform/printer.h"

class QIODevice;

namespace platform {

// The page the program prints on when it chooses: A4 with margins of 15 mm.
QPageLayout PaginaA4();

// An A4 PDF document written to `device`, drawn in twips, its document title `title`.
std::unique_ptr<QPdfWriter> PdfWriter(QIODevice* device, const QString& title);

// What hands a job on once its pages are drawn on `device`.
using SendingOf = std::function<PrintSurface::Sending(QPagedPaintDevice& device)>;
// A job drawn on `device` (a printer, or a PDF document in memory) at its resolution; its
// Sender is what `sending` makes of the device (none when empty: the job is done as it ends).
std::unique_ptr<PrintSurface> PagedJob(std::unique_ptr<QPagedPaintDevice> device, SendingOf sending = {});

// A print service that waits `lookup` for the printers and `send` for a job to be taken.
class TimedPrintService : public PrintService {
 public:
  TimedPrintService(std::chrono::milliseconds lookup, std::chrono::milliseconds send) : lookup_(lookup), send_(send) {}
  std::chrono::milliseconds LookupWait() const override { return lookup_; }
  std::chrono::milliseconds SendWait() const override { return send_; }

 private:
  std::chrono::milliseconds lookup_;
  std::chrono::milliseconds send_;
};

}  // namespace platform
