#pragma once
// The batch command's windows: the information view is standard output,
// file dialogs answer with the paths of the command line, the definition
// and options views hold what opening loaded, and everything else that
// only a screen would show is dropped. Ctrl-C and SIGTERM press Stop.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/user_interface.h"
#include "platform/job.h"
#include "platform/ui_thread_calls.h"

namespace sprig {

class Canvas;
class StepDriver;
struct DrawingTargets;

class ConsoleInterface final : public UserInterface {
public:
    explicit ConsoleInterface(DrawingTargets& targets);
    ~ConsoleInterface() override;
    ConsoleInterface(const ConsoleInterface&) = delete;
    ConsoleInterface& operator=(const ConsoleInterface&) = delete;

    // The path the next file dialog answers with.
    void answerNextDialog(std::string path) { answer_ = std::move(path); }
    // Options lines that the options view holds whatever opening put there:
    // what --options gives for a saved string.
    void pinOptions(std::vector<std::string> lines) { pinnedOptions_ = std::move(lines); }

    // Runs the worker's calls until it has ended, pressing Stop when a
    // signal asks for it.
    void waitForJob(StepDriver& driver, const std::atomic<bool>& running);
    // Whether Ctrl-C or SIGTERM came.
    bool interrupted() const;
    // A job for work done on this thread: log lines go to standard output,
    // and a signal asks it to stop.
    Job& directJob();

    void setEnabled(Window, bool) override {}
    bool isEnabled(Window) override { return true; }
    void setEnabled(Control, bool) override {}
    void setVisible(Window, bool) override {}
    void restore(Window) override {}
    void focus(Window) override {}
    void repaint(Window) override {}
    void setCaption(const std::string&) override {}
    void setStatus(StatusPanel, const std::string&) override {}
    void setStepLabel(const std::string&) override {}
    void highlightMode(RunMode) override {}
    void setTabVisible(TextView, bool) override {}
    void setViewVisible(TextView, bool) override {}
    void setEditable(TextView, bool) override {}
    // The error line names the row already.
    void markErrorRow(TextView, int, const std::string&) override {}
    void setText(TextView view, const std::string& text) override;
    std::vector<std::string> lines(TextView view) override;
    void appendLog(std::string_view line) override;
    void followProgress(const JobProgress&) override {}
    // No bar: the worker need not stop to hand its progress over.
    // The command prints the message of its result when it ends.
    void showError(const std::string&) override {}
    std::optional<std::string> chooseFile(FileDialog) override;
    void beep() override {}
    void setTimerEnabled(bool) override {}
    void clearPicture2d() override;
    void setPicture2dShown(bool) override {}
    void setSceneReady(bool) override {}
    void sceneDrawn() override {}
    void resetCamera() override {}
    void takeOverPlace(Window, Window) override {}
    void setDimensionLabel(int) override {}
    void closeMainWindow() override {}
    void runOnUiThread(const std::function<void()>& routine) override { calls_.call(routine); }
    void waitForWorker(const std::atomic<bool>& running) override;

private:
    DrawingTargets& targets_;
    UiThreadCalls calls_;
    std::optional<std::string> answer_;
    std::map<TextView, std::string> texts_;
    std::optional<std::vector<std::string>> pinnedOptions_;
};

}  // namespace sprig
