#include "platform/qt/ui_thread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <cstdint>

namespace sprig {

EventLoopCalls::EventLoopCalls()
    : loopThread_(std::this_thread::get_id()), wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      notifier_(wakeFd_, QSocketNotifier::Read)
{
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { deliver(); });
}

EventLoopCalls::~EventLoopCalls() { ::close(wakeFd_); }

void EventLoopCalls::call(const std::function<void()>& routine)
{
    if (std::this_thread::get_id() == loopThread_) {
        routine();
        return;
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ == nullptr; });
    pending_ = &routine;
    const std::uint64_t one = 1;
    while (::write(wakeFd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
    changed_.wait(lock, [this, &routine] { return pending_ != &routine; });
}

void EventLoopCalls::deliver()
{
    std::uint64_t wakes = 0;
    while (::read(wakeFd_, &wakes, sizeof wakes) < 0 && errno == EINTR) {
    }
    std::unique_lock lock(mutex_);
    const std::function<void()>* routine = pending_;
    if (!routine) return;
    lock.unlock();
    (*routine)();
    lock.lock();
    pending_ = nullptr;
    changed_.notify_all();
}

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
    if (running) loop.exec();
}

}  // namespace sprig
