#include "app/ui_thread_calls.h"

namespace sprig {

void UiThreadCalls::call(const std::function<void()>& routine)
{
    if (std::this_thread::get_id() == uiThread_) {
        routine();
        return;
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ == nullptr; });
    pending_ = &routine;
    changed_.notify_all();
    changed_.wait(lock, [this, &routine] { return pending_ != &routine; });
}

void UiThreadCalls::runUntil(const std::function<bool()>& done, std::chrono::milliseconds interval,
                             const std::function<void()>& tick)
{
    auto nextTick = std::chrono::steady_clock::now() + interval;
    while (!done()) {
        std::unique_lock lock(mutex_);
        if (changed_.wait_until(lock, nextTick, [this] { return pending_ != nullptr; })) {
            const std::function<void()>* routine = pending_;
            lock.unlock();
            (*routine)();
            lock.lock();
            pending_ = nullptr;
            changed_.notify_all();
        }
        lock.unlock();
        if (std::chrono::steady_clock::now() >= nextTick) {
            tick();
            nextTick = std::chrono::steady_clock::now() + interval;
        }
    }
}

}  // namespace sprig
