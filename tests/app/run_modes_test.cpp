#include <algorithm>
#include <tuple>

#include "app/run_modes.h"
#include "driver_fixture.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

class RunModesTest : public DriverTest {
protected:
    void pressMode(void (RunModes::*button)())
    {
        (modes.*button)();
        ui.waitForJob(state.threadRunning);
    }

    long statisticsBlocks() const { return std::count(ui.log.begin(), ui.log.end(), "Statistics"); }

    RunModes modes{state, settings, targets, ui, driver, files};
};

// Each row presses one mode button after three steps were derived in LSR and
// states what the program shows afterwards. The step files survive switches
// between LSR and LSR&D; entering LSDr deletes them; leaving it starts over.
TEST_F(RunModesTest, ModeButtonsSwitchWhatIsShownAndWhatIsKept)
{
    state.runMode = RunMode::LSR;
    open("axiom F\n#F->FF\n");
    forward(3);
    struct Row {
        void (RunModes::*button)();
        RunMode mode;
        const char* panel;
        bool pictureItem;
        bool picture3dShown;
        bool redraw;
        int stepsDone;
        bool stepFilesKept;
        long statisticsBlocks;  // one per job so far: a drawing job when LSR&D follows LSR with steps
        const char* caption;
    };
    const std::string opened = "Sprigwork   " + path("p.ls");
    const Row rows[] = {
        {&RunModes::BitBLSRDrClick, RunMode::LSRD, "LSR&D     ", true, true, true, 3, true, 4, opened.c_str()},
        {&RunModes::BitBLSRClick, RunMode::LSR, "LSR     ", false, false, false, 3, true, 4, opened.c_str()},
        {&RunModes::BitBLSRDrClick, RunMode::LSRD, "LSR&D     ", true, true, true, 3, true, 5, opened.c_str()},
        {&RunModes::BitBLSDrClick, RunMode::LSDr, "LSDr    ", true, true, false, 3, false, 5, "Sprigwork"},
        {&RunModes::BitBLSRDrClick, RunMode::LSRD, "LSR&D     ", true, true, false, 0, false, 5, "Sprigwork"},
        {&RunModes::BitBLSRClick, RunMode::LSR, "LSR     ", false, false, false, 0, false, 5, "Sprigwork"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.panel);
        pressMode(row.button);
        EXPECT_EQ(std::tuple(state.runMode, ui.status[StatusPanel::Mode], ui.highlighted, ui.caption),
                  std::tuple(row.mode, row.panel, row.mode, row.caption));
        EXPECT_EQ(std::tuple(ui.enabled(Control::PictureItem), ui.windowVisible[Window::Picture3d],
                             ui.windowVisible[Window::Picture2d], ui.enabled(Control::Redraw),
                             ui.enabled(Control::CameraButtons), ui.enabled(Window::Main)),
                  std::tuple(row.pictureItem, row.picture3dShown, false, row.redraw, row.redraw, true));
        // Only a drawing job, which leaves Redraw on, makes the scene whole again.
        EXPECT_EQ(std::tuple(state.StepsDone, fileExists(path("p_002.stt")), statisticsBlocks(), scene.sceneComplete),
                  std::tuple(row.stepsDone, row.stepFilesKept, row.statisticsBlocks, row.redraw));
        if (row.mode != RunMode::LSDr) continue;
        // Entering LSDr empties every view, hides every page and leaves no
        // step command and nothing to save.
        for (TextView view : {TextView::Definition, TextView::Options, TextView::String, TextView::Information}) {
            EXPECT_EQ(ui.texts[view], "");
            EXPECT_FALSE(ui.tabVisible[view]);
        }
        for (Control control : {Control::Forward, Control::Back, Control::Repeat, Control::SaveStringButton,
                                Control::SaveStringItems, Control::SaveDefinitionButton})
            EXPECT_FALSE(ui.enabled(control));
    }
}

TEST_F(RunModesTest, TheCurrentModesButtonChangesNothingAndLsrdWithoutStepsOnlyFocuses)
{
    scene.sceneComplete = true;
    modes.BitBLSRDrClick();
    EXPECT_TRUE(scene.sceneComplete && !ui.highlighted && ui.status.empty());

    state.runMode = RunMode::LSR;
    settings.effective.drawDimensions = 2;
    modes.BitBLSRDrClick();
    EXPECT_EQ(ui.focused, Window::Main);
    EXPECT_EQ(std::tuple(state.threadRunning.load(), scene.sceneComplete, ui.windowVisible[Window::Picture2d],
                         ui.windowVisible[Window::Picture3d], ui.enabled(Control::SavePicture2dItems), ui.log.empty()),
              std::tuple(false, false, true, false, false, true));
}

// Leaving deletes the files of the derivation, also when the window closes
// during a job, which is stopped first.
TEST_F(RunModesTest, LeavingDeletesTheStepFilesAndStopsARunningJob)
{
    open("axiom F\n#F->FF\n");
    forward(2);
    modes.exitProgram();
    EXPECT_FALSE(fileExists(path("p_000.stt")));
    EXPECT_TRUE(ui.mainWindowClosed);

    forward(12);
    driver.BDalejClick();
    modes.mainWindowClosing();
    EXPECT_FALSE(state.threadRunning);
    EXPECT_TRUE(state.createdFiles.empty());
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"p.ls"}));
}

// The options in force at a job choose the picture window; a switch hands
// the old window's place to the new one and clears the 3D scene for 2D.
TEST_F(RunModesTest, TheOptionsInForceChooseThePictureWindow)
{
    open("axiom F\n", "draw_dimensions=2\n");
    struct Row {
        const char* options;
        Window shown;
        Window hidden;
        bool sceneReady;
    };
    const Row rows[] = {{"draw_dimensions=2", Window::Picture2d, Window::Picture3d, false},
                        {"", Window::Picture3d, Window::Picture2d, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.options);
        ui.texts[TextView::Options] = row.options;
        forward(1);
        EXPECT_TRUE(ui.windowVisible[row.shown]);
        EXPECT_FALSE(ui.windowVisible[row.hidden]);
        EXPECT_EQ(ui.dimensionLabel, row.shown == Window::Picture2d ? 2 : 3);
        EXPECT_EQ(ui.sceneReady, row.sceneReady);
        EXPECT_EQ(ui.tookOver.back(), std::make_pair(row.hidden, row.shown));
    }
    EXPECT_EQ(ui.tookOver.size(), 2u);
}

}  // namespace
}  // namespace sprig::testing
