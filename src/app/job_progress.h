#pragma once
// The two progress bars' values as the worker last set them. The worker only
// stores them; the progress window reads them on a timer of its own, so
// progress never makes the worker wait for the user-interface thread.

#include <atomic>

#include "platform/job.h"

namespace sprig {

class JobProgress {
public:
    void set(ProgressBar bar, int percent) { slot(bar).store(percent, std::memory_order_relaxed); }
    int get(ProgressBar bar) const { return slot(bar).load(std::memory_order_relaxed); }
    void reset()
    {
        set(ProgressBar::Rewriting, 0);
        set(ProgressBar::Interpretation, 0);
    }

private:
    std::atomic<int>& slot(ProgressBar bar) { return bar == ProgressBar::Rewriting ? rewriting_ : interpretation_; }
    const std::atomic<int>& slot(ProgressBar bar) const
    {
        return bar == ProgressBar::Rewriting ? rewriting_ : interpretation_;
    }

    std::atomic<int> rewriting_{0};
    std::atomic<int> interpretation_{0};
};

}  // namespace sprig
