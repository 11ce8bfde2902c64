#pragma once
// What a long pass (rewriting, interpretation) needs from whoever runs it:
// a stop request polled between symbols, the two progress bars and the
// information log. The step driver, the batch command and the tests each
// provide their own.

#include <atomic>
#include <string_view>

namespace sprig {

enum class ProgressBar { Rewriting, Interpretation };

class Job {
public:
    virtual ~Job() = default;

    // Polled once per symbol, so it is a plain relaxed load.
    bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }
    void requestStop() { stop_.store(true, std::memory_order_relaxed); }

    virtual void showProgress(ProgressBar bar, int percent) = 0;
    virtual void appendLog(std::string_view line) = 0;

private:
    std::atomic<bool> stop_{false};
};

// A job nobody watches: progress and log lines go nowhere.
class SilentJob final : public Job {
public:
    void showProgress(ProgressBar, int) override {}
    void appendLog(std::string_view) override {}
};

}  // namespace sprig
