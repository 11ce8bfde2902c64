// The batch command's drawing: run mode LSR&D step by step, a saved string
// drawn as in run mode LSDr, the pictures and the drawing errors.

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "batch_runner.h"
#include "bitmap_file.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig::testing {
namespace {

TEST(BatchDrawing, DerivesAndDrawsEveryStep)
{
    TempDir dir;
    const std::string ls = dir.write("koch.ls", "axiom F\nangle 60\n#F->F+F--F+F\n");
    dir.write("koch.op", "draw_dimensions=2\n");
    const BatchResult r = runBatch(dir, "--mode 'LSR&D' --steps 1 --size 320x200 " + ls);
    ASSERT_EQ(r.status, kDone) << r.err;
    const std::string base = dir.file("koch");
    // Each step rewrites, then interprets the file it wrote.
    const auto step = [&](int n, const std::string& input, int symbols, int segments) {
        const std::string output = base + "_00" + std::to_string(n) + ".stt";
        return "----------\nStep " + std::to_string(n) + "\nString rewriting\n" + input + "Output file: " + output +
               "\nString interpreting\nInput file: " + output +
               "\nStatistics\nString length: 1 KB\nNumber of symbols: " + std::to_string(symbols) +
               "\nNumber of segments: " + std::to_string(segments) + "\nNumber of polygons: 0\n";
    };
    EXPECT_EQ(r.out, "L-system file opened: " + ls + "\n" + step(0, "", 1, 1) +
                         step(1, "Input file: " + base + "_000.stt\n", 8, 4));
    // Only the last step's picture is written, at the size asked for.
    EXPECT_FALSE(fileExists(base + "_000.bmp"));
    const Bitmap picture(TempDir::read(base + "_001.bmp"));
    EXPECT_EQ(picture.width(), 320);
    EXPECT_EQ(picture.height(), 200);
    EXPECT_GT(picture.litPixels(), 50);
}

TEST(BatchDrawing, HomomorphismFilesAreDrawnAndDeleted)
{
    TempDir dir;
    const std::string ls = dir.write("h.ls", "axiom A\n#A->AB\nhomomorphism\n#B->F(2)\n");
    const BatchResult r = runBatch(dir, "--mode 'LSR&D' --steps 2 " + ls);
    ASSERT_EQ(r.status, kDone) << r.err;
    // Step 2 is ABB: two segments drawn from h_002.sth, which is then gone.
    EXPECT_NE(r.out.find("Input file: " + dir.file("h_002.sth") + "\nStatistics\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Number of segments: 2\nNumber of polygons: 0\n"), std::string::npos);
    // 3D by default: the scene's picture.
    EXPECT_EQ(std::tuple(fileExists(dir.file("h_001.sth")), fileExists(dir.file("h_002.sth")),
                         fileExists(dir.file("h_002.stt")), fileExists(dir.file("h_002.bmp"))),
              std::tuple(false, false, true, true));
}

TEST(BatchDrawing, SavedStringIsDrawnAndKept)
{
    TempDir dir;
    const std::string str = dir.write("tree.str", "n\n90.000000\nF[+F]F\n");
    const std::string op = dir.write("tree.op", "draw_dimensions=2\n");
    const BatchResult r = runBatch(dir, "--draw " + str + " --options " + op + " --size 100x80");
    ASSERT_EQ(r.status, kDone) << r.err;
    EXPECT_EQ(r.out, "String file opened: " + str + "\n----------\nString interpreting\nInput file: " + str +
                         "\nStatistics\nString length: 1 KB\nNumber of symbols: 6\n"
                         "Number of segments: 3\nNumber of polygons: 0\n");
    EXPECT_EQ(TempDir::read(str), "n\n90.000000\nF[+F]F\n");
    const Bitmap picture(TempDir::read(dir.file("tree.bmp")));
    EXPECT_EQ(picture.width(), 100);
    EXPECT_GT(picture.litPixels(), 20);
}

TEST(BatchDrawing, DrawingFailuresKeepTheUsersFile)
{
    TempDir dir;
    const std::string op = dir.write("2d.op", "draw_dimensions=2\n");
    const std::string str = dir.write("bad.str", "p\nF]F");
    BatchResult r = runBatch(dir, "--draw " + str + " --options " + op);
    EXPECT_EQ(r.status, kDrawingFailureBase + kIoError);
    EXPECT_EQ(r.err, "Chyba kreslenia : I/O chyba\nError: I/O error\nreason: " + str +
                         ": unreadable string or parameter value\n");
    EXPECT_TRUE(fileExists(str));
    EXPECT_FALSE(fileExists(dir.file("bad.bmp")));

    // A string that cannot be opened is refused before anything is shown of it.
    r = runBatch(dir, "--draw " + dir.file("missing.str"));
    EXPECT_EQ(r.status, kIoError);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("reason: " + dir.file("missing.str") + ": No such file or directory\n"), std::string::npos);

    // A picture that cannot be written is a graphics error.
    const std::string good = dir.write("good.str", "p\nF");
    std::filesystem::create_directory(dir.file("good.bmp"));
    r = runBatch(dir, "--draw " + good + " --options " + op);
    EXPECT_EQ(r.status, kDrawingFailureBase + kGraphicsError);
    EXPECT_EQ(r.err, "Chyba kreslenia : chyba grafiky\nError: graphics error\nreason: " + dir.file("good.bmp") +
                         ": Is a directory\n");
    EXPECT_TRUE(fileExists(good));

    const std::string badOptions = dir.write("bad.op", "draw_dimensions=4\n");
    r = runBatch(dir, "--draw " + good + " --options " + badOptions);
    EXPECT_EQ(r.status, kOptionsSyntaxError);
}

TEST(BatchDrawing, EveryExampleDraws)
{
    TempDir dir;
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(SPRIG_SOURCE_DIR) + "/examples")) {
        const std::filesystem::path source = entry.path();
        if (source.extension() != ".ls") continue;
        ++examples;
        SCOPED_TRACE(source.filename().string());
        const std::string ls = dir.file(source.filename().string());
        std::filesystem::copy_file(source, ls);
        std::filesystem::path options = source;
        options.replace_extension(".op");
        if (std::filesystem::exists(options))
            std::filesystem::copy_file(options, dir.file(options.filename().string()));
        const BatchResult r = runBatch(dir, "--mode 'LSR&D' --steps 3 --seed 1 --clean --size 160x120 " + ls);
        EXPECT_EQ(r.status, kDone) << r.err;
        EXPECT_NE(r.out.find("Number of segments: "), std::string::npos);
        EXPECT_EQ(r.out.find("Number of segments: 0\n", r.out.rfind("Statistics")), std::string::npos);
    }
    EXPECT_GT(examples, 0);
}

}  // namespace
}  // namespace sprig::testing
