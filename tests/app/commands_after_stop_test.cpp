#include <algorithm>
#include <functional>

#include "app/run_modes.h"
#include "driver_fixture.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

class CommandsAfterStopTest : public DriverTest {
protected:
    RunModes modes{state, settings, targets, ui, driver, files};
};

// Stop gives the windows back while the worker is still ending (here it
// cannot end before the test runs its calls). Each row presses a command
// at that moment: the command waits for the worker, then runs on the run
// values the worker handed back, and its own job is never lost.
TEST_F(CommandsAfterStopTest, EveryCommandRightAfterStopRunsAfterTheStoppedJob)
{
    struct Row {
        const char* name;
        std::function<void()> command;
        int stepsDone;
        const char* label;
        const char* string;
        const char* symbols;
    };
    const Row rows[] = {
        {"<<", [this] { driver.BSpatClick(); }, 2, "1", "FF", "2"},
        {">>", [this] { driver.BDalejClick(); }, 4, "3", "FFFFFFFF", "8"},
        {"Reset", [this] { driver.BResetClick(); }, 0, "", "", ""},
        {"Prekresli", [this] { driver.BPrekresliClick(); }, 3, "2", "FFFF", "4"},
        {"LSR", [this] { modes.BitBLSRClick(); }, 3, "2", "FFFF", ""},
        {"Open", [this] { open("axiom G\n"); }, 0, "", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        state.runMode = RunMode::LSRD;
        open("axiom F\n#F->FF\n", "draw_dimensions=2\n");
        forward(3);
        ui.log.clear();
        driver.BPrekresliClick();
        driver.BitBtn1Click();
        row.command();
        ui.waitForJob(state.threadRunning);
        EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "Stopped at step 2"), 1);
        EXPECT_EQ(state.StepsDone, row.stepsDone);
        EXPECT_EQ(ui.stepLabel, row.label);
        EXPECT_EQ(ui.texts[TextView::String], row.string);
        // Every job gives the windows back when it ends.
        EXPECT_TRUE(ui.enabled(Window::Main) && ui.enabled(Window::ControlPanel) && ui.enabled(Window::Camera));
        // The stopped job was counting the string: it shows no count.
        EXPECT_EQ(ui.status[StatusPanel::Symbols], std::string("Počet symbolov : ") + row.symbols);
    }
}

// Saving the string after Stop copies the step the worker has shown.
TEST_F(CommandsAfterStopTest, SavingAfterStopCopiesTheStepShown)
{
    state.runMode = RunMode::LSR;
    open("axiom F\n#F->FF\n");
    forward(2);
    driver.BDalejClick();
    driver.BitBtn1Click();
    ASSERT_TRUE(files.UlozitRetClick());
    EXPECT_EQ(TempDir::read(path("p_001.str")), "n\n90.000000\nFF");
    EXPECT_EQ(ui.log.back(), "Stopped at step 2");
}

}  // namespace
}  // namespace sprig::testing
