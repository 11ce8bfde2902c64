// Pixels drawn by the QImage canvas, directly and through the turtle.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "core/turtle/interpret_string.h"
#include "platform/qt/qimage_canvas.h"
#include "support/temp_dir.h"
#include "support/test_job.h"

namespace sprig {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kGreen = 0x0000FF00;
constexpr std::uint32_t kRed = 0x000000FF;

// Pixels of the colour in the rectangle from (x0, y0) to (x1, y1).
int countIn(const QImageCanvas& canvas, int x0, int y0, int x1, int y1, std::uint32_t colour)
{
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) count += canvas.pixel(x, y) == colour;
    return count;
}

TEST(QImageCanvas, OnePixelLinesIncludeBothEnds)
{
    QImageCanvas canvas(100, 80);
    EXPECT_EQ(canvas.width(), 100);
    EXPECT_EQ(canvas.height(), 80);
    canvas.fill(kWhite);
    canvas.setPenColour(0x00123456);
    canvas.setPenWidth(0);
    canvas.moveTo(10, 10);
    canvas.lineTo(10, 59);
    for (int y = 10; y <= 59; ++y) ASSERT_EQ(canvas.pixel(10, y), 0x00123456u) << y;
    for (const auto& [x, y] : {std::pair{10, 9}, {10, 60}, {9, 30}, {11, 30}})
        EXPECT_EQ(canvas.pixel(x, y), kWhite) << x << "," << y;
    // A diagonal from the pen position, which the last line left at (10, 59).
    canvas.setPenWidth(1);
    canvas.lineTo(15, 64);
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(canvas.pixel(10 + i, 59 + i), 0x00123456u) << i;
    EXPECT_EQ(canvas.pixel(11, 59), kWhite);
}

TEST(QImageCanvas, WideLinesCoverTheirWidth)
{
    QImageCanvas canvas(100, 80);
    canvas.fill(kWhite);
    canvas.setPenColour(kRed);
    canvas.setPenWidth(5);
    canvas.moveTo(20, 40);
    canvas.lineTo(80, 40);
    EXPECT_EQ(countIn(canvas, 50, 0, 50, 79, kRed), 5);
    EXPECT_EQ(canvas.pixel(50, 40), kRed);
    // A thin line after a wide one is drawn straight into the image again.
    canvas.setPenWidth(1);
    canvas.setPenColour(kGreen);
    canvas.lineTo(80, 70);
    EXPECT_EQ(canvas.pixel(80, 60), kGreen);
}

TEST(QImageCanvas, FarLinesAreClippedNotLost)
{
    QImageCanvas canvas(100, 80);
    canvas.fill(kWhite);
    canvas.setPenColour(kGreen);
    canvas.moveTo(-1000000000, 30);
    canvas.lineTo(1000000000, 30);
    EXPECT_EQ(canvas.pixel(0, 30), kGreen);
    EXPECT_EQ(canvas.pixel(99, 30), kGreen);
    EXPECT_EQ(canvas.pixel(50, 31), kWhite);
    canvas.moveTo(-(1 << 30), -(1 << 30));
    canvas.lineTo(1 << 30, 1 << 30);
    EXPECT_EQ(canvas.pixel(50, 50), kGreen);
    EXPECT_EQ(canvas.pixel(79, 79), kGreen);
    canvas.setPenWidth(9);
    canvas.moveTo(1 << 30, -3);
    canvas.lineTo(-(1 << 30), -3);  // wide, its centre just above the image
    EXPECT_EQ(canvas.pixel(50, 0), kGreen);
    EXPECT_EQ(canvas.pixel(50, 6), kWhite);
}

TEST(QImageCanvas, WritesABmpFile)
{
    testing::TempDir dir;
    QImageCanvas canvas(40, 30);
    canvas.fill(kWhite);
    canvas.setPenColour(kRed);
    canvas.moveTo(0, 0);
    canvas.lineTo(39, 0);
    const std::string path = dir.file("picture.bmp");
    ASSERT_EQ(canvas.saveBmp(path, 20, 10), kDone);
    const QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.width(), 20);
    ASSERT_EQ(image.height(), 10);
    EXPECT_EQ(image.pixel(5, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(5, 1), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.saveBmp(dir.file("no/such/dir/picture.bmp")), kIoError);
}

// Turtle drawings at the bottom centre of a 201 x 200 area with a fixed
// segment length: the start point is pixel (100.5, 180).
class TurtlePicture : public ::testing::Test {
protected:
    TurtlePicture()
    {
        settings.effective.drawDimensions = 2;
        settings.placeAtBottom = true;
        settings.fixedSegmentLength = true;
    }
    int draw(const std::string& string, float segmentLength)
    {
        settings.segmentLength = segmentLength;
        InterpretRequest request(settings, job, dir.write("picture.str", "n\n90.000000\n" + string));
        request.canvas = &canvas;
        request.backgroundColour = kWhite;
        request.areaWidth = 201;
        request.areaHeight = 200;
        return interpretString(request).code;
    }
    Settings settings;
    testing::TestJob job;
    testing::TempDir dir;
    QImageCanvas canvas{201, 200};
};

// Each side takes both its end pixels and no more.
TEST_F(TurtlePicture, ASquareOutline)
{
    ASSERT_EQ(draw("F-F-F-F", 50.0f), kDone);
    for (int i = 0; i <= 50; ++i) {
        ASSERT_EQ(canvas.pixel(100, 130 + i), kGreen) << i;  // left side
        ASSERT_EQ(canvas.pixel(150, 130 + i), kGreen) << i;  // right side
        ASSERT_EQ(canvas.pixel(100 + i, 130), kGreen) << i;  // top
        ASSERT_EQ(canvas.pixel(100 + i, 180), kGreen) << i;  // bottom
    }
    for (const auto& [x, y] :
         {std::pair{125, 155}, {99, 155}, {151, 155}, {125, 129}, {100, 129}, {100, 181}, {151, 130}})
        EXPECT_EQ(canvas.pixel(x, y), kWhite) << x << "," << y;
}

TEST_F(TurtlePicture, ERedAndWideThenFGreenAndThin)
{
    settings.effective.interpretEF = true;
    settings.effective.differentiateEFWidth = true;
    settings.effective.differentiateEFColor = true;
    ASSERT_EQ(draw("E-F", 40.0f), kDone);
    // The E line goes up from (100, 180) to (100, 140), four pixels wide.
    EXPECT_EQ(canvas.pixel(100, 160), kRed);
    EXPECT_EQ(countIn(canvas, 90, 160, 110, 160, kRed), 4);
    // The F line goes right along y = 140, one pixel wide.
    EXPECT_EQ(canvas.pixel(120, 140), kGreen);
    EXPECT_EQ(canvas.pixel(120, 141), kWhite);
    EXPECT_EQ(canvas.pixel(120, 139), kWhite);
}

}  // namespace
}  // namespace sprig
