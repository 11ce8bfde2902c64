#include "app/my_thread.h"

#include <string>

#include "app/job_progress.h"
#include "app/user_interface.h"

namespace sprig {

MyThread::MyThread(UserInterface& ui, JobProgress& progress, std::function<void(MyThread&)> routine)
    : ui_(ui), progress_(progress), thread_([this, routine = std::move(routine)] { routine(*this); })
{
}

MyThread::~MyThread()
{
    if (thread_.joinable()) thread_.join();
}

void MyThread::showProgress(ProgressBar bar, int percent) { progress_.set(bar, percent); }

// The information view is a window like any other: lines reach it on the
// user-interface thread, while the worker waits.
void MyThread::appendLog(std::string_view line)
{
    ui_.runOnUiThread([this, line] { ui_.appendLog(line); });
}

}  // namespace sprig
