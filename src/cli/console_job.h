#pragma once
// The batch command's Job: log lines go to standard output as they come,
// progress is not shown, and Ctrl-C or SIGTERM asks the running pass to stop.

#include "platform/job.h"

namespace sprig {

class ConsoleJob final : public Job {
public:
    ConsoleJob();
    ~ConsoleJob() override;
    ConsoleJob(const ConsoleJob&) = delete;
    ConsoleJob& operator=(const ConsoleJob&) = delete;

    void showProgress(ProgressBar, int) override {}
    void appendLog(std::string_view line) override;
};

}  // namespace sprig
