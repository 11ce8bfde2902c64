#include "driver_fixture.h"

#include <tuple>

#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

// Each row presses one command and states what the control panel and the
// string view show afterwards. Forward does nothing without a definition or
// past step 999.
TEST_F(DriverTest, StepCommandsWalkTheDerivationForwardBackAndFromTheStart)
{
    state.runMode = RunMode::LSR;
    press(&StepDriver::BDalejClick);
    open("axiom F\n#F->FG\n");
    EXPECT_EQ(ui.caption, "Sprigwork   " + path("p.ls"));
    EXPECT_EQ(ui.log, std::vector<std::string>{"L-system file opened: " + path("p.ls")});
    EXPECT_TRUE(ui.enabled(Control::Forward));
    EXPECT_FALSE(ui.enabled(Control::Back));
    struct Row {
        void (StepDriver::*command)();
        int stepsDone;
        const char* label;
        bool backEnabled;
        const char* string;
    };
    const Row rows[] = {
        {&StepDriver::BDalejClick, 1, "0", false, "F"},  // the first >> shows the axiom
        {&StepDriver::BDalejClick, 2, "1", true, "FG"},
        {&StepDriver::BDalejClick, 3, "2", true, "FGG"},
        {&StepDriver::BSpatClick, 2, "1", true, "FG"},
        {&StepDriver::BSpatClick, 1, "0", false, "F"},  // << at step 1 shows step 0 and disables itself
        {&StepDriver::BDalejClick, 2, "1", true, "FG"},
        {&StepDriver::BResetClick, 0, "", false, ""},
        {&StepDriver::BDalejClick, 1, "0", false, "F"},  // Reset: the next >> writes step 0 afresh
    };
    for (const Row& row : rows) {
        press(row.command);
        SCOPED_TRACE(row.label);
        // Nothing is drawn in LSR, so there is never a picture to save.
        EXPECT_EQ(std::tuple(state.StepsDone, ui.stepLabel, ui.enabled(Control::Back), ui.texts[TextView::String],
                             ui.windowVisible[Window::Progress], ui.enabled(Control::SavePicture2dItems),
                             ui.enabled(Control::SavePicture3dItems)),
                  std::tuple(row.stepsDone, row.label, row.backEnabled, row.string, false, false, false));
    }
    EXPECT_TRUE(ui.enabled(Window::Main) && ui.enabled(Control::Reset));
    EXPECT_EQ(std::pair(ui.status[StatusPanel::Parametric], ui.status[StatusPanel::Symbols]),
              std::pair(std::string("neparametrický"), std::string("Počet symbolov : 1")));
    // LSR: statistics without segments and polygons, and nothing drawn.
    const std::vector<std::string> tail(ui.log.end() - 3, ui.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Statistics", "String length: 1 KB", "Number of symbols: 1"}));
    EXPECT_EQ(driver.drawResult(), kDone);
    state.StepsDone = 1000;
    const std::size_t logged = ui.log.size();
    press(&StepDriver::BDalejClick);
    EXPECT_EQ(std::pair(state.StepsDone, ui.log.size()), std::pair(1000, logged));
}

TEST_F(DriverTest, RepeatRunsStepCountJobsAndStopCancelsTheRest)
{
    state.runMode = RunMode::LSR;
    settings.stepCount = 3;
    open("axiom F\n#F->FF\n");
    driver.BXDalejClick();
    EXPECT_TRUE(ui.timerEnabled);
    for (int tick = 0; tick < 5; ++tick) {
        driver.OnTimerEvent();
        ui.waitForJob(state.threadRunning);
    }
    EXPECT_EQ(std::pair(ui.timerEnabled, state.StepsDone), std::pair(false, 3));

    // Stop in the second job of a series: that job ends, the rest never start.
    settings.stepCount = 10;
    driver.BXDalejClick();
    driver.OnTimerEvent();
    ui.waitForJob(state.threadRunning);
    driver.OnTimerEvent();
    driver.BitBtn1Click();
    ui.waitForJob(state.threadRunning);
    EXPECT_EQ(state.LastResult, kStopped);
    for (int tick = 0; tick < 3; ++tick) driver.OnTimerEvent();
    EXPECT_EQ(std::pair(ui.timerEnabled, state.StepsDone), std::pair(false, 4));
    EXPECT_FALSE(fileExists(path("p_004.stt")));
}

// Stop is pressed before the worker's pass has read a symbol, so the pass
// stops at its first check whatever the machine's speed.
TEST_F(DriverTest, StopEndsARewriteOrADrawingAndHandsTheWindowsBack)
{
    open("axiom F\n#F->F[+F]F[-F]F\n", "draw_dimensions=2\n");
    forward(2);
    driver.BDalejClick();
    driver.BitBtn1Click();
    ui.waitForJob(state.threadRunning);
    EXPECT_EQ(std::tuple(state.LastResult, state.StepsDone, fileExists(path("p_002.stt")), ui.stepLabel),
              std::tuple(kStopped, 2, false, "1"));

    driver.BPrekresliClick();
    driver.BitBtn1Click();
    ui.waitForJob(state.threadRunning);
    EXPECT_EQ(state.LastResult, kStopped);
    EXPECT_TRUE(ui.errors.empty());
    for (Window window : {Window::Main, Window::ControlPanel, Window::Camera, Window::Picture2d})
        EXPECT_TRUE(ui.enabled(window));
    EXPECT_FALSE(ui.windowVisible[Window::Progress]);
}

// A drawn step logs its segments; the string is shown while it is short. The
// worker stores its progress for the progress window to read: a job hands
// over only its results and log lines, however long its string.
TEST_F(DriverTest, DrawnStepsLogSegmentsShowShortStringsAndHandOverNoProgress)
{
    open("axiom F\n#F->FFFFFFFFFF\n", "draw_dimensions=2\n");
    forward(5);
    // 12 header bytes and 10^4 symbols: 10012 bytes, 9 KB and 1.
    EXPECT_EQ(std::tuple(ui.status[StatusPanel::Length], ui.texts[TextView::String], ui.log[ui.log.size() - 2],
                         ui.log.back(), ui.focused),
              std::tuple("Dĺžka reťazca : 10 KB", std::string(10000, 'F'), "Number of segments: 10000",
                         "Number of polygons: 0", Window::ControlPanel));
    EXPECT_TRUE(ui.enabled(Control::Redraw));
    forward(1);
    // 100012 bytes: counted and drawn, but too long for the view.
    EXPECT_EQ(ui.status[StatusPanel::Length], "Dĺžka reťazca : 98 KB");
    EXPECT_EQ(ui.texts[TextView::String], "");
    ASSERT_NE(ui.progress, nullptr);
    EXPECT_EQ(ui.progress->get(ProgressBar::Rewriting), 100);
    EXPECT_EQ(ui.progress->get(ProgressBar::Interpretation), 100);
    ui.handOvers = 0;
    ui.status.clear();
    press(&StepDriver::BPrekresliClick);
    EXPECT_EQ(ui.status[StatusPanel::Symbols], "Počet symbolov : 100000");
    EXPECT_LT(ui.handOvers, 20);
    EXPECT_EQ(ui.progress->get(ProgressBar::Interpretation), 100);
}

}  // namespace
}  // namespace sprig::testing
