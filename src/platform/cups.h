// The system's print service, CUPS, reached through libcups: each request on a connection of
// its own whose every wait ends at the deadline, on the thread that calls.
#pragma once

#include <QByteArray>
#include <QString>

#include "platform/printer.h"

namespace platform::cups {

// The queues the service offers and which is the user's default (as every program on the
// system sees it: the user's and the system's lpoptions, then the service's own default).
PrinterList Printers(Deadline deadline);

// Hands `pdf` to the queue `printer` as one job named `title`, on A4 paper.
JobOutcome PrintPdf(const QString& printer, const QByteArray& pdf, const QString& title, bool landscape,
                    Deadline deadline);

}  // namespace platform::cups
