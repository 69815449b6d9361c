// A print service that a test sets up to answer as it needs: the printers it gives, a service
// that is not running, that never answers, that refuses jobs. Its jobs are recording surfaces.
#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/printer.h"
#include "support/recording_surface.h"

namespace testsupport {

class FakePrintService : public platform::PrintService {
 public:
  platform::PrinterList list;    // its answer when asked for the printers
  platform::JobOutcome outcome;  // its answer to every job
  bool hangOnLookup = false;     // it takes the request and answers only once released
  bool hangOnSend = false;
  // The jobs made: for which printer, under which name, what was drawn.
  struct Job {
    QString printer;
    QString title;
    QStringList calls;
  };
  std::deque<Job> jobs;
  // How many jobs were handed to it (the program may have stopped waiting for some).
  int Sent() const { return *sent_; }

  // Lets go whatever still waits on the service: a thread the program stopped waiting for holds
  // the service until then.
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
    auto job = std::make_unique<RecordingJob>();
    job->keepCalls = &jobs.back().calls;
    job->send = [gate = gate_, sent = sent_, hang = hangOnSend, outcome = outcome](platform::Deadline) {
      ++*sent;
      if (hang) gate->Wait();
      return outcome;
    };
    return job;
  }
  std::chrono::milliseconds LookupWait() const override { return std::chrono::milliseconds(300); }
  std::chrono::milliseconds SendWait() const override { return std::chrono::milliseconds(300); }

 private:
  struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    void Wait() {
      std::unique_lock<std::mutex> lock(mutex);
      opened.wait(lock, [this] { return open; });
    }
  };
  struct RecordingJob : RecordingSurface {
    Sending send;
    Sending Sender() override { return send; }
  };
  std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
  std::shared_ptr<std::atomic<int>> sent_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace testsupport
