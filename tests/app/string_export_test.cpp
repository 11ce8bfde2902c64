#include "app/string_export.h"

#include <gtest/gtest.h>

#include "core/result_codes.h"
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

}  // namespace
}  // namespace sprig::testing
