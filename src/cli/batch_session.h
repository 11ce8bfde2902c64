#pragma once
// The batch command's work, done as a user would do it with the buttons:
// open the definition and press forward step after step (or open a saved
// string in LSDr), then write the picture of the last drawing and, with
// --clean, delete the files the run created.

#include <memory>
#include <optional>

#include "app/drawing_targets.h"
#include "app/file_commands.h"
#include "app/run_state.h"
#include "app/step_driver.h"
#include "cli/batch_arguments.h"
#include "cli/batch_picture.h"
#include "cli/console_interface.h"
#include "core/turtle/scene_record.h"
#include "platform/random_source.h"
#include "platform/result.h"
#include "settings/settings.h"

namespace sprig {

struct BatchOutcome {
    int code = 0;
    int errorRow = 0;
    // The file that failed and why, when one explains the failure.
    std::optional<FileFailure> failure;
};

class BatchSession {
public:
    explicit BatchSession(const BatchArguments& arguments);

    BatchOutcome run();

private:
    Result deriveSteps();
    Result drawSavedString();
    Result forward();
    // The result of the job that just ended, as the command's exit status,
    // with the file failure that explains a failed job.
    Result jobOutcome();
    // The picture of the step just drawn, as a .bmp or .png file.
    Result writePicture(const std::string& path, PictureFormat format = PictureFormat::Bmp);
    // The files --export asks for, of the step shown.
    Result writeExports();
    Result writeFrame(int step);
    Result saveString();

    const BatchArguments& arguments_;
    RunState state_;
    Settings settings_;
    SceneRecord scene_;
    std::optional<BatchPicture> picture_;
    DrawingTargets targets_;
    ConsoleInterface ui_;
    LcgRandom random_;
    SystemClock clock_;
    StepDriver driver_;
    FileCommands files_;
};

}  // namespace sprig
