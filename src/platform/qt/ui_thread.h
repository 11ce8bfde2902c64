#pragma once
// Synchronous calls onto the thread of the event loop: a worker hands a
// routine over and blocks until it has run there. The hand-over goes through
// a mutex and a condition variable of our own, and the loop is woken through
// an event file descriptor, so that thread checkers see every step of it;
// Qt's own event posting would hide it from them.

#include <QSocketNotifier>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

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
    void call(const std::function<void()>& routine);

private:
    void deliver();

    const std::thread::id loopThread_;
    const int wakeFd_;
    QSocketNotifier notifier_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* pending_ = nullptr;
};

// On the event loop's thread: handles events, the routines posted by a
// worker among them, until the worker clears the flag.
void processEventsWhile(const std::atomic<bool>& running);

}  // namespace sprig
