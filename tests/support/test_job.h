#pragma once
// A Job for tests: keeps the log lines, every progress shown and the last of
// each bar, and asks to stop at the first progress at or above stopAt.

#include <string>
#include <string_view>
#include <vector>

#include "platform/job.h"

namespace sprig::testing {

class TestJob : public Job {
public:
    void showProgress(ProgressBar bar, int percent) override
    {
        (bar == ProgressBar::Rewriting ? rewriting : interpretation) = percent;
        reports.push_back(percent);
        if (percent >= stopAt) requestStop();
    }
    void appendLog(std::string_view line) override { log.emplace_back(line); }

    std::vector<std::string> log;
    int rewriting = -1;
    int interpretation = -1;
    std::vector<int> reports;
    int stopAt = 1000;
};

}  // namespace sprig::testing
