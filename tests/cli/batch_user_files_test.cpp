#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

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
    EXPECT_TRUE(fileExists(dir.file("big_005.stt")) && !fileExists(dir.file("big_007.stt")));
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

// An export that cannot be written ends its pass and leaves nothing of it,
// nor of its material library; an older file of its name stays. A PLY
// file's vertices meet the limit and its faces' pass never runs (the
// picture's pass is the first one). A 2D drawing has no OBJ, a scene no SVG.
TEST(BatchUserFiles, AnExportThatCannotBeWrittenLeavesNothingAndSaysWhy)
{
    TempDir dir;
    std::string square = "n\n90.000000\n";
    for (int i = 0; i < 20000; ++i) square += "F(50)+";
    const std::string flat =
        dir.write("q.str", square + "\n") + " --size 100x100 --options " + dir.write("q.op", "draw_dimensions=2\n");
    const std::string scene = dir.write("r.str", "n\n90.000000\n" + std::string(2000, 'F') + "\n");
    std::vector<std::string> old;
    for (const char* name : {"old.mtl", "old.obj", "old.ply", "old.svg"}) old.push_back(dir.write(name, "old"));
    const char* const small = "trap '' XFSZ; ulimit -f 64;";
    const char* const large = "trap '' XFSZ; ulimit -f 1024;";
    const struct {
        std::string drawn, exported, reason;
        const char* limit;
        std::size_t passes;  // 0: not counted
    } cases[] = {
        {flat, old[3], "File too large", small, 0},
        {flat, dir.file("no/q.svg"), "No such file or directory", "", 0},
        {flat, dir.file("no/q.png"), "No such file or directory", "", 0},
        {flat, dir.file("q.obj"), "a 2D drawing is exported as .svg, .png or .bmp", "", 0},
        {scene, dir.file("r.svg"), "a 3D scene is exported as .obj, .ply, .png or .bmp", "", 0},
        {scene, old[1], "File too large", large, 2},
        {scene, old[2], "File too large", large, 2},
        {scene, dir.file("no/q.obj"), "No such file or directory", "", 1},
        {scene, dir.file("no/q.ply"), "No such file or directory", "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exported);
        const BatchResult r = runBatch(dir, "--draw " + c.drawn + " --export " + c.exported, c.limit);
        EXPECT_EQ(r.status, kDrawingFailureBase + kGraphicsError);
        EXPECT_NE(r.err.find("reason: " + c.exported + ": " + c.reason + "\n"), std::string::npos) << r.err;
        std::size_t passes = 0;
        for (std::size_t at = 0; (at = r.out.find("String interpreting", at)) != std::string::npos; ++at) ++passes;
        if (c.passes == 0) continue;
        EXPECT_EQ(passes, c.passes);
    }
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"old.mtl", "old.obj", "old.ply", "old.svg", "q.bmp", "q.op",
                                                     "q.str", "r.bmp", "r.str", "stderr.txt", "stdout.txt"}));
    for (const std::string& file : old) EXPECT_EQ(TempDir::read(file), "old");
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
