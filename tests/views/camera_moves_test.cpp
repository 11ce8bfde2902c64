#include "views/camera_moves.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sprig {
namespace {

using enum CameraButton;

TEST(CameraState, StartsLookingDownTheYAxisFromTwentyUnits)
{
    const CameraState c;
    EXPECT_EQ(std::tuple(c.elevation, c.azimuth, c.elevationStep, c.azimuthStep, c.groundHalfSize, c.axesVisible),
              std::tuple(90.0f, -90.0f, 9.0f, 9.0f, 1.0f, false));
    EXPECT_EQ(c.distance, 20.0);
    EXPECT_EQ(c.distanceFactor, 1.2000000476837158);  // 1.2 entered in single precision
}

// Both fields are read with "%f" and written back with six decimals; a field
// that does not start with a finite float keeps the value before it.
TEST(ReadEdits, TakeFiniteNumbersAndRewriteThem)
{
    struct Case {
        const char *step, *factor;
        float wantStep;
        double wantFactor;
        const char *stepShown, *factorShown;
    };
    const Case cases[] = {
        {"30", " 1.5xyz", 30.0f, 1.5, "30.000000", "1.500000"},
        {"-12.25", "1.1", -12.25f, 1.100000023841858, "-12.250000", "1.100000"},  // no range; through a float
        {"abc", "", 9.0f, 1.2000000476837158, "9.000000", "1.200000"},
        {"nan", "1e50", 9.0f, 1.2000000476837158, "9.000000", "1.200000"},  // 1e50 overflows a float
        {"inf", "-inf", 9.0f, 1.2000000476837158, "9.000000", "1.200000"},
    };
    for (const Case& c : cases) {
        CameraState camera;
        CameraEdits edits{c.step, c.factor};
        readEdits(edits, camera);
        EXPECT_EQ(std::tuple(camera.elevationStep, camera.azimuthStep, camera.distanceFactor, edits.angleStep,
                             edits.distanceFactor),
                  std::tuple(c.wantStep, c.wantStep, c.wantFactor, c.stepShown, c.factorShown))
            << c.step << " " << c.factor;
    }
}

// One press in 3D from the given camera, with the edits read first: angles
// wrap once per press, closer divides by the factor and farther multiplies,
// and a distance that would become infinite or NaN is kept.
TEST(CameraButtons, MoveTheCameraAsTheEditsSay)
{
    struct Case {
        CameraButton button;
        const char *step, *factor;
        float elevation, azimuth;
        double distance;
        float wantElevation, wantAzimuth;
        double wantDistance;
    };
    const Case cases[] = {
        {Left, "9", "1.2", 90, -90, 20, 90, -81, 20},
        {Right, "9", "1.2", 90, -90, 20, 90, 261, 20},  // -99 wraps
        {Left, "9", "1.2", 90, 351, 20, 90, 0, 20},     // exactly 360 wraps to 0
        {Right, "30", "1.2", 90, -90, 20, 90, 240, 20},
        {Right, "30", "1.2", 90, 240, 20, 90, 210, 20},
        {Up, "9", "1.2", 9, -90, 20, 360, -90, 20},  // exactly 0 wraps to 360
        {Down, "9", "1.2", 360, -90, 20, 9, -90, 20},
        {Down, "800", "1.2", 9, -90, 20, 449, -90, 20},  // one wrap only
        {Left, "-12.25", "1.2", 90, 5, 20, 90, -7.25f, 20},  // left wraps only at 360
        {Up, "-9", "1.2", 355, -90, 20, 364, -90, 20},       // up wraps only at 0
        {Closer, "9", "2", 90, -90, 20, 90, -90, 10},
        {Farther, "9", "2", 90, -90, 20, 90, -90, 40},
        {Closer, "9", "1.2", 90, -90, 20, 90, -90, 20.0 / 1.2000000476837158},
        {Farther, "9", "1.2", 90, -90, 20.0 / 1.2000000476837158, 90, -90, 20},
        {Closer, "9", "0", 90, -90, 20, 90, -90, 20},  // 20 / 0 is infinite
        {Farther, "9", "0", 90, -90, 20, 90, -90, 0},
        {Closer, "9", "0", 90, -90, 0, 90, -90, 0},  // 0 * inf is NaN
    };
    for (const Case& c : cases) {
        CameraState camera{c.elevation, c.azimuth};
        camera.distance = c.distance;
        CameraEdits edits{c.step, c.factor};
        pressCameraButton(c.button, edits, camera, 3, true);
        const auto where = testing::Message() << static_cast<int>(c.button) << " " << c.step << " " << c.factor;
        EXPECT_FLOAT_EQ(camera.elevation, c.wantElevation) << where;
        EXPECT_FLOAT_EQ(camera.azimuth, c.wantAzimuth) << where;
        EXPECT_NEAR(camera.distance, c.wantDistance, 1e-12) << where;
    }
}

// The six move buttons act only in 3D; a rotation with a scene cut short
// asks for the string to be drawn again; the axes button acts in either
// dimension and reads no edits.
TEST(CameraButtons, SayWhatToRedraw)
{
    struct Case {
        CameraButton button;
        int dimensions;
        bool sceneComplete;
        bool repaint, restore, redrawString, readsEdits;
    };
    const Case cases[] = {
        {Right, 3, true, true, true, false, true},    {Right, 3, false, true, true, true, true},
        {Up, 3, false, true, true, true, true},       {Closer, 3, false, true, true, false, true},
        {Farther, 3, false, true, true, false, true}, {Axes, 3, true, true, false, false, false},
        {Axes, 2, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        CameraState camera;
        CameraEdits edits{"abc", "2"};
        const CameraResponse r = pressCameraButton(c.button, edits, camera, c.dimensions, c.sceneComplete);
        EXPECT_EQ(std::tuple(r.repaint, r.restoreWindow, r.redrawString, edits.angleStep != "abc"),
                  std::tuple(c.repaint, c.restore, c.redrawString, c.readsEdits))
            << static_cast<int>(c.button) << " in " << c.dimensions << "D";
        EXPECT_EQ(camera.axesVisible, c.button == Axes);
    }
    for (const CameraButton button : {Up, Down, Left, Right, Closer, Farther}) {
        CameraState camera;
        CameraEdits edits{"30", "2"};
        const CameraResponse r = pressCameraButton(button, edits, camera, 2, false);
        EXPECT_FALSE(r.repaint || r.restoreWindow || r.redrawString);
        EXPECT_EQ(std::tuple(camera.elevation, camera.azimuth, camera.distance, edits.angleStep),
                  std::tuple(90.0f, -90.0f, 20.0, "30"));
    }
}

TEST(ResetCamera, RestoresAnglesAndTranslationOnly)
{
    CameraState c{12.0f, 34.0f, 5.0f, 6.0f, 1.0f, 2.0f, 3.0f, 4.0f, true, 7.0, 3.0};
    resetCamera(c);
    EXPECT_EQ(std::tuple(c.elevation, c.azimuth, c.translationX, c.translationY, c.translationZ),
              std::tuple(90.0f, -90.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(std::tuple(c.elevationStep, c.azimuthStep, c.groundHalfSize, c.axesVisible, c.distance, c.distanceFactor),
              std::tuple(5.0f, 6.0f, 4.0f, true, 7.0, 3.0));
}

}  // namespace
}  // namespace sprig
