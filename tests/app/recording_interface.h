#pragma once
// A user interface for driver tests: keeps the state of every window and
// control the driver set, answers file dialogs from a script, and runs the
// worker's synchronous calls on the test's thread while it waits for a job.

#include <atomic>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/user_interface.h"
#include "platform/text_lines.h"
#include "platform/ui_thread_calls.h"

namespace sprig::testing {

class RecordingInterface final : public UserInterface {
public:
    void setEnabled(Window window, bool enabled) override { windowEnabled[window] = enabled; }
    bool isEnabled(Window window) override { return windowEnabled[window]; }
    void setEnabled(Control control, bool enabled) override { controlEnabled[control] = enabled; }
    void setVisible(Window window, bool visible) override { windowVisible[window] = visible; }
    void restore(Window) override {}
    void focus(Window window) override { focused = window; }
    void repaint(Window) override {}
    void setCaption(const std::string& text) override { caption = text; }
    void setStatus(StatusPanel panel, const std::string& text) override { status[panel] = text; }
    void setStepLabel(const std::string& text) override { stepLabel = text; }
    void highlightMode(RunMode mode) override { highlighted = mode; }
    void setTabVisible(TextView view, bool visible) override { tabVisible[view] = visible; }
    void setViewVisible(TextView, bool) override {}
    void setEditable(TextView, bool) override {}
    void setText(TextView view, const std::string& text) override { texts[view] = text; }
    std::vector<std::string> lines(TextView view) override { return splitLines(texts[view]); }
    void markErrorRow(TextView view, int row, const std::string& detail) override { marks[view] = {row, detail}; }
    void appendLog(std::string_view line) override { log.emplace_back(line); }
    void followProgress(const JobProgress& followed) override { progress = &followed; }
    void showError(const std::string& text) override { errors.push_back(text); }
    std::optional<std::string> chooseFile(FileDialog) override
    {
        if (answers.empty()) return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }
    void setTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void clearPicture2d() override {}
    void setPicture2dShown(bool shown) override { picture2dShown = shown; }
    void setSceneReady(bool ready) override { sceneReady = ready; }
    void sceneDrawn() override { sceneReady = true; }
    void resetCamera() override {}
    void takeOverPlace(Window from, Window to) override { tookOver.emplace_back(from, to); }
    void setDimensionLabel(int drawDimensions) override { dimensionLabel = drawDimensions; }
    void closeMainWindow() override { mainWindowClosed = true; }
    void runOnUiThread(const std::function<void()>& routine) override
    {
        ++handOvers;
        calls.call(routine);
    }
    void waitForWorker(const std::atomic<bool>& running) override { waitForJob(running); }

    // Runs the worker's calls until it has ended; `during` runs on this
    // thread every few milliseconds meanwhile.
    void waitForJob(
        const std::atomic<bool>& running, const std::function<void()>& during = [] {})
    {
        calls.runUntil([&] { return !running; }, std::chrono::milliseconds(5), during);
    }

    bool enabled(Window window) { return windowEnabled[window]; }
    bool enabled(Control control) { return controlEnabled[control]; }

    std::map<Window, bool> windowEnabled;
    std::map<Control, bool> controlEnabled;
    std::map<Window, bool> windowVisible;
    std::map<TextView, bool> tabVisible;
    std::map<StatusPanel, std::string> status;
    std::map<TextView, std::string> texts;
    std::map<TextView, std::pair<int, std::string>> marks;
    const JobProgress* progress = nullptr;
    // Routines the worker handed over to this thread.
    std::atomic<int> handOvers{0};
    std::optional<Window> focused;
    std::optional<RunMode> highlighted;
    std::string caption;
    std::string stepLabel;
    std::vector<std::string> log;
    std::vector<std::string> errors;
    std::deque<std::string> answers;
    std::vector<std::pair<Window, Window>> tookOver;
    int dimensionLabel = 3;
    int beeps = 0;
    bool timerEnabled = false;
    bool sceneReady = false;
    // The 2D window shows its picture once one is drawn, which tests set by hand.
    bool picture2dShown = false;
    bool mainWindowClosed = false;

private:
    UiThreadCalls calls;
};

}  // namespace sprig::testing
