// The turtle's rules on their own: widths, colours, 2D turns, the frame
// rotations and levelling.

#include <gtest/gtest.h>

#include <cmath>

#include "core/turtle/motion.h"
#include "core/turtle/turtle.h"

namespace sprig {
namespace {

SymbolParams withParams(std::initializer_list<float> values)
{
    SymbolParams params;
    for (float v : values) params.p[static_cast<std::size_t>(params.n++)] = v;
    return params;
}

TEST(TurtleRules, WidthNeverGoesBelowZero)
{
    Turtle t;
    t.width = 0.5f;
    EXPECT_TRUE(changeWidth(t, '!', SymbolParams{}, 1.0f, 1.0f));
    EXPECT_EQ(t.width, 0.0f);
    EXPECT_TRUE(changeWidth(t, '#', SymbolParams{}, 1.0f, 2.5f));
    EXPECT_EQ(t.width, 2.5f);
    EXPECT_FALSE(changeWidth(t, '!', withParams({-3.0f}), 1.0f, 1.0f));
    EXPECT_FALSE(changeWidth(t, '#', withParams({NAN}), 1.0f, 1.0f));
    EXPECT_EQ(t.width, 2.5f);
    EXPECT_TRUE(changeWidth(t, '!', withParams({7.0f}), 1.0f, 1.0f));
    EXPECT_EQ(t.width, 7.0f);
}

TEST(TurtleRules, ColourSymbols)
{
    Turtle t;
    EXPECT_TRUE(changeColour(t, ':', withParams({14.9f})));
    EXPECT_EQ(t.colourIndex, 14);
    EXPECT_EQ(t.colour, 0x0000FFFFu);
    EXPECT_FALSE(changeColour(t, ':', SymbolParams{}));
    EXPECT_FALSE(changeColour(t, ';', withParams({-0.5f})));
    EXPECT_FALSE(changeColour(t, ';', withParams({NAN})));
    EXPECT_FALSE(changeColour(t, ';', withParams({0.1f, 0.1f, NAN})));
    EXPECT_FALSE(changeColour(t, ';', withParams({0.1f, 0.1f, 0.1f, 0.1f})));
    EXPECT_TRUE(changeColour(t, ',', withParams({0.0f, 1.0f, 0.2f})));
    EXPECT_EQ(t.colour, 0x0033FF00u);  // 255 * 0.2 = 51 blue, 255 green
    EXPECT_EQ(t.colourIndex, 14);
    colourFromIndexParameter(t, 4.5f);
    EXPECT_EQ(t.colour, 0x00000080u);
    colourFromIndexParameter(t, 15.5f);
    EXPECT_EQ(t.colour, 0x00000080u);
    EXPECT_EQ(t.colourIndex, 14);
}

TEST(TurtleRules, TwoDimensionalTurnsWrapOnce)
{
    const float degree = kPi / 180.0f;
    Turtle t;
    turnLeft2D(t, degreesToRadians(280.0f));  // 90 + 280 = 370: back to 10
    EXPECT_NEAR(t.heading2D, 10.0f * degree, 1e-5f);
    turnRight2D(t, degreesToRadians(90.0f));  // -80: up to 280
    EXPECT_NEAR(t.heading2D, 280.0f * degree, 1e-5f);
    // Only one wrap: 280 + 720 = 1000 comes back to 640, still above 360.
    turnLeft2D(t, degreesToRadians(720.0f));
    EXPECT_NEAR(t.heading2D, 640.0f * degree, 1e-5f);
    reverse2D(t);
    EXPECT_NEAR(t.heading2D, 460.0f * degree, 1e-5f);
    EXPECT_EQ(degreesToRadians(180.0f), kPi);
}

TEST(TurtleRules, RotationsKeepTheFrameRightHanded)
{
    Turtle t;
    rotateAboutU(t, -kHalfPi);  // '+' by 90
    EXPECT_NEAR(t.H.y, -1.0f, 1e-6f);
    EXPECT_NEAR(t.L.z, -1.0f, 1e-6f);
    EXPECT_EQ(t.U, (Vec3{1, 0, 0}));
    rotateAboutL(t, 0.3f);
    rotateAboutH(t, -1.1f);
    // U = H x L still holds after any rotations.
    const Vec3 h = t.H, l = t.L, u = t.U;
    EXPECT_NEAR(u.x, h.y * l.z - h.z * l.y, 1e-6f);
    EXPECT_NEAR(u.y, h.z * l.x - h.x * l.z, 1e-6f);
    EXPECT_NEAR(u.z, h.x * l.y - h.y * l.x, 1e-6f);
}

TEST(TurtleRules, LevellingAndItsVerticalCase)
{
    Turtle t;
    t.H = {0.6f, 0.0f, 0.8f};
    t.L = {0.0f, -0.6f, 0.8f};  // tilted
    SpaceMotion::level(t);
    // L = V x H / |V x H| = (0, 0.6, 0) / 0.6; U = H x L.
    EXPECT_NEAR(t.L.x, 0.0f, 1e-6f);
    EXPECT_NEAR(t.L.y, 1.0f, 1e-6f);
    EXPECT_EQ(t.L.z, 0.0f);
    EXPECT_NEAR(t.U.x, -0.8f, 1e-6f);
    EXPECT_NEAR(t.U.z, 0.6f, 1e-6f);
    EXPECT_EQ(t.H, (Vec3{0.6f, 0.0f, 0.8f}));

    Turtle vertical;
    SpaceMotion::level(vertical);
    EXPECT_EQ(vertical.L, (Vec3{0, -1, 0}));
    EXPECT_EQ(vertical.U, (Vec3{1, 0, 0}));
}

TEST(TurtleRules, ResetAndUnitLength)
{
    Turtle t;
    t.position = {1, 2, 3};
    t.colourIndex = 3;
    t.reset(2.5f, 0x00123456);
    EXPECT_EQ(t.position, (Vec3{0, 0, 0}));
    EXPECT_EQ(t.lengthUnit, 2.5f);
    EXPECT_EQ(t.colour, 0x00123456u);
    EXPECT_EQ(t.colourIndex, 10);
    EXPECT_EQ(t.lastSegment, -1);
    scaleLength(t, '"', SymbolParams{});
    EXPECT_FLOAT_EQ(t.lengthUnit, 2.75f);
    scaleLength(t, '\'', withParams({4.0f}));
    EXPECT_FLOAT_EQ(t.lengthUnit, 11.0f);
}

}  // namespace
}  // namespace sprig
