#include <gtest/gtest.h>

#include <sys/stat.h>

#include "batch_runner.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig::testing {
namespace {

TEST(BatchRefusals, ArgumentsThatMeanNothingOrNoPictureAreUsageErrors)
{
    TempDir dir;
    const std::string ls = dir.write("p.ls", "axiom F\n");
    const std::string str = dir.write("p.str", "n\n90.000000\nF\n");
    const std::string draw = "--draw " + str + " ";
    const char* const refused[] = {
        "--azimuth 1e308",  "--elevation -1e39", "--distance -5",   "--distance 0",
        "--distance 1e308", "--azimuth nan",     "--elevation inf",
    };
    for (const char* camera : refused) {
        SCOPED_TRACE(camera);
        EXPECT_EQ(runBatch(dir, draw + camera).status, kUsageError);
    }
    for (const std::string& ignored : {draw + ls, draw + "--steps 2", draw + "--mode LSR", draw + "--clean",
                                       draw + "--seed 3", "--options " + dir.write("p.op", "") + " " + ls}) {
        SCOPED_TRACE(ignored);
        EXPECT_EQ(runBatch(dir, ignored).status, kUsageError);
    }
    EXPECT_FALSE(fileExists(dir.file("p.bmp")));
    EXPECT_FALSE(fileExists(dir.file("p_000.stt")));
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
