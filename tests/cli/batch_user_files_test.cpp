#include <gtest/gtest.h>

#include <filesystem>

#include "batch_runner.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig::testing {
namespace {

// Runs the command with writes limited to 64 blocks, as on a full disk: a
// write past the limit fails instead of killing the process.
BatchResult runOnFullDisk(const TempDir& dir, const std::string& arguments)
{
    return runBatch(dir, arguments, "trap '' XFSZ; ulimit -f 64;");
}

TEST(BatchUserFiles, CleanDeletesExactlyWhatTheRunCreated)
{
    TempDir dir;
    const std::string users = dir.write("p_001.sth", "mine\n");
    EXPECT_EQ(runBatch(dir, "--clean --steps 1 " + dir.write("p.ls", "axiom F\n#F->FF\n")).status, kDone);
    EXPECT_EQ(TempDir::read(users), "mine\n");

    const std::string homomorphism = dir.write("h.ls", "axiom A\n#A->AB\nhomomorphism\n#B->F\n");
    EXPECT_EQ(runBatch(dir, "--clean --steps 1 " + homomorphism).status, kDone);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"h.ls", "p.ls", "p_001.sth", "stderr.txt", "stdout.txt"}));
}

TEST(BatchUserFiles, AFullDiskLeavesEarlierFilesWholeAndSaysWhy)
{
    TempDir dir;
    const std::string ls = dir.write("big.ls", "axiom F\n#F->F[+F]F[-F]F\n");
    BatchResult r = runOnFullDisk(dir, "--steps 7 " + ls);
    EXPECT_EQ(r.status, kIoError);
    // Step 5 has 7811 symbols, step 6 39061: one of steps 6 and 7 meets the limit.
    EXPECT_NE(r.err.find("reason: " + dir.file("big_00")), std::string::npos) << r.err;
    EXPECT_TRUE(r.err.ends_with(".stt: File too large\n")) << r.err;
    EXPECT_EQ(TempDir::read(dir.file("big_001.stt")), "n\n90.000000\nF[+F]F[-F]F");
    EXPECT_TRUE(fileExists(dir.file("big_005.stt")));
    EXPECT_FALSE(fileExists(dir.file("big_007.stt")));
    for (const std::string& name : dir.names()) EXPECT_EQ(name.find(".part"), std::string::npos) << name;

    const std::string picture = dir.write("plant.bmp", "old picture");
    // The old picture stays when the new one, 2D or 3D, cannot be written whole.
    const std::string str = dir.write("plant.str", "n\n90.000000\nF\n");
    const std::string in2d = " --options " + dir.write("2d.op", "draw_dimensions=2\n");
    for (const std::string& options : {in2d, std::string(" --size 800x600")}) {
        SCOPED_TRACE(options);
        r = runOnFullDisk(dir, "--draw " + str + options);
        EXPECT_EQ(r.status, kDrawingFailureBase + kGraphicsError);
        EXPECT_NE(r.err.find("reason: " + picture + ": File too large\n"), std::string::npos) << r.err;
        EXPECT_EQ(TempDir::read(picture), "old picture");
        for (const std::string& name : dir.names()) EXPECT_EQ(name.find(".part"), std::string::npos) << name;
    }
}

TEST(BatchUserFiles, ALinkAtAStepNameIsReplacedNotFollowed)
{
    TempDir dir;
    const std::string users = dir.write("notes.txt", "mine\n");
    std::filesystem::create_symlink(users, dir.file("l_001.stt"));
    EXPECT_EQ(runBatch(dir, "--steps 1 " + dir.write("l.ls", "axiom F\n#F->FF\n")).status, kDone);
    EXPECT_EQ(TempDir::read(users), "mine\n");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("l_001.stt")));
    EXPECT_EQ(TempDir::read(dir.file("l_001.stt")), "n\n90.000000\nFF");
}

// Nothing in a path is cut: long ones, spaces and letters beyond ASCII.
TEST(BatchUserFiles, PathsOfAnyLengthWithSpacesAndAccentsWork)
{
    TempDir dir;
    std::filesystem::path folder;
    while (dir.file(folder.string()).size() < 520) folder /= "zložka s medzerou";
    std::filesystem::create_directories(dir.file(folder.string()));
    const std::string ls = dir.write((folder / "strom č.ls").string(), "axiom F\n#F->FF\n");
    const BatchResult r = runBatch(dir, "--steps 1 '" + ls + "'");
    ASSERT_EQ(r.status, kDone) << r.err;
    EXPECT_EQ(TempDir::read(dir.file((folder / "strom č_001.stt").string())), "n\n90.000000\nFF");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "L-system file opened: " + ls);
}

}  // namespace
}  // namespace sprig::testing
