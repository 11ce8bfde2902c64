#pragma once
// The worker of one step command: a thread that starts at once, runs its
// routine and ends. It is the Job of the passes it runs: their stop request,
// their progress, stored for the progress window to read, and their log
// lines, which reach the windows through synchronous calls onto the
// user-interface thread.

#include <functional>
#include <string_view>
#include <thread>

#include "platform/job.h"

namespace sprig {

class JobProgress;
class UserInterface;

class MyThread final : public Job {
public:
    MyThread(UserInterface& ui, JobProgress& progress, std::function<void(MyThread&)> routine);
    // Waits for the routine to end.
    ~MyThread() override;
    MyThread(const MyThread&) = delete;
    MyThread& operator=(const MyThread&) = delete;

    void showProgress(ProgressBar bar, int percent) override;
    void appendLog(std::string_view line) override;

    // The interpretation's result code.
    int DrawResult = 0;

private:
    UserInterface& ui_;
    JobProgress& progress_;
    // Last, so that it starts when everything above is set.
    std::thread thread_;
};

}  // namespace sprig
