#include "views/fit_view.h"

#include <gtest/gtest.h>

#include <vector>

namespace sprig {
namespace {

struct Segment {
    Vec3 start, end;
};

// End points far outside the box of the start points, which is x 0..6,
// y -1..3, z 0..10 with the origin: its largest extent is 10.
const std::vector<Segment> kBox{{{2, -1, 4}, {100, 100, 100}}, {{6, 3, 0}, {-100, -100, -100}}, {{4, 1, 10}, {50, 50, 50}}};

struct Case {
    const char* what;
    std::vector<Segment> segments;
    Settings settings;
    Vec3 translation;
    float groundHalfSize;
    double distance;  // from 99 before the fit
};

Settings given(bool placeAtBottom, bool fixedLength, bool distanceGiven)
{
    Settings s;
    s.translationXGiven = true;
    s.translationX = 7.0f;
    s.cameraDistanceGiven = distanceGiven;
    s.cameraDistance = 12.5f;
    s.placeAtBottom = placeAtBottom;
    s.fixedSegmentLength = fixedLength;
    return s;
}

TEST(FitCamera, CentresTheBoxOfTheOriginAndTheStartPoints)
{
    const Case cases[] = {
        {"box", kBox, {}, {3, 1, 5}, 5, 25},
        {"far along x", {{{10, 0, 0}, {11, 0, 0}}, {{20, 0, 0}, {21, 0, 0}}}, {}, {10, 0, 0}, 10, 50},
        {"empty", {}, {}, {0, 0, 0}, 0, 2.5},
        {"at the origin", {{{0, 0, 0}, {0, 0, 1}}, {{0, 0, 0}, {0, 1, 0}}}, {}, {0, 0, 0}, 0, 2.5},
        {"options file", kBox, given(false, false, true), {7, 1, 5}, 5, 12.5},
        {"place at bottom", kBox, given(true, false, true), {0, 0, 0}, 5, 12.5},
        {"fixed length", kBox, given(false, true, false), {7, 1, 5}, 5, 99},
        {"fixed length, distance given", kBox, given(false, true, true), {7, 1, 5}, 5, 12.5},
    };
    for (const Case& c : cases) {
        SceneRecord scene;
        for (const Segment& s : c.segments) scene.recordSegment(s.start, s.end, 1.0f, 0u);
        CameraState camera;
        camera.elevation = 30.0f;
        camera.azimuth = 40.0f;
        camera.translationX = 9.0f;
        camera.distance = 99.0;
        fitCamera(camera, scene, c.settings);
        EXPECT_EQ((Vec3{camera.translationX, camera.translationY, camera.translationZ}), c.translation) << c.what;
        EXPECT_FLOAT_EQ(camera.groundHalfSize, c.groundHalfSize) << c.what;
        EXPECT_DOUBLE_EQ(camera.distance, c.distance) << c.what;
        EXPECT_EQ(camera.elevation, 30.0f) << c.what;  // the user's angles survive
        EXPECT_EQ(camera.azimuth, 40.0f) << c.what;
    }
}

TEST(FitView, BuildsTheCylinderTableAndMarksTheSceneReady)
{
    SceneRecord scene;
    for (const Segment& s : kBox) scene.recordSegment(s.start, s.end, 1.0f, 0u);
    SceneView view;
    ASSERT_FALSE(view.sceneReady);
    fitView(view, scene, Settings{});
    EXPECT_TRUE(view.sceneReady);
    EXPECT_EQ(view.cylinders.count(), 3);
    EXPECT_DOUBLE_EQ(view.camera.distance, 25.0);
}

}  // namespace
}  // namespace sprig
