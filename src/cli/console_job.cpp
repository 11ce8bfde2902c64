#include "cli/console_job.h"

#include <csignal>
#include <cstdio>

namespace sprig {

namespace {

ConsoleJob* interruptible = nullptr;

extern "C" void onInterrupt(int)
{
    // Only the relaxed atomic store happens here, which is signal-safe.
    if (interruptible) interruptible->requestStop();
}

// Ctrl-C and a polite kill both stop the running pass, which then cleans up
// after itself. No restart: a blocking call returns, so the stop is seen.
void handleStopSignals(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

ConsoleJob::ConsoleJob()
{
    interruptible = this;
    handleStopSignals(onInterrupt);
}

ConsoleJob::~ConsoleJob()
{
    handleStopSignals(SIG_DFL);
    interruptible = nullptr;
}

void ConsoleJob::appendLog(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace sprig
