#pragma once
// The step driver's window interface over the Qt windows. Definition,
// options and string texts arrive and leave as code page 1250 bytes; log
// lines, captions and status texts are UTF-8. The worker's calls reach the
// windows on the thread of the event loop, while the worker waits.

#include <functional>
#include <optional>
#include <string>

#include "app/user_interface.h"
#include "platform/qt/ui_thread.h"

namespace sprig {

struct DrawingTargets;
class TextPageView;
struct SceneView;
struct Settings;
struct Windows;

class QtInterface final : public UserInterface {
public:
    QtInterface(Windows& windows, DrawingTargets& targets, SceneView& scene, const Settings& settings);

    // Answers the file dialogs in place of the user when set: for tests.
    std::function<std::optional<std::string>(FileDialog)> fileChooser;
    // The path the next file dialog answers with, once: a file named on the
    // command line.
    void answerNextDialog(std::string path) { answer_ = std::move(path); }

    void setEnabled(Window window, bool enabled) override;
    bool isEnabled(Window window) override;
    void setEnabled(Control control, bool enabled) override;
    void setVisible(Window window, bool visible) override;
    void restore(Window window) override;
    void focus(Window window) override;
    void repaint(Window window) override;
    void setCaption(const std::string& caption) override;
    void setStatus(StatusPanel panel, const std::string& text) override;
    void setStepLabel(const std::string& text) override;
    void highlightMode(RunMode mode) override;
    void setTabVisible(TextView view, bool visible) override;
    void setViewVisible(TextView view, bool visible) override;
    void setEditable(TextView view, bool editable) override;
    void setText(TextView view, const std::string& text) override;
    std::vector<std::string> lines(TextView view) override;
    void markErrorRow(TextView view, int row, const std::string& detail) override;
    void appendLog(std::string_view line) override;
    void followProgress(const JobProgress& progress) override;
    void showError(const std::string& text) override;
    std::optional<std::string> chooseFile(FileDialog dialog) override;
    void beep() override;
    void setTimerEnabled(bool enabled) override;
    void clearPicture2d() override;
    void setPicture2dShown(bool shown) override;
    void setSceneReady(bool ready) override;
    void sceneDrawn() override;
    void resetCamera() override;
    void takeOverPlace(Window from, Window to) override;
    void setDimensionLabel(int drawDimensions) override;
    void closeMainWindow() override;
    void runOnUiThread(const std::function<void()>& routine) override;
    void waitForWorker(const std::atomic<bool>& running) override;

private:
    TextPageView& view(TextView which) const;
    std::optional<std::string> askUser(FileDialog dialog) const;

    Windows& windows_;
    DrawingTargets& targets_;
    SceneView& scene_;
    const Settings& settings_;
    std::optional<std::string> answer_;
    EventLoopCalls calls_;
};

}  // namespace sprig
