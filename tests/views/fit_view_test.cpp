#include "views/fit_view.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace sprig {
namespace {

struct Segment {
    Vec3 start, end;
};

// End points far outside the box of the start points, which is x 0..6,
// y -1..3, z 0..10 with the origin: its largest extent is 10.
const std::vector<Segment> kBox{
    {{2, -1, 4}, {100, 100, 100}}, {{6, 3, 0}, {-100, -100, -100}}, {{4, 1, 10}, {50, 50, 50}}};

struct Case {
    const char* what;
    std::vector<Segment> segments;
    Settings settings;
    Vec3 translation;
    float groundHalfSize;
    double distance;  // the distance was 99 before the fit
};

// An options file that gives translation x = 7 and, when asked, distance 12.5.
Settings given(bool placeAtBottom, bool fixedLength, bool distanceGiven)
{
    Settings s;
    std::tie(s.translationXGiven, s.translationX, s.cameraDistanceGiven, s.cameraDistance) =
        std::tuple(true, 7.0f, distanceGiven, 12.5f);
    std::tie(s.placeAtBottom, s.fixedSegmentLength) = std::tuple(placeAtBottom, fixedLength);
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
        CameraState camera{30.0f, 40.0f, 9.0f, 9.0f, 9.0f};
        camera.distance = 99.0;
        fitCamera(camera, scene, c.settings);
        EXPECT_EQ((Vec3{camera.translationX, camera.translationY, camera.translationZ}), c.translation) << c.what;
        EXPECT_FLOAT_EQ(camera.groundHalfSize, c.groundHalfSize) << c.what;
        EXPECT_DOUBLE_EQ(camera.distance, c.distance) << c.what;
        EXPECT_EQ(std::tuple(camera.elevation, camera.azimuth), std::tuple(30.0f, 40.0f));  // the user's angles
    }
}

}  // namespace
}  // namespace sprig
