// Fitting the measured picture into the drawable area, and the pixels the
// fitted picture draws.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/turtle/picture_fit.h"
#include "core/turtle/plane_drawing.h"
#include "support/recording_canvas.h"

namespace sprig {
namespace {

// Centred, x -10 .. 10 and y -20 .. 0 in 400 x 300: spans 21, scale
// 0.8 * 300 / 21; fx = 0.5 exactly (not above), fy = 41/42. Entirely right
// of the start: fx = 0.5 / spanX, just over 5 % of W, and the scale 80 as
// 800 / 10 < 80 / 1. A point: spans 1, fx = fy = 0.5. At the bottom with a
// fixed length the scale is 1. Infinite extents stay finite: the start
// lands in the middle.
TEST(PictureFit, PlacementsAndDegenerateBoxes)
{
    const struct {
        PictureBox box;
        FitPlacement placement;
        float scale, originX, originY;
    } cases[] = {
        {{-10.0f, 10.0f, -20.0f, 0.0f},
         {400.0f, 300.0f},
         0.8f * 300.0f / 21.0f,
         0.55f * 400.0f,
         (41.0f / 42.0f - 0.05f) * 300.0f},
        {{0.0f, 9.0f, 0.0f, 0.0f}, {1000.0f, 100.0f}, 80.0f, 1000.0f * 0.05f + 50.0f, 55.0f},
        {{}, {200.0f, 100.0f}, 80.0f, 110.0f, 55.0f},
        {{-5.0f, 5.0f, -7.0f, 0.0f}, {200.0f, 100.0f, true, true}, 1.0f, 100.0f, 80.0f},
        {{-INFINITY, INFINITY, 0.0f, INFINITY}, {200.0f, 100.0f}, 0.0f, 110.0f, 55.0f},
    };
    for (const auto& c : cases) {
        const FitResult fit = fitPicture(c.box, c.placement);
        EXPECT_FLOAT_EQ(fit.scale, c.scale) << c.box.maxX;
        EXPECT_FLOAT_EQ(fit.originX, c.originX) << c.box.maxX;
        EXPECT_FLOAT_EQ(fit.originY, c.originY) << c.box.maxX;
    }
}

TEST(PictureFit, LinesAreCutAtTheLimitBeforeTheirEndsBecomePixels)
{
    // One pixel per unit from the origin; each row is a polygon outline
    // v0 -> ... -> v0, after which the pen goes back to the turtle.
    constexpr float kFar = 2147483648.0f;  // 2^31, twice the pixel limit
    struct Case {
        std::vector<Vec3> vertices;
        Vec3 turtle;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        // Pixels are integer parts, toward zero.
        {{{12.9f, -12.9f}}, {}, {"move 12 -12", "line 12 -12", "move 0 0"}},
        // Toward (2^31, 2^29) the line is cut at x = 2^30, where y is 2^28,
        // not 2^29; the way back starts where the canvas pen already is.
        {{{}, {kFar, kFar / 4}}, {}, {"move 0 0", "line 1073741824 268435456", "line 0 0", "move 0 0"}},
        // The edge along x = 3e9 lies wholly beyond the limit; the way back
        // from (3e9, 10) enters at y = 10 * 2^30 / 3e9 = 3.58.
        {{{}, {3e9f, 0}, {3e9f, 10}},
         {},
         {"move 0 0", "line 1073741824 0", "move 1073741824 3", "line 0 0", "move 0 0"}},
        // No line leads to or from a point that is not finite, and the pen
        // is not placed there: the next line starts where it is drawn from.
        {{{}, {INFINITY, 5}, {10, 20}}, {NAN, NAN}, {"move 0 0", "move 10 20", "line 0 0"}},
    };
    for (const Case& c : cases) {
        testing::RecordingCanvas canvas;
        PlaneDrawing drawing(canvas, {1.0f, 0.0f, 0.0f}, {});
        Turtle turtle;
        turtle.position = c.turtle;
        drawing.polygon(c.vertices, turtle);
        EXPECT_EQ(canvas.calls, c.calls) << c.vertices.size() << " vertices";
    }
}

TEST(PictureFit, PenWidthInPixelsOrRelative)
{
    testing::RecordingCanvas canvas;
    const PlaneDrawing relative(canvas, {200.0f, 0.0f, 0.0f}, {false, false, false});
    EXPECT_EQ(std::tuple(relative.penWidthFor(0.1f), relative.penWidthFor(-1.0f), relative.penWidthFor(NAN),
                         relative.penWidthFor(1e30f)),
              std::tuple(20, 0, 0, kMaxPenWidth));
    const PlaneDrawing pixels(canvas, {200.0f, 0.0f, 0.0f}, {true, false, false});
    EXPECT_EQ(std::pair(pixels.penWidthFor(0.5f), pixels.penWidthFor(3.99f)), std::pair(0, 3));
}

}  // namespace
}  // namespace sprig
