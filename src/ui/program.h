#pragma once
// The desktop program: the run values, settings, scene and bitmap, the ten
// windows, and the step driver with its commands wired to the buttons and
// menu items. One instance lives from start-up to exit.

#include <functional>
#include <memory>
#include <string>

#include "app/drawing_targets.h"
#include "app/file_commands.h"
#include "app/run_modes.h"
#include "app/run_state.h"
#include "app/step_driver.h"
#include "app/window_commands.h"
#include "core/turtle/scene_record.h"
#include "platform/qt/qimage_canvas.h"
#include "platform/random_source.h"
#include "settings/settings.h"
#include "ui/picture_saving.h"
#include "ui/qt_interface.h"
#include "ui/windows.h"
#include "views/camera_moves.h"
#include "views/scene_view.h"

namespace sprig {

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the windows of start-up, then opens the file as "&Otvoriť..."
    // would: a .str file in run mode LSDr, anything else as a definition.
    void start(const std::string& path = "");

    Windows& windows() { return windows_; }
    QtInterface& ui() { return ui_; }
    const RunState& state() const { return state_; }
    const DrawingTargets& targets() const { return targets_; }
    const SceneView& sceneView() const { return sceneView_; }

private:
    void wireMainWindow();
    void wireControlPanel();
    void wireWindowMenus();
    void wireBoxes();
    void wirePictureWindows();
    // A camera window's button, a drag or the wheel, as `move` makes it,
    // with the edits read from the camera window and written back; only
    // while the camera window's controls are enabled.
    void moveCamera(const std::function<CameraResponse(CameraEdits&, CameraState&, int drawDimensions)>& move);
    void pressCamera(CameraButton button);
    void OKBtnClick();
    void CancelBtnClick();
    void chooseColour(std::uint32_t& colour);

    RunState state_;
    Settings settings_;
    SceneRecord scene_;
    QImageCanvas canvas_;
    DrawingTargets targets_;
    SceneView sceneView_;
    SystemClock clock_;
    LcgRandom random_;
    Windows windows_;
    QtInterface ui_;
    StepDriver driver_;
    FileCommands files_;
    RunModes modes_;
    WindowCommands windowCommands_;
    PictureSaving pictures_;
    CameraPointer pointer_;
};

}  // namespace sprig
