// Waiting on a neighbour that may not answer (the print service) without freezing the windows.
#pragma once

#include <QString>
#include <chrono>
#include <functional>

class QWidget;

namespace platform {

// When whoever waits stops waiting.
using Deadline = std::chrono::steady_clock::time_point;

// Runs `work` on a thread of its own and waits at most `limit` for it to end. The windows keep
// painting meanwhile; when the work takes more than a moment, a modal box (title "Fosku")
// saying `text` keeps the rest of the program from being used until the wait is over.
// True when the work ended in time. False when it did not: it is left to end on its own, so it
// must hold by value whatever it uses or writes. `work` receives the time the wait ends.
bool WaitBounded(QWidget* owner, const QString& text, std::chrono::milliseconds limit,
                 std::function<void(Deadline)> work);

}  // namespace platform
