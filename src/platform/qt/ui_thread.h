#pragma once
// Synchronous calls onto the thread of the event loop: a worker hands a
// routine over and blocks until it has run there. The loop is woken through
// an event file descriptor, which thread checkers see, rather than through
// Qt's own event posting, which they would not.

#include <QSocketNotifier>
#include <atomic>
#include <functional>

#include "platform/ui_thread_calls.h"

namespace sprig {

class EventLoopCalls {
public:
    // Made on the event loop's thread.
    EventLoopCalls();
    ~EventLoopCalls();
    EventLoopCalls(const EventLoopCalls&) = delete;
    EventLoopCalls& operator=(const EventLoopCalls&) = delete;

    // Runs the routine on the event loop's thread and returns when it is
    // done; runs it at once when called on that thread.
    void call(const std::function<void()>& routine) { calls_.call(routine); }

private:
    const int wakeFd_;
    QSocketNotifier notifier_;
    UiThreadCalls calls_;
};

// On the event loop's thread: handles events, the routines posted by a
// worker among them, until the worker clears the flag.
void processEventsWhile(const std::atomic<bool>& running);

}  // namespace sprig
