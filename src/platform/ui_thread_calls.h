#pragma once
// Synchronous calls onto the user-interface thread: a worker hands a routine
// over and waits until that thread has run it. The hand-over goes through a
// mutex and a condition variable of our own, so that thread checkers see
// every step of it. The user-interface thread either runs what is handed
// over while it waits for the worker (the batch command's console, the
// tests), or is woken by the given call and runs it from its event loop.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace sprig {

class UiThreadCalls {
public:
    // The thread that creates this is the user-interface thread. wake, when
    // given, is called on the worker's thread each time a routine is handed
    // over.
    explicit UiThreadCalls(std::function<void()> wake = {});

    // Runs the routine on the user-interface thread and returns when it is
    // done; runs it at once when called on that thread.
    void call(const std::function<void()>& routine);

    // On the user-interface thread: runs the routine handed over, if any.
    void runPending();

    // On the user-interface thread: runs what is handed over until done()
    // holds, calling tick() at least once per interval meanwhile.
    void runUntil(const std::function<bool()>& done, std::chrono::milliseconds interval,
                  const std::function<void()>& tick);

private:
    void runLocked(std::unique_lock<std::mutex>& lock);

    const std::thread::id uiThread_;
    const std::function<void()> wake_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* pending_ = nullptr;
};

}  // namespace sprig
