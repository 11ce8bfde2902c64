#pragma once
// A driver with its windows recorded, run on definitions written into a
// fresh folder; commands run as the user would press them, each waiting
// for its worker.

#include <gtest/gtest.h>

#include "app/file_commands.h"
#include "app/step_driver.h"
#include "core/turtle/scene_record.h"
#include "platform/random_source.h"
#include "recording_interface.h"
#include "settings/settings.h"
#include "support/recording_canvas.h"
#include "support/temp_dir.h"

namespace sprig::testing {

class DriverTest : public ::testing::Test {
protected:
    // Opens p.ls (and p.op when options are given) in the current run mode.
    void open(const std::string& definition, const std::string& options = "")
    {
        if (!options.empty()) dir.write("p.op", options);
        ui.answers.push_back(dir.write("p.ls", definition));
        ASSERT_TRUE(files.FileOpen());
    }

    void press(void (StepDriver::*command)())
    {
        (driver.*command)();
        ui.waitForJob(state.threadRunning);
    }

    // Forward n times.
    void forward(int n)
    {
        for (int i = 0; i < n; ++i) press(&StepDriver::BDalejClick);
    }

    std::string path(const std::string& name) const { return dir.file(name); }

    TempDir dir;
    RecordingInterface ui;
    RunState state;
    Settings settings;
    RecordingCanvas canvas;
    SceneRecord scene;
    DrawingTargets targets{&canvas, 1600, 1200, &scene};
    LcgRandom random;
    StepDriver driver{state, settings, targets, {ui, random, [](int step) { return 1u + step; }}};
    FileCommands files{state, settings, targets, ui, driver};
};

}  // namespace sprig::testing
