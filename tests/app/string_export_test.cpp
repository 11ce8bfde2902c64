#include "app/string_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "driver_fixture.h"

#include "platform/result_codes.h"
#include "settings/settings.h"
#include "support/temp_dir.h"
#include "support/test_job.h"

namespace sprig::testing {
namespace {

// Presses Stop once the drawing pass, which follows the measuring pass's
// first half of the bar, is under way.
class StoppingJob final : public TestJob {
public:
    void showProgress(ProgressBar bar, int percent) override
    {
        TestJob::showProgress(bar, percent);
        if (percent > 60) requestStop();
    }
};

TEST(StringExport, AStoppedSvgLeavesNoFileAndNoHomomorphismFile)
{
    std::string row = "n\n10.000000\n";
    for (int i = 0; i < 20000; ++i) row += "F+";
    for (const bool temporary : {false, true}) {
        SCOPED_TRACE(temporary);
        TempDir dir;
        const std::string old = dir.write("row.svg", "old");
        const std::string shown = dir.write(temporary ? "row_001.sth" : "row.str", row + "\n");
        Settings settings;
        settings.effective.drawDimensions = 2;
        StoppingJob job;
        const StringExport request{old, shown, temporary, 40000, settings, job, 320, 240, 0x0000FF00, 0};
        EXPECT_EQ(exportString(PictureFormat::Svg, request), kStopped);
        EXPECT_GT(job.interpretation, 60);
        EXPECT_EQ(TempDir::read(old), "old");
        const std::vector<std::string> left =
            temporary ? std::vector<std::string>{"row.svg"} : std::vector<std::string>{"row.str", "row.svg"};
        EXPECT_EQ(dir.names(), left);
    }
}

// The desktop program exports as a job of the worker: the file is named in
// the information view and the windows come back; a file that cannot be
// written is shown with its name and the reason, and nothing is left.
TEST_F(DriverTest, AnExportJobNamesItsFileOrShowsWhyItFailed)
{
    open("axiom F+F\n", "draw_dimensions=2\n");
    forward(1);
    driver.startExport(PictureFormat::Svg, path("p.svg"));
    ui.waitForJob(state.threadRunning);
    EXPECT_EQ(TempDir::read(path("p.svg")).rfind("<?xml", 0), 0u);
    EXPECT_EQ(ui.log.back(), "Exported: " + path("p.svg"));
    EXPECT_FALSE(ui.windowVisible[Window::Progress]);
    EXPECT_TRUE(ui.enabled(Window::Main) && ui.enabled(Window::ControlPanel));
    EXPECT_TRUE(ui.errors.empty());

    const std::string blocked = path("blocked") + "/p.svg";
    driver.startExport(PictureFormat::Svg, blocked);
    ui.waitForJob(state.threadRunning);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], "Chyba : súbor sa nepodarilo uložiť\n" + blocked);
    EXPECT_EQ(ui.log.back().rfind("Error: file not saved: " + blocked + ": ", 0), 0u) << ui.log.back();
    EXPECT_FALSE(ui.enabled(Window::Main));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"p.ls", "p.op", "p.svg", "p_000.stt"}));
}

}  // namespace
}  // namespace sprig::testing
