#include "app/my_thread.h"

#include <string>

#include "app/user_interface.h"

namespace sprig {

MyThread::MyThread(UserInterface& ui, std::function<void(MyThread&)> routine)
    : ui_(ui), thread_([this, routine = std::move(routine)] { routine(*this); })
{
}

MyThread::~MyThread()
{
    if (thread_.joinable()) thread_.join();
}

void MyThread::showProgress(ProgressBar bar, int percent)
{
    (bar == ProgressBar::Rewriting ? rewritingProgress : interpretationProgress) = percent;
    if (ui_.showsProgress()) ui_.runOnUiThread([this, bar, percent] { ui_.setProgress(bar, percent); });
}

// The information view is a window like any other: lines reach it on the
// user-interface thread, while the worker waits.
void MyThread::appendLog(std::string_view line)
{
    ui_.runOnUiThread([this, line] { ui_.appendLog(line); });
}

}  // namespace sprig
