#include "views/cylinder_frame.h"

#include <gtest/gtest.h>

namespace sprig {
namespace {

void expectPoint(const Vector3d& p, double x, double y, double z)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
    EXPECT_NEAR(p.z, z, 1e-9);
}

// At the start-up angles the camera looks along -x from +x; from straight
// above (elevation 0) it looks down -z; at elevation 90 and azimuth 0 it
// looks along +y from -y. The eye stands `distance` from the centre.
TEST(EyePosition, StandsTheDistanceBackFromTheCentre)
{
    CameraState camera;
    camera.distance = 10.0;
    expectPoint(eyePosition(camera), 10, 0, 0);
    camera.translationX = 1.0f;
    camera.translationY = 2.0f;
    camera.translationZ = 3.0f;
    expectPoint(eyePosition(camera), 11, 2, 3);
    camera.elevation = 0.0f;
    expectPoint(eyePosition(camera), 1, 2, 13);
    camera.elevation = 90.0f;
    camera.azimuth = 0.0f;
    expectPoint(eyePosition(camera), 1, -8, 3);
}

// A cylinder along +x is turned 0 and tilted 90; one along +y is turned 90
// and tilted 90; one along -z is tilted 180.
TEST(CylinderFrame, TakesWorldVectorsIntoTheFrameWhoseZIsTheAxis)
{
    CylinderRecord alongX;
    alongX.tilt = 90.0f;
    expectPoint(cylinderAxis(alongX), 1, 0, 0);
    expectPoint(intoCylinderFrame({1, 0, 0}, alongX), 0, 0, 1);
    expectPoint(intoCylinderFrame({0, 1, 0}, alongX), 0, 1, 0);
    expectPoint(intoCylinderFrame({0, 0, 1}, alongX), -1, 0, 0);

    CylinderRecord alongY;
    alongY.turn = 90.0f;
    alongY.tilt = 90.0f;
    expectPoint(cylinderAxis(alongY), 0, 1, 0);
    expectPoint(intoCylinderFrame({0, 1, 0}, alongY), 0, 0, 1);

    CylinderRecord down;
    down.tilt = 180.0f;
    down.startX = 2.0f;
    down.startZ = 5.0f;
    expectPoint(cylinderAxis(down), 0, 0, -1);
    expectPoint(eyeInCylinderFrame({2, 0, 1}, down), 0, 0, 4);
}

}  // namespace
}  // namespace sprig
