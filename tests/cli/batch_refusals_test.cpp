#include <gtest/gtest.h>

#include <sys/stat.h>

#include <utility>
#include <vector>

#include "batch_runner.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig::testing {
namespace {

// Camera values that are no finite angles or positive distances, arguments
// that mean nothing with --draw or without it, exports of no picture or of an
// unknown kind, and pictures or material libraries that would be written
// over what the command reads: each refused before any file is written.
TEST(BatchRefusals, ArgumentsThatMeanNothingOrNoPictureAreUsageErrors)
{
    TempDir dir;
    const std::string ls = dir.write("p.ls", "axiom F\n") + " ";
    const std::string draw = "--draw " + dir.write("p.str", "n\n90.000000\nF\n") + " ";
    const std::string options = dir.write("o.svg", "draw_dimensions=2\n");
    const std::string bmp = dir.write("s.bmp", "n\n90.000000\nF\n");
    const std::string bmpOptions = dir.write("o.bmp", "draw_dimensions=2\n");
    const std::string mtl = dir.write("m.mtl", "n\n90.000000\nF\n");
    const std::string emptyOptions = dir.write("p.op", "");
    const std::pair<std::string, std::string> cases[] = {
        {"--mode 'LSR&D' --export p.gif " + ls,
         "--export needs a file name ending in .svg, .png, .bmp, .obj or .ply, not p.gif"},
        {"--export p.png " + ls, "--export needs --mode LSR&D or --draw"},
        {"--frames png " + ls, "--frames needs --mode LSR&D"},
        {"--mode 'LSR&D' --frames gif " + ls, "--frames needs bmp or png"},
        {draw + "--frames png", "--frames cannot be used with --draw"},
        {draw + "--options " + options + " --export " + options, "would be written over " + options},
        {"--draw " + bmp, "would be written over " + bmp},
        {"--draw " + dir.write("o.str", "n\n90.000000\nF\n") + " --options " + bmpOptions,
         "would be written over " + bmpOptions},
        {"--draw " + mtl + " --export " + dir.file("m.obj"), "would be written over " + mtl},
    };
    std::vector<std::string> meaningless{draw + ls, "--options " + emptyOptions + " " + ls};
    for (const char* argument :
         {"--azimuth 1e308", "--elevation -1e39", "--distance -5", "--distance 0", "--distance 1e308", "--azimuth nan",
          "--elevation inf", "--steps 2", "--mode LSR", "--clean", "--seed 3"})
        meaningless.push_back(draw + argument);
    for (const std::string& arguments : meaningless)
        EXPECT_EQ(runBatch(dir, arguments).status, kUsageError) << arguments;
    for (const auto& [arguments, text] : cases) {
        SCOPED_TRACE(arguments);
        const BatchResult r = runBatch(dir, arguments);
        EXPECT_EQ(r.status, kUsageError);
        EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
    }
    for (const std::string& file : {options, bmpOptions}) EXPECT_EQ(TempDir::read(file), "draw_dimensions=2\n");
    for (const std::string& file : {bmp, mtl}) EXPECT_EQ(TempDir::read(file), "n\n90.000000\nF\n");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"m.mtl", "o.bmp", "o.str", "o.svg", "p.ls", "p.op", "p.str",
                                                     "s.bmp", "stderr.txt", "stdout.txt"}));
}

// Only regular files are read: a FIFO would block for ever.
TEST(BatchRefusals, FilesThatAreNoRegularFilesFailAtOnce)
{
    TempDir dir;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string options = dir.file("f.op");
    ASSERT_EQ(::mkfifo(options.c_str(), 0600), 0);
    const std::string cases[] = {fifo, dir.write("f.ls", "axiom F\n"), "--draw " + fifo, dir.file(""),
                                 "--draw " + dir.file("")};
    for (const std::string& arguments : cases) {
        SCOPED_TRACE(arguments);
        const BatchResult r = runBatch(dir, arguments, "timeout -s KILL 10");
        EXPECT_EQ(r.status, kIoError);
        EXPECT_NE(r.err.find(": not a regular file\n"), std::string::npos) << r.err;
        if (arguments.starts_with("--draw")) {
            EXPECT_EQ(r.out, "");
        }
    }
}

// The step is shown with the count so far, but the run is no success.
TEST(BatchRefusals, AStepThatCannotBeCountedIsAFailure)
{
    TempDir dir;
    const BatchResult r = runBatch(dir, dir.write("u.ls", "axiom F(\n"));
    EXPECT_EQ(r.status, kIoError);
    EXPECT_NE(r.err.find("reason: " + dir.file("u_000.stt") + ": a parameter list is not closed\n"), std::string::npos);
}

}  // namespace
}  // namespace sprig::testing
