#pragma once
// A thread that runs the tasks given to it one after another. A GL context
// is current on one thread only, so everything done with a context belongs
// in tasks of the thread that made it current. Destroying it runs the tasks
// already given, then ends the thread.

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace sprig {

class RenderThread {
public:
    RenderThread();
    RenderThread(const RenderThread&) = delete;
    RenderThread& operator=(const RenderThread&) = delete;

    // The future is ready once the task has run; it carries what it threw.
    std::future<void> post(std::function<void()> task);

private:
    void run(const std::stop_token& stop);

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<std::packaged_task<void()>> tasks_;
    std::jthread thread_;  // last, so it is stopped and joined first
};

}  // namespace sprig
