#pragma once
// Synchronous calls onto the user-interface thread for interfaces without an
// event loop of their own (the batch command's console, the tests): the
// worker posts a routine and waits for it; the user-interface thread runs
// what is posted while it waits for the worker to end.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace sprig {

class UiThreadCalls {
public:
    // The thread that creates this is the user-interface thread.
    UiThreadCalls() : uiThread_(std::this_thread::get_id()) {}

    // Runs the routine on the user-interface thread and returns when it is
    // done; runs it at once when called on that thread.
    void call(const std::function<void()>& routine);

    // On the user-interface thread: runs posted routines until done() holds,
    // calling tick() at least once per interval meanwhile.
    void runUntil(const std::function<bool()>& done, std::chrono::milliseconds interval,
                  const std::function<void()>& tick);

private:
    const std::thread::id uiThread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* pending_ = nullptr;
};

}  // namespace sprig
