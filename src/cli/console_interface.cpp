#include "cli/console_interface.h"

#include <csignal>
#include <cstdio>

#include "app/drawing_targets.h"
#include "app/step_driver.h"
#include "platform/canvas.h"
#include "platform/text_lines.h"

namespace sprig {

namespace {

std::atomic<bool> signalled{false};

// Log lines of work done on the command's own thread.
class ConsoleJob final : public Job {
public:
    void showProgress(ProgressBar, int) override {}
    void appendLog(std::string_view line) override
    {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
};

ConsoleJob consoleJob;

extern "C" void onStopSignal(int)
{
    // Only lock-free atomic stores happen here, which are signal-safe.
    signalled.store(true, std::memory_order_relaxed);
    consoleJob.requestStop();
}

// Ctrl-C and a polite kill both press Stop. No restart: a blocking call
// returns, so the stop is seen.
void handleStopSignals(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

ConsoleInterface::ConsoleInterface(DrawingTargets& targets) : targets_(targets) { handleStopSignals(onStopSignal); }

ConsoleInterface::~ConsoleInterface() { handleStopSignals(SIG_DFL); }

// The worker's end is handed over like its other calls, so the wait ends
// at once; the interval only bounds how late a signal presses Stop.
constexpr std::chrono::milliseconds kLookInterval(20);

void ConsoleInterface::waitForJob(StepDriver& driver, const std::atomic<bool>& running)
{
    bool stopPressed = false;
    calls_.runUntil([&] { return !running; }, kLookInterval,
                    [&] {
                        if (!interrupted() || stopPressed) return;
                        driver.BitBtn1Click();
                        stopPressed = true;
                    });
}

void ConsoleInterface::waitForWorker(const std::atomic<bool>& running)
{
    calls_.runUntil([&] { return !running; }, kLookInterval, [] {});
}

bool ConsoleInterface::interrupted() const { return signalled.load(std::memory_order_relaxed); }

Job& ConsoleInterface::directJob() { return consoleJob; }

void ConsoleInterface::setText(TextView view, const std::string& text) { texts_[view] = text; }

std::vector<std::string> ConsoleInterface::lines(TextView view)
{
    if (view == TextView::Options && pinnedOptions_) return *pinnedOptions_;
    return splitLines(texts_[view]);
}

void ConsoleInterface::appendLog(std::string_view line) { consoleJob.appendLog(line); }

std::optional<std::string> ConsoleInterface::chooseFile(FileDialog)
{
    std::optional<std::string> answer = std::move(answer_);
    answer_.reset();
    return answer;
}

void ConsoleInterface::clearPicture2d()
{
    if (targets_.canvas) targets_.canvas->fill(targets_.backgroundColour);
}

}  // namespace sprig
