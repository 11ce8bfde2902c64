// The turtle's rules on their own: width and colour parameters that are
// not numbers, the ends of the colour indices, the single wrap of 2D turns,
// and levelling.

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

TEST(TurtleRules, WidthAndColourParameters)
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
    EXPECT_FALSE(changeColour(t, ';', withParams({NAN})));
    EXPECT_FALSE(changeColour(t, ';', withParams({0.1f, 0.1f, NAN})));
    colourFromIndexParameter(t, NAN);
    EXPECT_EQ(t.colour, colourTable[kStartColourIndex]);
    EXPECT_EQ(t.colourIndex, kStartColourIndex);
    // Colour indices run from 0 to 15, both taken.
    const std::pair<float, bool> indices[] = {{0.0f, true}, {15.0f, true}, {-0.5f, false}, {15.5f, false}};
    for (const auto& [index, taken] : indices) {
        Turtle u;
        EXPECT_EQ(changeColour(u, ';', withParams({index})), taken) << index;
        EXPECT_EQ(u.colour, colourTable[taken ? static_cast<std::size_t>(index) : kStartColourIndex]) << index;
    }
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

}  // namespace
}  // namespace sprig
