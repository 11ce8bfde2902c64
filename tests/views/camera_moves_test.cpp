#include "views/camera_moves.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sprig {
namespace {

using enum CameraButton;

// Both fields are read with "%f" and written back with six decimals; a field
// that does not start with a finite float keeps the value before it.
TEST(ReadEdits, TakeFiniteNumbersAndRewriteThem)
{
    struct Case {
        const char *step, *factor, *stepShown, *factorShown;
        double wantStep, wantFactor;
    };
    const Case cases[] = {
        {"30", " 1.5xyz", "30.000000", "1.500000", 30.0f, 1.5},
        {"-12.25", "1.1", "-12.250000", "1.100000", -12.25f, 1.100000023841858},  // no range; through a float
        {"abc", "", "9.000000", "1.200000", 9.0f, 1.2000000476837158},
        {"nan", "1e50", "9.000000", "1.200000", 9.0f, 1.2000000476837158},  // 1e50 overflows a float
        {"inf", "-inf", "9.000000", "1.200000", 9.0f, 1.2000000476837158},
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
        double elevation, azimuth, distance, wantElevation, wantAzimuth, wantDistance;
    };
    const Case cases[] = {
        {Left, "9", "1.2", 90, -90, 20, 90, -81, 20},
        {Right, "30", "1.2", 90, -90, 20, 90, 240, 20},
        {Down, "9", "1.2", 360, -90, 20, 9, -90, 20},
        {Closer, "9", "2", 90, -90, 20, 90, -90, 10},
        {Farther, "9", "2", 90, -90, 20, 90, -90, 40},
        {Farther, "9", "0", 90, -90, 20, 90, -90, 0},
        {Closer, "9", "0", 90, -90, 20, 90, -90, 20},        // 20 / 0
        {Right, "9", "1.2", 90, -90, 20, 90, 261, 20},       // -99 wraps
        {Left, "9", "1.2", 90, 351, 20, 90, 0, 20},          // exactly 360 wraps to 0
        {Up, "9", "1.2", 9, -90, 20, 360, -90, 20},          // exactly 0 wraps to 360
        {Down, "800", "1.2", 9, -90, 20, 449, -90, 20},      // one wrap only
        {Left, "-12.25", "1.2", 90, 5, 20, 90, -7.25f, 20},  // left wraps only at 360
        {Up, "-9", "1.2", 355, -90, 20, 364, -90, 20},       // up wraps only at 0
        {Closer, "9", "1.2", 90, -90, 20, 90, -90, 20.0 / 1.2000000476837158},
        {Closer, "9", "0", 90, -90, 0, 90, -90, 0},  // 0 * inf is NaN
    };
    for (const Case& c : cases) {
        CameraState camera{static_cast<float>(c.elevation), static_cast<float>(c.azimuth)};
        camera.distance = c.distance;
        CameraEdits edits{c.step, c.factor};
        pressCameraButton(c.button, edits, camera, 3, true);
        const auto where = testing::Message() << static_cast<int>(c.button) << " " << c.step << " " << c.factor;
        EXPECT_FLOAT_EQ(camera.elevation, static_cast<float>(c.wantElevation)) << where;
        EXPECT_FLOAT_EQ(camera.azimuth, static_cast<float>(c.wantAzimuth)) << where;
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
        bool sceneComplete, repaint, restore, redrawString, acts;
    };
    const Case cases[] = {
        {Right, 3, true, true, true, false, true},    {Right, 3, false, true, true, true, true},
        {Up, 3, false, true, true, true, true},       {Closer, 3, false, true, true, false, true},
        {Farther, 3, false, true, true, false, true}, {Axes, 3, true, true, false, false, true},
        {Axes, 2, false, true, false, false, true},   {Up, 2, false, false, false, false, false},
        {Left, 2, false, false, false, false, false}, {Farther, 2, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        CameraState camera;
        CameraEdits edits{"30", "2"};
        const CameraResponse r = pressCameraButton(c.button, edits, camera, c.dimensions, c.sceneComplete);
        const bool moved = camera.elevation != 90.0f || camera.azimuth != -90.0f || camera.distance != 20.0;
        EXPECT_EQ(std::tuple(r.repaint, r.restoreWindow, r.redrawString, moved || camera.axesVisible),
                  std::tuple(c.repaint, c.restore, c.redrawString, c.acts))
            << static_cast<int>(c.button) << " in " << c.dimensions << "D";
        EXPECT_EQ(edits.angleStep, c.button == Axes || c.dimensions == 2 ? "30" : "30.000000");
    }
}

// One pointer through a run of drags and wheel turns, from the start-up
// camera with a step of 9 and a factor of 2: each whole 10 pixels or notch
// presses a button once, what is left waits for the next movement, and
// nothing asks for the string to be drawn again. In 2D nothing moves.
TEST(CameraPointer, DragsTurnAndTheWheelZoomsByWholeSteps)
{
    struct Move {
        bool wheel;
        int dx, dy, dimensions;
        float elevation, azimuth;
        double distance;
        bool repaint;
    };
    const Move moves[] = {
        {false, 25, 0, 3, 90, -72, 20, true},     // two "Vľavo", 5 px left over
        {false, 4, 0, 3, 90, -72, 20, false},     // 9 px: no step yet
        {false, 1, -30, 3, 117, -63, 20, true},   // one "Vľavo", three "Dole"
        {false, -35, 12, 3, 108, 270, 20, true},  // three "Vpravo" (-72 wraps to 288), one "Hore"
        {false, 80, 80, 2, 108, 270, 20, false},  // 2D
        {true, 240, 0, 3, 108, 270, 5, true},     // two "Bližšie"
        {true, -60, 0, 3, 108, 270, 5, false},
        {true, -60, 0, 3, 108, 270, 10, true},  // a whole notch towards the user: "Ďalej"
        {true, 500, 0, 2, 108, 270, 10, false},
    };
    CameraState camera;
    CameraPointer pointer;
    CameraEdits edits{"9", "2"};
    for (const Move& m : moves) {
        const CameraResponse r = m.wheel ? wheelCamera(pointer, m.dx, edits, camera, m.dimensions)
                                         : dragCamera(pointer, m.dx, m.dy, edits, camera, m.dimensions);
        EXPECT_EQ(
            std::tuple(camera.elevation, camera.azimuth, camera.distance, r.repaint, r.restoreWindow, r.redrawString),
            std::tuple(m.elevation, m.azimuth, m.distance, m.repaint, false, false))
            << m.wheel << " " << m.dx << " " << m.dy;
    }
    EXPECT_EQ(std::tuple(edits.angleStep, edits.distanceFactor), std::tuple("9.000000", "2.000000"));
}

// The start-up angles, steps, distance and factor are those the tests above
// start from; a reset on opening a file restores the angles and the
// translation only.
TEST(CameraState, StartsWithAGroundOfHalfSizeOneAndResetsItsAngles)
{
    EXPECT_EQ(CameraState{}.groundHalfSize, 1.0f);
    CameraState c{12.0f, 34.0f, 5.0f, 6.0f, 1.0f, 2.0f, 3.0f, 4.0f, true, 7.0, 3.0};
    resetCamera(c);
    EXPECT_EQ(std::tuple(c.elevation, c.azimuth, c.translationX, c.translationY, c.translationZ),
              std::tuple(90.0f, -90.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(std::tuple(c.elevationStep, c.azimuthStep, c.groundHalfSize, c.axesVisible, c.distance, c.distanceFactor),
              std::tuple(5.0f, 6.0f, 4.0f, true, 7.0, 3.0));
}

}  // namespace
}  // namespace sprig
