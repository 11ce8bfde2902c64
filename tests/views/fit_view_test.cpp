#include "views/fit_view.h"

#include <gtest/gtest.h>

namespace sprig {
namespace {

// Segments whose end points lie far outside the box of their start points.
void fillBoxScene(SceneRecord& scene)
{
    scene.recordSegment({2, -1, 4}, {100, 100, 100}, 1.0f, 0u);
    scene.recordSegment({6, 3, 0}, {-100, -100, -100}, 1.0f, 0u);
    scene.recordSegment({4, 1, 10}, {50, 50, 50}, 1.0f, 0u);
}

TEST(FitCamera, CentresTheBoxOfStartPointsAndTheOrigin)
{
    SceneRecord scene;
    fillBoxScene(scene);
    CameraState camera;
    camera.elevation = 30.0f;
    camera.azimuth = 40.0f;
    fitCamera(camera, scene, Settings{});
    // Box x 0..6, y -1..3, z 0..10: the largest extent is 10.
    EXPECT_FLOAT_EQ(camera.translationX, 3.0f);
    EXPECT_FLOAT_EQ(camera.translationY, 1.0f);
    EXPECT_FLOAT_EQ(camera.translationZ, 5.0f);
    EXPECT_FLOAT_EQ(camera.groundHalfSize, 5.0f);
    EXPECT_DOUBLE_EQ(camera.distance, 25.0);
    EXPECT_FLOAT_EQ(camera.elevation, 30.0f);  // the user's angles survive
    EXPECT_FLOAT_EQ(camera.azimuth, 40.0f);
}

TEST(FitCamera, TheBoxAlwaysReachesBackToTheOrigin)
{
    SceneRecord scene;
    scene.recordSegment({10, 0, 0}, {11, 0, 0}, 1.0f, 0u);
    scene.recordSegment({20, 0, 0}, {21, 0, 0}, 1.0f, 0u);
    CameraState camera;
    fitCamera(camera, scene, Settings{});
    EXPECT_FLOAT_EQ(camera.translationX, 10.0f);  // half of 20, not the middle 15
    EXPECT_FLOAT_EQ(camera.groundHalfSize, 10.0f);
    EXPECT_DOUBLE_EQ(camera.distance, 50.0);
}

TEST(FitCamera, AFlatOrEmptySceneCountsAsOneUnitWide)
{
    SceneRecord scene;
    CameraState camera;
    camera.translationX = 9.0f;
    fitCamera(camera, scene, Settings{});
    EXPECT_DOUBLE_EQ(camera.distance, 2.5);
    EXPECT_FLOAT_EQ(camera.translationX, 0.0f);
    EXPECT_FLOAT_EQ(camera.groundHalfSize, 0.0f);

    scene.recordSegment({0, 0, 0}, {0, 0, 1}, 1.0f, 0u);
    scene.recordSegment({0, 0, 0}, {0, 1, 0}, 1.0f, 0u);
    camera.distance = 99.0;
    fitCamera(camera, scene, Settings{});
    EXPECT_DOUBLE_EQ(camera.distance, 2.5);
    EXPECT_FLOAT_EQ(camera.groundHalfSize, 0.0f);
}

TEST(FitCamera, OptionsFileValuesAndPlaceAtBottom)
{
    SceneRecord scene;
    fillBoxScene(scene);
    Settings settings;
    settings.translationXGiven = true;
    settings.translationX = 7.0f;
    settings.cameraDistanceGiven = true;
    settings.cameraDistance = 12.5f;
    CameraState camera;
    fitCamera(camera, scene, settings);
    EXPECT_FLOAT_EQ(camera.translationX, 7.0f);
    EXPECT_FLOAT_EQ(camera.translationY, 1.0f);  // not given: centred
    EXPECT_DOUBLE_EQ(camera.distance, 12.5);

    settings.placeAtBottom = true;
    fitCamera(camera, scene, settings);
    EXPECT_FLOAT_EQ(camera.translationX, 0.0f);
    EXPECT_FLOAT_EQ(camera.translationY, 0.0f);
    EXPECT_FLOAT_EQ(camera.translationZ, 0.0f);

    settings.cameraDistanceGiven = false;
    settings.fixedSegmentLength = true;
    camera.distance = 33.0;
    fitCamera(camera, scene, settings);
    EXPECT_DOUBLE_EQ(camera.distance, 33.0);  // a fixed length keeps the zoom
    EXPECT_FLOAT_EQ(camera.groundHalfSize, 5.0f);
}

TEST(FitView, BuildsTheCylinderTableAndMarksTheSceneReady)
{
    SceneRecord scene;
    fillBoxScene(scene);
    SceneView view;
    ASSERT_FALSE(view.sceneReady);
    fitView(view, scene, Settings{});
    EXPECT_TRUE(view.sceneReady);
    EXPECT_EQ(view.cylinders.count(), 3);
    EXPECT_DOUBLE_EQ(view.camera.distance, 25.0);
}

}  // namespace
}  // namespace sprig
