#include "platform/waitbox.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

// How long a wait may go unseen: a quicker answer shows no box at all.
constexpr std::chrono::milliseconds kQuiet(150);

// The work's end, shared by the thread that runs it and the one that waits.
struct Fine {
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
};

// The modal box of a wait: a line of text and a moving bar, nothing to press. It cannot be
// closed: the wait ends it.
class WaitBox : public QDialog {
 public:
  WaitBox(QWidget* owner, const QString& text)
      : QDialog(owner != nullptr ? owner->window() : nullptr,
                Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Fosku"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    layout->addWidget(label);
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0);  // no end known: the bar keeps moving
    bar->setTextVisible(false);
    layout->addWidget(bar);
    setMinimumWidth(qMax(sizeHint().width(), fontMetrics().averageCharWidth() * 40));
  }
  void reject() override {}  // Esc does not end the wait

 protected:
  void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

}  // namespace

bool WaitBounded(QWidget* owner, const QString& text, std::chrono::milliseconds limit,
                 std::function<void(Deadline)> work) {
  const Deadline deadline = Clock::now() + limit;
  auto fine = std::make_shared<Fine>();
  std::thread([fine, work = std::move(work), deadline]() mutable {
    work(deadline);
    work = nullptr;  // what the work holds goes here, on its own thread
    {
      const std::lock_guard<std::mutex> lock(fine->mutex);
      fine->done = true;
    }
    fine->ended.notify_all();
  }).detach();
  const auto finita = [&fine] {
    const std::lock_guard<std::mutex> lock(fine->mutex);
    return fine->done;
  };
  {
    std::unique_lock<std::mutex> lock(fine->mutex);
    if (fine->ended.wait_until(lock, std::min(deadline, Clock::now() + kQuiet), [&] { return fine->done; }))
      return true;
  }
  if (Clock::now() >= deadline) return finita();

  // A slow answer: the box, and the event loop runs (the windows paint) until the work ends or
  // the time is up.
  const QPointer<QWidget> active = QApplication::activeWindow();
  WaitBox box(owner, text);
  box.show();
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(20);
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    if (finita() || Clock::now() >= deadline) loop.quit();
  });
  tick.start();
  loop.exec();
  box.hide();
  // The keys go back to the window that had them.
  if (active != nullptr && active->isVisible()) active->activateWindow();
  return finita();
}

}  // namespace platform
