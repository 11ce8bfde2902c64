#include "views/camera_moves.h"

#include <gtest/gtest.h>

namespace sprig {
namespace {

TEST(CameraState, StartsLookingDownTheYAxisFromTwentyUnits)
{
    const CameraState camera;
    EXPECT_FLOAT_EQ(camera.elevation, 90.0f);
    EXPECT_FLOAT_EQ(camera.azimuth, -90.0f);
    EXPECT_FLOAT_EQ(camera.elevationStep, 9.0f);
    EXPECT_FLOAT_EQ(camera.azimuthStep, 9.0f);
    EXPECT_FLOAT_EQ(camera.groundHalfSize, 1.0f);
    EXPECT_FALSE(camera.axesVisible);
    EXPECT_DOUBLE_EQ(camera.distance, 20.0);
    // 1.2 entered in single precision, not the double 1.2.
    EXPECT_DOUBLE_EQ(camera.distanceFactor, 1.2000000476837158);
    EXPECT_NE(camera.distanceFactor, 1.2);
}

TEST(ReadEdits, TakesNumbersAndRewritesThemWithSixDecimals)
{
    CameraState camera;
    CameraEdits edits{"30", " 1.5xyz"};
    readEdits(edits, camera);
    EXPECT_FLOAT_EQ(camera.elevationStep, 30.0f);
    EXPECT_FLOAT_EQ(camera.azimuthStep, 30.0f);
    EXPECT_DOUBLE_EQ(camera.distanceFactor, 1.5);
    EXPECT_EQ(edits.angleStep, "30.000000");
    EXPECT_EQ(edits.distanceFactor, "1.500000");

    edits = {"-12.25", "1.1"};
    readEdits(edits, camera);
    EXPECT_FLOAT_EQ(camera.azimuthStep, -12.25f);  // no range is tested
    EXPECT_EQ(edits.angleStep, "-12.250000");
    // The factor passes through a float: 1.1f widened.
    EXPECT_DOUBLE_EQ(camera.distanceFactor, 1.100000023841858);
    EXPECT_EQ(edits.distanceFactor, "1.100000");
}

TEST(ReadEdits, KeepsTheOldValueForTextThatIsNotAFiniteNumber)
{
    CameraState camera;
    CameraEdits edits{"abc", ""};
    readEdits(edits, camera);
    EXPECT_FLOAT_EQ(camera.elevationStep, 9.0f);
    EXPECT_EQ(edits.angleStep, "9.000000");
    EXPECT_DOUBLE_EQ(camera.distanceFactor, 1.2000000476837158);
    EXPECT_EQ(edits.distanceFactor, "1.200000");

    edits = {"nan", "1e50"};  // the latter overflows a float
    readEdits(edits, camera);
    EXPECT_FLOAT_EQ(camera.azimuthStep, 9.0f);
    EXPECT_EQ(edits.angleStep, "9.000000");
    EXPECT_EQ(edits.distanceFactor, "1.200000");

    edits = {"inf", "-inf"};
    readEdits(edits, camera);
    EXPECT_FLOAT_EQ(camera.elevationStep, 9.0f);
    EXPECT_DOUBLE_EQ(camera.distanceFactor, 1.2000000476837158);
}

TEST(CameraMoves, RotationsWrapOncePerPress)
{
    CameraState camera;
    turnLeft(camera);
    EXPECT_FLOAT_EQ(camera.azimuth, -81.0f);

    camera = {};
    turnRight(camera);  // -99 wraps to 261
    EXPECT_FLOAT_EQ(camera.azimuth, 261.0f);

    camera.azimuth = 351.0f;
    turnLeft(camera);  // exactly 360 wraps to 0
    EXPECT_FLOAT_EQ(camera.azimuth, 0.0f);

    camera.elevation = 9.0f;
    tiltUp(camera);  // exactly 0 wraps to 360
    EXPECT_FLOAT_EQ(camera.elevation, 360.0f);
    tiltDown(camera);  // 369 wraps to 9
    EXPECT_FLOAT_EQ(camera.elevation, 9.0f);

    camera.elevationStep = 800.0f;
    tiltDown(camera);  // 809 - 360: one wrap only
    EXPECT_FLOAT_EQ(camera.elevation, 449.0f);
}

TEST(CameraMoves, CloserAndFartherScaleTheDistanceByTheFactor)
{
    CameraState camera;
    camera.distanceFactor = 2.0;
    moveCloser(camera);
    EXPECT_DOUBLE_EQ(camera.distance, 10.0);
    moveFarther(camera);
    moveFarther(camera);
    EXPECT_DOUBLE_EQ(camera.distance, 40.0);

    camera = {};
    moveCloser(camera);
    EXPECT_NEAR(camera.distance, 20.0 / 1.2000000476837158, 1e-12);
    moveFarther(camera);
    EXPECT_NEAR(camera.distance, 20.0, 1e-12);
}

TEST(CameraMoves, AZeroFactorDoesNotSendTheCameraToInfinity)
{
    CameraState camera;
    camera.distanceFactor = 0.0;
    moveCloser(camera);
    EXPECT_DOUBLE_EQ(camera.distance, 20.0);
    moveFarther(camera);  // taken as it stands
    EXPECT_DOUBLE_EQ(camera.distance, 0.0);
    moveCloser(camera);  // 0 * inf would be NaN
    EXPECT_DOUBLE_EQ(camera.distance, 0.0);
}

TEST(CameraButtons, ReadTheEditsMoveAndSayWhatToRedraw)
{
    CameraState camera;
    CameraEdits edits{"30", "1.200000"};
    CameraResponse response = pressCameraButton(CameraButton::Right, edits, camera, 3, true);
    EXPECT_FLOAT_EQ(camera.azimuth, 240.0f);  // -120 wraps
    EXPECT_TRUE(response.repaint);
    EXPECT_TRUE(response.restoreWindow);
    EXPECT_FALSE(response.redrawString);
    response = pressCameraButton(CameraButton::Right, edits, camera, 3, false);
    EXPECT_FLOAT_EQ(camera.azimuth, 210.0f);
    EXPECT_TRUE(response.redrawString);  // the scene was cut: draw it again

    CameraEdits zoom{"30", "4"};
    response = pressCameraButton(CameraButton::Closer, zoom, camera, 3, false);
    EXPECT_DOUBLE_EQ(camera.distance, 5.0);
    EXPECT_TRUE(response.repaint);
    EXPECT_TRUE(response.restoreWindow);
    EXPECT_FALSE(response.redrawString);  // zooming never redraws the string
}

TEST(CameraButtons, MoveButtonsDoNothingIn2DButTheAxesButtonStillToggles)
{
    CameraState camera;
    CameraEdits edits{"abc", "2"};
    for (CameraButton button : {CameraButton::Up, CameraButton::Down, CameraButton::Left, CameraButton::Right,
                                CameraButton::Closer, CameraButton::Farther}) {
        const CameraResponse response = pressCameraButton(button, edits, camera, 2, false);
        EXPECT_FALSE(response.repaint || response.restoreWindow || response.redrawString);
    }
    EXPECT_FLOAT_EQ(camera.elevation, 90.0f);
    EXPECT_FLOAT_EQ(camera.azimuth, -90.0f);
    EXPECT_DOUBLE_EQ(camera.distance, 20.0);
    EXPECT_EQ(edits.angleStep, "abc");  // not even read

    const CameraResponse response = pressCameraButton(CameraButton::Axes, edits, camera, 2, false);
    EXPECT_TRUE(camera.axesVisible);
    EXPECT_TRUE(response.repaint);
    EXPECT_FALSE(response.redrawString);
    EXPECT_EQ(edits.angleStep, "abc");
    pressCameraButton(CameraButton::Axes, edits, camera, 3, true);
    EXPECT_FALSE(camera.axesVisible);
}

TEST(ResetCamera, RestoresAnglesAndTranslationOnly)
{
    CameraState camera;
    camera.elevation = 12.0f;
    camera.azimuth = 34.0f;
    camera.translationX = 1.0f;
    camera.translationY = 2.0f;
    camera.translationZ = 3.0f;
    camera.distance = 7.0;
    camera.elevationStep = 5.0f;
    camera.distanceFactor = 3.0;
    camera.groundHalfSize = 4.0f;
    camera.axesVisible = true;
    resetCamera(camera);
    EXPECT_FLOAT_EQ(camera.elevation, 90.0f);
    EXPECT_FLOAT_EQ(camera.azimuth, -90.0f);
    EXPECT_FLOAT_EQ(camera.translationX, 0.0f);
    EXPECT_FLOAT_EQ(camera.translationY, 0.0f);
    EXPECT_FLOAT_EQ(camera.translationZ, 0.0f);
    EXPECT_DOUBLE_EQ(camera.distance, 7.0);
    EXPECT_FLOAT_EQ(camera.elevationStep, 5.0f);
    EXPECT_DOUBLE_EQ(camera.distanceFactor, 3.0);
    EXPECT_FLOAT_EQ(camera.groundHalfSize, 4.0f);
    EXPECT_TRUE(camera.axesVisible);
}

}  // namespace
}  // namespace sprig
