// The system's print service, CUPS, reached through libcups: each request on a connection of
// its own whose every wait ends at the deadline, on the thread that calls. (Qt's own print
// engine ignores CUPS's answer to a job and blocks on a service that does not answer.)
#include <cups/cups.h>

#include <QBuffer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/printjob.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

// A connection to the service; every wait on it ends at the deadline (libcups's own waits are
// a minute, again and again).
class Connection {
 public:
  explicit Connection(Deadline deadline) : deadline_(deadline) {
    // Nothing is ever asked on a terminal: a service that wants a password refuses the job.
    cupsSetPasswordCB2([](const char*, http_t*, const char*, const char*, void*) -> const char* { return nullptr; },
                       nullptr);
    const long long left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    int cancel = 0;
    http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                         static_cast<int>(std::clamp(left, 1LL, 600000LL)), &cancel);
    if (http_ != nullptr) httpSetTimeout(http_, 0.25, &Connection::KeepWaiting, this);
  }
  ~Connection() {
    if (http_ != nullptr) httpClose(http_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  http_t* Http() const { return http_; }
  // Why there is no connection: refused at once, nobody listens; still trying when the time
  // ran out, nobody answers.
  ServiceAnswer Failure() const { return Clock::now() >= deadline_ ? ServiceAnswer::NoAnswer : ServiceAnswer::NotRunning; }
  // True when a request was given up at the deadline.
  bool Expired() const { return expired_; }

 private:
  static int KeepWaiting(http_t*, void* data) {
    auto* c = static_cast<Connection*>(data);
    if (Clock::now() < c->deadline_) return 1;
    c->expired_ = true;
    return 0;
  }

  Deadline deadline_;
  http_t* http_ = nullptr;
  bool expired_ = false;
};

// The statuses libcups gives when the connection broke off rather than the service refusing.
bool BrokeOff(ipp_status_t status) {
  return status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
}

Refusal Why(ipp_status_t status) {
  switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
      return Refusal::NotAccepting;
    case IPP_STATUS_ERROR_NOT_FOUND:
    case IPP_STATUS_ERROR_GONE:
      return Refusal::NoSuchPrinter;
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED:
      return Refusal::NotAllowed;
    case IPP_STATUS_ERROR_BUSY:
    case IPP_STATUS_ERROR_TOO_MANY_JOBS:
      return Refusal::Busy;
    default:
      return Refusal::Other;
  }
}

// The queues the service offers and which is the user's default (as every program on the
// system sees it: the user's and the system's lpoptions, then the service's own default).
PrinterList Queues(Deadline deadline) {
  PrinterList list;
  Connection c(deadline);
  if (c.Http() == nullptr) {
    list.answer = c.Failure();
    return list;
  }
  cups_dest_t* dests = nullptr;
  const int n = cupsGetDests2(c.Http(), &dests);
  if (c.Expired() || (n == 0 && BrokeOff(cupsLastError()))) {
    cupsFreeDests(n, dests);
    list.answer = ServiceAnswer::NoAnswer;
    return list;
  }
  for (int i = 0; i < n; ++i) {
    const cups_dest_t& d = dests[i];
    const QString name = QString::fromUtf8(d.name);
    // An instance (a queue with options of the user's) prints on its queue.
    auto p = std::find_if(list.printers.begin(), list.printers.end(),
                          [&](const PrinterStatus& s) { return s.name == name; });
    if (p == list.printers.end()) {
      PrinterStatus s;
      s.name = name;
      const char* state = cupsGetOption("printer-state", d.num_options, d.options);
      const char* reasons = cupsGetOption("printer-state-reasons", d.num_options, d.options);
      s.stopped = (state != nullptr && std::atoi(state) == IPP_PSTATE_STOPPED) ||
                  (reasons != nullptr && std::strstr(reasons, "offline") != nullptr);
      list.printers.push_back(s);
      p = list.printers.end() - 1;
    }
    p->isDefault = p->isDefault || d.is_default != 0;
  }
  cupsFreeDests(n, dests);
  return list;
}

// Hands `pdf` to the queue `printer` as one job named `title`, on A4 paper.
JobOutcome PrintPdf(const QString& printer, const QByteArray& pdf, const QString& title, bool landscape,
                    Deadline deadline) {
  JobOutcome outcome;
  Connection c(deadline);
  if (c.Http() == nullptr) {
    outcome.answer = c.Failure();
    return outcome;
  }
  const QByteArray queue = printer.toUtf8();
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                   queue.constData());
  const std::string resource = "/printers/" + queue.toStdString();

  ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.toUtf8().constData());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
  cups_option_t* options = nullptr;
  int count = cupsAddOption("media", "A4", 0, &options);
  if (landscape) count = cupsAddOption("landscape", "true", count, &options);
  cupsEncodeOptions2(request, count, options, IPP_TAG_JOB);
  cupsFreeOptions(count, options);

  // The request and the document in one body, as libcups's own file requests send them.
  http_status_t sent = cupsSendRequest(c.Http(), request, resource.c_str(),
                                       ippLength(request) + static_cast<size_t>(pdf.size()));
  if (sent == HTTP_STATUS_CONTINUE) {
    sent = cupsWriteRequestData(c.Http(), pdf.constData(), static_cast<size_t>(pdf.size()));
  }
  ipp_t* response = sent != HTTP_STATUS_ERROR ? cupsGetResponse(c.Http(), resource.c_str()) : nullptr;
  const ipp_status_t status = response != nullptr ? ippGetStatusCode(response) : cupsLastError();
  if (c.Expired() || (response == nullptr && (BrokeOff(status) || status <= IPP_STATUS_OK_EVENTS_COMPLETE))) {
    outcome.answer = ServiceAnswer::NoAnswer;
  } else if (status > IPP_STATUS_OK_EVENTS_COMPLETE) {
    outcome.refusal = Why(status);
    outcome.status = status;
  }
  ippDelete(response);
  ippDelete(request);
  return outcome;
}

// Its jobs are A4 PDF documents, made in memory and handed to the service as one job each.
class CupsService : public TimedPrintService {
 public:
  using TimedPrintService::TimedPrintService;
  PrinterList Printers(Deadline deadline) override { return Queues(deadline); }
  std::unique_ptr<PrintSurface> Job(const QString& printer, const QString& title) override {
    auto bytes = std::make_shared<QBuffer>();
    bytes->open(QIODevice::WriteOnly);
    return PagedJob(PdfWriter(bytes.get(), title), [bytes, printer, title](QPagedPaintDevice& pdf) {
      bytes->close();
      const bool landscape = pdf.pageLayout().orientation() == QPageLayout::Landscape;
      return PrintSurface::Sending([printer, document = bytes->data(), title, landscape](Deadline deadline) {
        return PrintPdf(printer, document, title, landscape, deadline);
      });
    });
  }
};

}  // namespace

std::shared_ptr<PrintService> SystemPrintService(std::chrono::milliseconds lookup, std::chrono::milliseconds send) {
  return std::make_shared<CupsService>(lookup, send);
}

}  // namespace platform
