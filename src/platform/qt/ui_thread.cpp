#include "platform/qt/ui_thread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <cstdint>

namespace sprig {

EventLoopCalls::EventLoopCalls()
    : wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), notifier_(wakeFd_, QSocketNotifier::Read), calls_([this] {
          const std::uint64_t one = 1;
          while (::write(wakeFd_, &one, sizeof one) < 0 && errno == EINTR) {
          }
      })
{
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] {
        std::uint64_t wakes = 0;
        while (::read(wakeFd_, &wakes, sizeof wakes) < 0 && errno == EINTR) {
        }
        calls_.runPending();
    });
}

EventLoopCalls::~EventLoopCalls() { ::close(wakeFd_); }

// The worker clears the flag without posting anything, so a timer looks at
// it between events.
void processEventsWhile(const std::atomic<bool>& running)
{
    constexpr int kLookIntervalMs = 10;
    QEventLoop loop;
    QTimer look;
    look.callOnTimeout([&] {
        if (!running) loop.quit();
    });
    look.start(kLookIntervalMs);
    // The user waits with the worker: no command of theirs runs meanwhile.
    if (running) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace sprig
