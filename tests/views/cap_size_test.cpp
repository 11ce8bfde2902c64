// The size of a sphere cap worked out from the camera, and caps of radius 0.

#include <array>
#include <cmath>
#include <cstdint>

#include "views/cap_drawing_fixture.h"

namespace sprig::cap_drawing {
namespace {

// A zero-length segment at the origin, 10 units in front of the camera,
// with the sphere's poles towards the viewer. The perspective maps a point
// at depth d and distance s from the view axis to 100 / tan(22.5°) · s / d
// = 241.42 · s / d pixels from the centre. The vertex ring k of the sphere
// (20 stacks) lies at polar angle 9k degrees: for radius 1 ring 9 reaches
// furthest, 241.42 · sin 81° / (10 − cos 81°) = 24.22 pixels, and the
// outline is the 20-gon through its vertices, at least 24.22 · cos 9° =
// 23.93 pixels from the centre. For radius 0.5 the equator reaches furthest:
// 12.07 pixels, the 20-gon at least 11.92.
TEST_F(CapDrawingTest, ASphereCoversTheDiscItsRadiusProjectsTo)
{
    setCaps(true, true);
    struct Case {
        float width;
        double inside;   // pixel centres this near the centre are covered
        double outside;  // and those this far are not
    };
    for (const Case& c : {Case{2.0f, 23.5, 24.6}, Case{1.0f, 11.5, 12.5}}) {
        scene_.reset();
        scene_.recordSegment({0, 0, 0}, {0, 0, 0}, c.width, kRed);
        makeReady();
        const RgbImage image = paint();
        for (int y = 60; y < 140; ++y) {
            for (int x = 60; x < 140; ++x) {
                const double r = std::hypot(x + 0.5 - 100.0, y + 0.5 - 100.0);
                const auto p = image.at(x, y);
                if (r <= c.inside) {
                    EXPECT_GT(p[0], 100) << c.width << ": " << x << "," << y;
                } else if (r >= c.outside) {
                    EXPECT_EQ(p[0], 0) << c.width << ": " << x << "," << y;
                }
            }
        }
    }
}

// A sphere of radius 0 has nothing to show and must not spoil the picture:
// only the axis line of the zero-width segment is drawn.
TEST_F(CapDrawingTest, ASphereOfRadiusZeroDrawsNothing)
{
    setCaps(true, true);
    scene_.recordSegment({0, 0, -2}, {0, 0, 2}, 0.0f, kRed);
    scene_.recordSegment({0, 2, 0}, {0, 2, 0}, 0.0f, kRed);
    makeReady();
    const RgbImage image = paint();
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool onAxisLine = x >= 98 && x <= 101 && y >= 50 && y <= 150;
            if (!onAxisLine) {
                EXPECT_EQ(image.at(x, y), (std::array<std::uint8_t, 3>{0, 0, 0})) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace sprig::cap_drawing
