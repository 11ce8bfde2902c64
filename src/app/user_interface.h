#pragma once
// What the step driver needs of the windows: enabling, showing and filling
// them, dialogs, the beep, the repeat timer and synchronous calls onto the
// user-interface thread. The desktop program, the batch command and the
// tests each provide one, so the driver itself holds no toolkit code.

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_state.h"
#include "platform/job.h"

namespace sprig {

// The windows the driver shows, hides, enables and focuses.
class JobProgress;

enum class Window { Main, ControlPanel, Camera, Picture2d, Picture3d, Progress, About, Options, Help };

// Single controls and groups of them that are enabled together.
enum class Control {
    Forward,               // ">>"
    Back,                  // "<<"
    Repeat,                // "10 >>"
    Redraw,                // "Prekresli"
    Reset,                 // "Reset"
    SaveDefinitionButton,  // ".ls, .op"
    SaveStringButton,      // ".str"
    SaveDefinitionItems,   // "&Uložiť L-systém", "Uložiť L-systém &ako"
    SaveStringItems,       // "Uložiť reťazec", "Uložiť reťazec ako"
    SavePicture2dItems,    // the 2D window's "&Uložiť obrázok", "Uložiť obrázok &ako"
    SavePicture3dItems,    // the same in the 3D window
    CameraButtons,         // the camera window's controls
    PictureItem,           // the main window's "&Obrázok"
};

// The main window's four text views, each on its own tab page.
enum class TextView { Definition, Options, String, Information };

enum class StatusPanel { Symbols, Length, Parametric, Mode };

// The picture windows' save dialogs offer the formats of their drawing
// dimension; the name returned ends in the extension of one of them.
enum class FileDialog { OpenDefinition, SaveDefinition, OpenString, SaveString, SavePicture2d, SavePicture3d };

class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual void setEnabled(Window window, bool enabled) = 0;
    virtual bool isEnabled(Window window) = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void setVisible(Window window, bool visible) = 0;
    // Brings a minimised window back to its normal size.
    virtual void restore(Window window) = 0;
    virtual void focus(Window window) = 0;
    virtual void repaint(Window window) = 0;

    // The main window's caption.
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setStatus(StatusPanel panel, const std::string& text) = 0;
    // The control panel's step label.
    virtual void setStepLabel(const std::string& text) = 0;
    // The mode button of the given mode in yellow, the other two in black.
    virtual void highlightMode(RunMode mode) = 0;

    virtual void setTabVisible(TextView view, bool visible) = 0;
    virtual void setViewVisible(TextView view, bool visible) = 0;
    virtual void setEditable(TextView view, bool editable) = 0;
    virtual void setText(TextView view, const std::string& text) = 0;
    virtual std::vector<std::string> lines(TextView view) = 0;
    // The row (1-based) of the definition or options view where a job found
    // a syntax error: shows the view's page, marks the row, scrolls to it and
    // puts the cursor at its start; detail is the row's tool tip. Row 0
    // clears the mark; the next edit of the view clears it as well.
    virtual void markErrorRow(TextView view, int row, const std::string& detail) = 0;
    // Appends a line to the information view.
    virtual void appendLog(std::string_view line) = 0;
    // The progress window shows these values from now on, reading them as
    // often as it likes.
    virtual void followProgress(const JobProgress& progress) = 0;

    // The error dialog with its text; the program calls the driver's
    // errorDismissed() when the user closes it.
    virtual void showError(const std::string& text) = 0;
    // A file dialog; nothing when it is cancelled.
    virtual std::optional<std::string> chooseFile(FileDialog dialog) = 0;
    virtual void beep() = 0;
    // The main window's 500 ms timer, which calls the driver's OnTimerEvent().
    virtual void setTimerEnabled(bool enabled) = 0;

    // The pictures: clear the 2D picture to the background colour, show or
    // hide the 2D window's picture, and the 3D window's scene.
    virtual void clearPicture2d() = 0;
    virtual void setPicture2dShown(bool shown) = 0;
    // Cleared while the scene record is rewritten, so that no repaint reads it.
    virtual void setSceneReady(bool ready) = 0;
    // After a complete 3D pass: fit the camera to the scene, build what the
    // renderer needs, set the scene ready and repaint the 3D window.
    virtual void sceneDrawn() = 0;
    virtual void resetCamera() = 0;
    // When the drawing dimension changes: the picture window that takes over
    // gets the other's window state (normal, minimised, maximised), size and
    // position.
    virtual void takeOverPlace(Window from, Window to) = 0;
    // The camera window's "3D", or "2D" while 2D drawing is in force.
    virtual void setDimensionLabel(int drawDimensions) = 0;
    // Closes the main window, which ends the program.
    virtual void closeMainWindow() = 0;

    // Runs a routine on the user-interface thread and returns when it is
    // done; run at once when called on that thread.
    virtual void runOnUiThread(const std::function<void()>& routine) = 0;
    // On the user-interface thread: runs the worker's calls until it has
    // ended, for leaving the program while a job runs.
    virtual void waitForWorker(const std::atomic<bool>& running) = 0;
};

}  // namespace sprig
