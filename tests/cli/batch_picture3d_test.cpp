#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "batch_runner.h"
#include "bitmap_file.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig::testing {
namespace {

bool isGreen(const Rgb& p) { return p[1] > 100 && p[0] < 60 && p[2] < 60; }

// One F: a green segment from the origin one unit up, one unit wide. The
// fitted view looks at the origin from 2.5 units away, level with it, so the
// segment rises from the middle row to near the top; from straight above and
// 10 units away it is a small disk in the middle of the picture. LSR draws
// nothing, and LSR&D only the last step, at 435 x 300 unless another size is
// asked for.
TEST(BatchPicture3d, WritesTheSceneOfTheLastStepFromTheFittedOrTheGivenCamera)
{
    TempDir dir;
    const std::string ls = dir.write("stem.ls", "axiom F\n#F->FF\n");
    dir.write("stem.op", "draw_dimensions=3\n");
    ASSERT_EQ(runBatch(dir, "--mode LSR " + ls).status, kDone);
    ASSERT_EQ(runBatch(dir, "--mode 'LSR&D' --steps 1 " + ls).status, kDone);
    EXPECT_FALSE(fileExists(dir.file("stem_000.bmp")));
    const Bitmap last(TempDir::read(dir.file("stem_001.bmp")));
    EXPECT_EQ(std::tuple(last.width(), last.height(), last.bitsPerPixel()), std::tuple(435, 300, 24));

    const BatchResult r = runBatch(dir, "--mode 'LSR&D' --size 64x48 " + ls);
    ASSERT_EQ(r.status, kDone) << r.err;
    const Bitmap fitted(TempDir::read(dir.file("stem_000.bmp")));
    EXPECT_EQ(std::tuple(fitted.width(), fitted.height()), std::tuple(64, 48));
    EXPECT_TRUE(isGreen(fitted.at(32, 12)));
    EXPECT_EQ(fitted.at(32, 40), (Rgb{0, 0, 0}));
    EXPECT_EQ(fitted.at(2, 2), (Rgb{0, 0, 0}));

    ASSERT_EQ(runBatch(dir, "--mode 'LSR&D' --size 64x48 --azimuth 0 --elevation 0 --distance 10 " + ls).status, kDone);
    const Bitmap above(TempDir::read(dir.file("stem_000.bmp")));
    EXPECT_TRUE(isGreen(above.at(32, 24)));
    EXPECT_EQ(above.at(32, 12), (Rgb{0, 0, 0}));
    EXPECT_EQ(above.at(44, 24), (Rgb{0, 0, 0}));

    for (const char* bad : {"--size 0x10", "--size 20", "--size 10x", "--size 10x20x", "--azimuth north", "--distance",
                            "--mode LSDr", "--draw"}) {
        const BatchResult refused = runBatch(dir, "--mode 'LSR&D' " + ls + " " + bad);
        EXPECT_EQ(refused.status, kUsageError) << bad;
        EXPECT_NE(refused.err.find(std::string(bad).substr(0, 6)), std::string::npos) << refused.err;
    }
}

// 50000 segments with spherical caps take seconds to draw, and the string
// is read in a moment: the interrupt comes while the picture is drawn. The
// command must stop, within half a second on an idle machine (it is killed
// after two, which a loaded machine needs), and leave neither the picture
// nor a part of it. A drawing that does not stop is killed or writes it.
TEST(BatchPicture3d, InterruptStopsThePictureAndWritesNothing)
{
    TempDir dir;
    std::string row = "n\n10.000000\n";
    for (int i = 0; i < 50000; ++i) row += "F+";
    const std::string str = dir.write("row.str", row + "\n");
    const std::string op = dir.write("row.op", "draw_dimensions=3\nsegment_begin_sphere=on\nsegment_end_sphere=on\n");
    const BatchResult r =
        runBatch(dir, "--draw " + str + " --options " + op, "timeout --preserve-status -k 2 -s INT 0.5");
    EXPECT_EQ(r.status, kStopped) << r.err;
    EXPECT_EQ(r.err, "Stopped.\n");
    EXPECT_NE(r.out.find("Number of segments: 50000"), std::string::npos) << r.out;  // the string was read whole
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"row.op", "row.str", "stderr.txt", "stdout.txt"}));
}

}  // namespace
}  // namespace sprig::testing
