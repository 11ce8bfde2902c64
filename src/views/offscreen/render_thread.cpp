#include "views/offscreen/render_thread.h"

namespace sprig {

RenderThread::RenderThread() : thread_([this](const std::stop_token& stop) { run(stop); }) {}

std::future<void> RenderThread::post(std::function<void()> task)
{
    std::packaged_task<void()> packaged(std::move(task));
    std::future<void> done = packaged.get_future();
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(packaged));
    }
    wake_.notify_one();
    return done;
}

void RenderThread::run(const std::stop_token& stop)
{
    for (;;) {
        std::packaged_task<void()> task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, stop, [this] { return !tasks_.empty(); });
            if (tasks_.empty()) return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

}  // namespace sprig
