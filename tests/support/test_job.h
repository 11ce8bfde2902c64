#pragma once
// A Job for tests: keeps the log lines and the last progress of each bar.

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
    }
    void appendLog(std::string_view line) override { log.emplace_back(line); }

    std::vector<std::string> log;
    int rewriting = -1;
    int interpretation = -1;
};

}  // namespace sprig::testing
