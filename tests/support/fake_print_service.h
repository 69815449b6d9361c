// A print service that a test sets up to answer as it needs: the printers it gives, a service
// that is not running, that never answers, that refuses jobs. Its jobs are recording surfaces.
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <utility>

#include "platform/printer.h"
#include "support/recording_surface.h"

namespace testsupport {

class FakePrintService : public platform::PrintService {
 public:
  // What the service answers when asked for its printers.
  platform::PrinterList list;
  // What it answers when a job is handed to it.
  platform::JobOutcome outcome;
  // It takes the request and never answers (until the service goes).
  bool hangOnLookup = false;
  bool hangOnSend = false;
  std::chrono::milliseconds lookupWait{300};
  std::chrono::milliseconds sendWait{300};

  // The jobs made: for which printer, under which name, what was drawn, whether the job was
  // handed to the service.
  struct Job {
    QString printer;
    QString title;
    QStringList calls;
  };
  std::deque<Job> jobs;
  int Sent() const {
    const std::lock_guard<std::mutex> lock(gate_->mutex);
    return gate_->sent;
  }

  // Lets go whatever still waits on the service (a thread the program stopped waiting for
  // holds the service until then).
  void Release() {
    {
      const std::lock_guard<std::mutex> lock(gate_->mutex);
      gate_->open = true;
    }
    gate_->opened.notify_all();
  }

  platform::PrinterList Printers(platform::Deadline) override {
    if (hangOnLookup) gate_->Wait();
    return list;
  }
  std::unique_ptr<platform::PrintSurface> Job(const QString& printer, const QString& title) override {
    jobs.push_back({printer, title, {}});
    return std::make_unique<RecordingJob>(&jobs.back().calls, gate_, hangOnSend, outcome);
  }
  std::chrono::milliseconds LookupWait() const override { return lookupWait; }
  std::chrono::milliseconds SendWait() const override { return sendWait; }

 private:
  struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    int sent = 0;
    void Wait() {
      std::unique_lock<std::mutex> lock(mutex);
      opened.wait(lock, [this] { return open; });
    }
  };
  class RecordingJob : public RecordingSurface {
   public:
    RecordingJob(QStringList* keep, std::shared_ptr<Gate> gate, bool hang, platform::JobOutcome outcome)
        : gate_(std::move(gate)), hang_(hang), outcome_(outcome) {
      keepCalls = keep;
    }
    Sending Sender() override {
      return [gate = gate_, hang = hang_, outcome = outcome_](platform::Deadline) {
        if (hang) gate->Wait();
        const std::lock_guard<std::mutex> lock(gate->mutex);
        ++gate->sent;
        return outcome;
      };
    }

   private:
    std::shared_ptr<Gate> gate_;
    bool hang_;
    platform::JobOutcome outcome_;
  };

  std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
};

}  // namespace testsupport
