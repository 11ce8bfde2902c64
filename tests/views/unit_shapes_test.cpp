// The caps and straight cylinders drawn from scaled display lists against
// the same scenes drawn call by call with GLU quadrics.

#include <GL/gl.h>

#include "views/cap_drawing_fixture.h"

namespace sprig::cap_drawing {
namespace {

// At most a few pixels out of the 40000 may round differently.
constexpr int kRoundingPixels = 10;

TEST_F(CapDrawingTest, EveryCapChoiceLooksAsWithQuadricCalls)
{
    recordMixedScene();
    for (const auto& [startSphere, endSphere] : {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
        setCaps(startSphere, endSphere);
        const RgbImage reference = paintImmediately();
        EXPECT_GT(litPixels(reference), 4000);
        EXPECT_LE(differingPixels(paint(), reference), kRoundingPixels) << startSphere << endSphere;
    }
}

// Straight segments longer than their radius, as in most plants: each
// sphere's inner half lies inside its cylinder. Seen from around, from above
// and below, and straight along one of the segments.
TEST_F(CapDrawingTest, SpheresOnStraightSegmentsLookAsWithQuadricCalls)
{
    setCaps(true, true);
    scene_.recordSegment({0, 0, -3}, {0, 0, 0}, 1.0f, kRed);
    scene_.recordSegment({0, 0, 0}, {0, 2, 2}, 0.8f, kGreen);
    scene_.recordSegment({0, 0, 0}, {1.5f, -1.5f, 1}, 0.8f, kBlue);
    scene_.recordSegment({1.5f, -1.5f, 1}, {1.5f, -1.5f, 1.5f}, 0.8f, kRed);
    scene_.recordSegment({0, 2, 2}, {-2, 2, 3}, 0.4f, kBlue);
    makeReady();
    view_.camera.distance = 12.0;
    const float views[][2] = {{-90, 90}, {-30, 60}, {45, 120}, {150, 20}, {0, 0}, {-90, 180}};
    for (const auto& [azimuth, elevation] : views) {
        view_.camera.azimuth = azimuth;
        view_.camera.elevation = elevation;
        const RgbImage reference = paintImmediately();
        EXPECT_GT(litPixels(reference), 1000);
        EXPECT_LE(differingPixels(paint(), reference), kRoundingPixels) << azimuth << " " << elevation;
    }
}

// The pictures compared above differ widely between the cap kinds, so a cap
// drawn the wrong way would show.
TEST_F(CapDrawingTest, SpheresAndDisksGiveDifferentPictures)
{
    recordMixedScene();
    setCaps(true, true);
    const RgbImage spheres = paintImmediately();
    setCaps(false, false);
    EXPECT_GT(differingPixels(spheres, paintImmediately()), 500);
}

// Culling and renormalising are on only during the cylinder pass: the next
// paint's polygon, whose normals are not unit length, still looks the same.
TEST_F(CapDrawingTest, TheNextPaintStartsFromTheFixedState)
{
    recordMixedScene();
    setCaps(true, true);
    paint();
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
    GLint cullFace = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullFace);
    EXPECT_EQ(cullFace, GL_BACK);
    const RgbImage second = paint();
    EXPECT_LE(differingPixels(second, paintImmediately()), kRoundingPixels);
}

// The next paint's lines are lit with the normal that this paint leaves, so
// it must be the one the quadric calls leave, whatever the last segment is.
TEST_F(CapDrawingTest, APaintLeavesTheNormalThatQuadricCallsLeave)
{
    struct Last {
        float width;
        float endWidth;
        float length;
    };
    const Last lasts[] = {{0.4f, -1, 2}, {0.4f, -1, 0.1f}, {0.4f, 0.1f, 2}, {0, -1, 2}, {0, -1, 0}, {0.4f, 0, 2}};
    for (const Last& last : lasts) {
        for (const auto& [startSphere, endSphere] : {std::pair{true, true}, {false, true}, {true, false}, {false, false}}) {
            scene_.reset();
            recordMixedScene();
            taper(scene_.recordSegment({-2, -2, -2}, {-2, -2, -2 + last.length}, last.width, kRed), last.endWidth);
            makeReady();
            setCaps(startSphere, endSphere);
            paint();
            const auto mine = currentNormal();
            paintImmediately();
            EXPECT_EQ(mine, currentNormal()) << last.width << " " << last.endWidth << " " << last.length << " "
                                              << startSphere << endSphere;
        }
    }
}

}  // namespace
}  // namespace sprig::cap_drawing
