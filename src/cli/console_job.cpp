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

}  // namespace

ConsoleJob::ConsoleJob()
{
    interruptible = this;
    std::signal(SIGINT, onInterrupt);
}

ConsoleJob::~ConsoleJob()
{
    std::signal(SIGINT, SIG_DFL);
    interruptible = nullptr;
}

void ConsoleJob::appendLog(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace sprig
