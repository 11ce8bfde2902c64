// The batch command's exports read back by outside readers: the SVG by
// Qt's renderer, the PNG files by Qt's image reader, each compared with the
// bitmap of the same drawing.

#ifdef SPRIG_HAVE_IMAGE_READERS
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "batch_runner.h"
#include "bitmap_file.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig::testing {
namespace {

Rgb rgbAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
}

// Which pixels a picture on black lights: the bitmap's any that is not
// black, a rendering's those a line covers at least half of.
struct LitMask {
    int width, height;
    std::vector<bool> lit;

    bool at(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height && lit[static_cast<std::size_t>(y * width + x)];
    }
    bool near(int x, int y) const
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (at(x + dx, y + dy)) return true;
        return false;
    }
};

// lit(x, y) says whether the pixel at (x, y) is lit.
template <class Lit>
LitMask litMask(int width, int height, Lit lit)
{
    LitMask mask{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) mask.lit.push_back(lit(x, y));
    return mask;
}

// The SVG drawn by Qt's renderer at the bitmap's size.
QImage renderSvg(const std::string& path, int width, int height)
{
    QSvgRenderer renderer(QString::fromStdString(path));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

void copyExample(const TempDir& dir, const std::string& name)
{
    for (const char* ext : {".ls", ".op"})
        std::filesystem::copy_file(std::string(SPRIG_SOURCE_DIR) + "/examples/" + name + ext, dir.file(name + ext));
}

// The renderer smooths its lines, the bitmap's are aliased: where a line
// runs between pixel centres the two light neighbouring pixels. Every lit
// pixel of either picture has a lit one at most one pixel away in the
// other, and at most 20 % of the pixels lit in either differ.
TEST(BatchExport, SvgRendersAsTheBitmapOfTheSameDrawing)
{
    struct Case {
        const char* example;
        int steps;
    } const cases[] = {
        {"koch_snowflake", 3},  {"bracketed_plant", 4}, {"homomorphism_cells", 5},
        {"parametric_tree", 6}, {"dragon_curve", 8},    {"plant_e", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        TempDir dir;
        copyExample(dir, c.example);
        const std::string base = dir.file(c.example);
        const BatchResult r = runBatch(dir, "--mode 'LSR&D' --seed 1 --size 320x240 --steps " +
                                                std::to_string(c.steps) + " --export " + base + ".svg " + base + ".ls");
        ASSERT_EQ(r.status, kDone) << r.err;
        char step[8];
        std::snprintf(step, sizeof step, "_%03d", c.steps);
        const Bitmap bitmap(TempDir::read(base + step + ".bmp"));
        const LitMask drawn = litMask(bitmap.width(), bitmap.height(), [&](int x, int y) {
            return bitmap.at(x, y) != Rgb{0, 0, 0};
        });
        const QImage svg = renderSvg(base + ".svg", bitmap.width(), bitmap.height());
        const LitMask rendered = litMask(svg.width(), svg.height(), [&](int x, int y) {
            const Rgb p = rgbAt(svg, x, y);
            return p[0] >= 128 || p[1] >= 128 || p[2] >= 128;
        });
        int lit = 0, differing = 0, unmatched = 0;
        for (int y = 0; y < drawn.height; ++y)
            for (int x = 0; x < drawn.width; ++x) {
                lit += drawn.at(x, y) || rendered.at(x, y);
                differing += drawn.at(x, y) != rendered.at(x, y);
                unmatched += (drawn.at(x, y) && !rendered.near(x, y)) || (rendered.at(x, y) && !drawn.near(x, y));
            }
        EXPECT_GT(lit, 200);
        EXPECT_LE(differing, lit * 20 / 100);
        EXPECT_EQ(unmatched, 0);
    }
}

bool samePixels(const QImage& png, const Bitmap& bitmap)
{
    if (png.width() != bitmap.width() || png.height() != bitmap.height()) return false;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            if (rgbAt(png, x, y) != bitmap.at(x, y)) return false;
    return true;
}

QImage readPng(const std::string& path) { return QImage(QString::fromStdString(path), "png"); }

TEST(BatchExport, PngFilesAndFramesHoldTheBitmapsPixels)
{
    TempDir dir;
    const std::string str = dir.write("s.str", "n\n30.000000\nF+F;;F-F[+F]F\n");  // green, then red
    // 3D by default: the PNG is the BMP of the same picture.
    BatchResult r = runBatch(dir, "--draw " + str + " --size 80x60 --export " + dir.file("s.png"));
    ASSERT_EQ(r.status, kDone) << r.err;
    const Bitmap scene(TempDir::read(dir.file("s.bmp")));
    EXPECT_GT(scene.litPixels(), 100);
    EXPECT_TRUE(samePixels(readPng(dir.file("s.png")), scene));

    const std::string ls = dir.write("k.ls", "axiom F\nangle 60\n#F->F+F--F+F\n");
    dir.write("k.op", "draw_dimensions=2\n");
    const std::string run = "--mode 'LSR&D' --steps 2 --size 64x48 " + ls + " --frames ";
    r = runBatch(dir, run + "png --export " + dir.file("k.png"));
    ASSERT_EQ(r.status, kDone) << r.err;
    const Bitmap last(TempDir::read(dir.file("k_002.bmp")));
    EXPECT_TRUE(samePixels(readPng(dir.file("k.png")), last));
    EXPECT_TRUE(samePixels(readPng(dir.file("k_002.png")), last));
    r = runBatch(dir, run + "bmp");
    ASSERT_EQ(r.status, kDone) << r.err;
    // Each frame is its own step's picture: step 0 is one line, step 1 four.
    for (const char* step : {"_000", "_001", "_002"}) {
        SCOPED_TRACE(step);
        const Bitmap frame(TempDir::read(dir.file(std::string("k") + step + ".bmp")));
        EXPECT_TRUE(samePixels(readPng(dir.file(std::string("k") + step + ".png")), frame));
    }
    const Bitmap first(TempDir::read(dir.file("k_000.bmp")));
    // One turtle unit upwards, in a box 2 units high: 0.8 * 48 / 2 = 19.2 pixels, 20 lit.
    EXPECT_EQ(first.litPixels(), 20);
    EXPECT_NE(Bitmap(TempDir::read(dir.file("k_001.bmp"))).litPixels(), first.litPixels());
}

}  // namespace
}  // namespace sprig::testing
#endif
