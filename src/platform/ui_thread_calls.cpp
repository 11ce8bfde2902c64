#include "platform/ui_thread_calls.h"

namespace sprig {

UiThreadCalls::UiThreadCalls(std::function<void()> wake) : uiThread_(std::this_thread::get_id()), wake_(std::move(wake))
{
}

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
    if (wake_) wake_();
    changed_.wait(lock, [this, &routine] { return pending_ != &routine; });
}

// Runs the pending routine without the lock, so that it may take its time.
void UiThreadCalls::runLocked(std::unique_lock<std::mutex>& lock)
{
    const std::function<void()>* routine = pending_;
    if (!routine) return;
    lock.unlock();
    (*routine)();
    lock.lock();
    pending_ = nullptr;
    changed_.notify_all();
}

void UiThreadCalls::runPending()
{
    std::unique_lock lock(mutex_);
    runLocked(lock);
}

void UiThreadCalls::runUntil(const std::function<bool()>& done, std::chrono::milliseconds interval,
                             const std::function<void()>& tick)
{
    auto nextTick = std::chrono::steady_clock::now() + interval;
    while (!done()) {
        std::unique_lock lock(mutex_);
        if (changed_.wait_until(lock, nextTick, [this] { return pending_ != nullptr; })) runLocked(lock);
        lock.unlock();
        if (std::chrono::steady_clock::now() >= nextTick) {
            tick();
            nextTick = std::chrono::steady_clock::now() + interval;
        }
    }
}

}  // namespace sprig
