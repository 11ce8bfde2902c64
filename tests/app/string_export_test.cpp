#include "app/string_export.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>

#include "app/obj_writer.h"

#include "driver_fixture.h"
#include "platform/result_codes.h"
#include "settings/settings.h"
#include "support/temp_dir.h"
#include "support/test_job.h"

namespace sprig::testing {
namespace {

// Presses Stop once the given interpretation pass is past 60% of its bar:
// in 2D the drawing pass, which follows the measuring pass's first half;
// a PLY file's second pass writes its faces.
class StoppingJob final : public TestJob {
public:
    explicit StoppingJob(int pass) : pass_(pass) {}
    void showProgress(ProgressBar bar, int percent) override
    {
        TestJob::showProgress(bar, percent);
        if (percent > 60 && std::ranges::count(log, "String interpreting") >= pass_) requestStop();
    }

private:
    long pass_;
};

// A stopped export leaves no file and no homomorphism file, and older files
// of its names as they were. A finished one leaves its file (an OBJ file
// with its material library) and deletes the string read only when it was
// made for the export.
TEST(StringExport, AStoppedExportLeavesNothingAndAFinishedOneDeletesOnlyAHomomorphismFile)
{
    std::string row = "n\n10.000000\n";
    for (int i = 0; i < 20000; ++i) row += "F+";
    const struct {
        PictureFormat format;
        const char* name;
        int dimensions, pass;
    } cases[] = {{PictureFormat::Svg, "row.svg", 2, 1},
                 {PictureFormat::Obj, "row.obj", 3, 1},
                 {PictureFormat::Ply, "row.ply", 3, 1},
                 {PictureFormat::Ply, "row.ply", 3, 2}};
    for (const auto& c : cases) {
        for (const bool temporary : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.pass) + " " + std::to_string(temporary));
            TempDir dir;
            const std::string old = dir.write(c.name, "old");
            const std::string mtl = dir.write("row.mtl", "old");
            const std::string shownName = temporary ? "row_001.sth" : "row.str";
            Settings settings;
            settings.effective.drawDimensions = c.dimensions;
            StoppingJob job(c.pass);
            const StringExport request{
                old, dir.write(shownName, row + "\n"), temporary, 40000, settings, job, 320, 240, 0x0000FF00, 0};
            EXPECT_EQ(exportString(c.format, request), kStopped);
            EXPECT_GT(job.interpretation, 60);
            EXPECT_EQ(std::ranges::count(job.log, "String interpreting"), c.pass);
            EXPECT_EQ(TempDir::read(old), "old");
            EXPECT_EQ(TempDir::read(mtl), "old");
            std::vector<std::string> left{"row.mtl", c.name};
            if (!temporary) left.emplace_back("row.str");
            std::ranges::sort(left);
            EXPECT_EQ(dir.names(), left);

            TestJob finishing;
            const StringExport finished{old,        dir.write(shownName, "n\n10.000000\nF+F\n"),
                                        temporary,  3,
                                        settings,   finishing,
                                        320,        240,
                                        0x0000FF00, 0};
            EXPECT_EQ(exportString(c.format, finished), kDone);
            // An OBJ names its library without a folder, so that the two can move together.
            const std::string written = TempDir::read(old);
            EXPECT_NE(written, "old");
            EXPECT_TRUE(c.format != PictureFormat::Obj ||
                        written.starts_with("# Sprigwork 3D scene\nmtllib row.mtl\n"));
            EXPECT_EQ(TempDir::read(mtl) != "old", c.format == PictureFormat::Obj);
            EXPECT_EQ(dir.names(), left);
        }
    }
}

// An OBJ whose last buffered part meets a full disk leaves the material
// library it would have replaced as it was. Writes are limited to 4 KB, the
// library's size, for the test's while.
TEST(StringExport, AnObjThatMeetsAFullDiskLeavesItsOldLibrary)
{
    TempDir dir;
    const std::string mtl = dir.write("row.mtl", "old");
    const MeshVertex vertices[3] = {{{0, 0, 0}, {0, 0, 1}}, {{1, 0, 0}, {0, 0, 1}}, {{0, 1, 0}, {0, 0, 1}}};
    const MeshTriangle triangle[1] = {{0, 1, 2}};
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{4096, limit.rlim_max};
    const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    {
        ObjWriter obj(dir.file("row.obj"));
        for (int i = 0; i < 100; ++i) obj.piece(vertices, triangle, 0x00FF0000);
        setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_EQ(obj.finish(), kGraphicsError);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(TempDir::read(mtl), "old");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"row.mtl"});
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
    EXPECT_TRUE(!ui.windowVisible[Window::Progress] && ui.enabled(Window::Main) && ui.enabled(Window::ControlPanel));
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
