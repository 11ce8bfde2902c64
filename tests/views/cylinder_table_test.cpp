#include "views/cylinder_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>


namespace sprig {
namespace {

struct Direction {
    double dx, dy, dz;
    double turn, tilt;
};

TEST(CylinderAngles, TurnAndTiltOfKnownDirections)
{
    const Direction cases[] = {
        {1, 0, 0, 0, 90},      {-1, 0, 0, 180, 90},   {0, 1, 0, 90, 90},    {0, -1, 0, -90, 90},
        {0, 0, 1, 0, 0},       {0, 0, -1, 0, 180},    {1, 1, 0, 45, 90},    {-1, 1, 0, 135, 90},
        {-1, -1, 0, 225, 90},  {1, -1, 0, -45, 90},   {1, 0, 1, 0, 45},     {0, 1, -1, 90, 135},
        {1, std::sqrt(3.0), 2, 60, 45},               {0, 0, 0, 0, 90},  // zero length: caps at the start
    };
    for (const Direction& d : cases) {
        const CylinderAngles a = cylinderAngles(d.dx, d.dy, d.dz);
        EXPECT_NEAR(a.turn, d.turn, 1e-9) << d.dx << " " << d.dy << " " << d.dz;
        EXPECT_NEAR(a.tilt, d.tilt, 1e-9) << d.dx << " " << d.dy << " " << d.dz;
    }
}

// The cylinder is built along +z; tilting about y and then turning about z
// must carry +z onto the segment's direction.
TEST(CylinderAngles, CarryTheZAxisOntoTheSegment)
{
    const double directions[][3] = {{3, -4, 12}, {-2, 5, -1}, {-7, -1, 0.5}, {0.001, 0, -9}, {2, 2, 2}};
    for (const auto& d : directions) {
        const CylinderAngles a = cylinderAngles(d[0], d[1], d[2]);
        const double turn = a.turn * std::numbers::pi / 180.0;
        const double tilt = a.tilt * std::numbers::pi / 180.0;
        const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        EXPECT_NEAR(std::sin(tilt) * std::cos(turn) * length, d[0], 1e-9);
        EXPECT_NEAR(std::sin(tilt) * std::sin(turn) * length, d[1], 1e-9);
        EXPECT_NEAR(std::cos(tilt) * length, d[2], 1e-9);
        EXPECT_GT(a.turn, -90.0);
        EXPECT_LT(a.turn, 270.0);
    }
}

TEST(CylinderTable, OneRecordPerSegmentInRecordOrder)
{
    SceneRecord scene;
    scene.recordSegment({1, 2, 3}, {1, 2, 5}, 2.0f, 0x00112233u);
    const std::vector<Vec3> square{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    scene.recordPolygon(square, 1.0f, 0x00FF0000u, {0, 0, 1});
    const int second = *scene.recordSegment({0, 0, 0}, {-3, 0, 4}, 1.0f, 0x000000FFu);
    scene.setEndWidth(second, 0.5f);
    scene.recordSegment({0, 0, 0}, {0, 0, 0}, 0.0f, 0x0000FF00u);

    CylinderTable table;
    table.build(scene, false);
    ASSERT_EQ(table.count(), 3);  // the three polygon edges are left out

    const CylinderRecord& up = table.record(0);
    EXPECT_FLOAT_EQ(up.startX, 1.0f);
    EXPECT_FLOAT_EQ(up.startY, 2.0f);
    EXPECT_FLOAT_EQ(up.startZ, 3.0f);
    EXPECT_FLOAT_EQ(up.turn, 0.0f);
    EXPECT_FLOAT_EQ(up.tilt, 0.0f);
    EXPECT_FLOAT_EQ(up.baseRadius, 1.0f);
    EXPECT_FLOAT_EQ(up.length, 2.0f);
    EXPECT_FLOAT_EQ(up.topRadius, 1.0f);
    EXPECT_EQ(table.colour(0), 0x00112233u);

    const CylinderRecord& slanted = table.record(1);
    EXPECT_FLOAT_EQ(slanted.turn, 180.0f);
    EXPECT_NEAR(slanted.tilt, std::atan(3.0 / 4.0) * 180.0 / std::numbers::pi, 1e-4);
    EXPECT_FLOAT_EQ(slanted.length, 5.0f);
    EXPECT_FLOAT_EQ(slanted.topRadius, 0.5f);  // end width ignored without active width
    EXPECT_EQ(table.colour(1), 0x000000FFu);

    const CylinderRecord& point = table.record(2);
    EXPECT_FLOAT_EQ(point.length, 0.0f);
    EXPECT_FLOAT_EQ(point.tilt, 90.0f);
    EXPECT_FLOAT_EQ(point.baseRadius, 0.0f);
}

TEST(CylinderTable, ActiveWidthTakesTheTopRadiusFromASetEndWidth)
{
    SceneRecord scene;
    const int tapered = *scene.recordSegment({0, 0, 0}, {0, 0, 1}, 3.0f, 0u);
    scene.setEndWidth(tapered, 1.0f);
    scene.recordSegment({0, 0, 1}, {0, 0, 2}, 3.0f, 0u);  // end width stays -1

    CylinderTable table;
    table.build(scene, true);
    ASSERT_EQ(table.count(), 2);
    EXPECT_FLOAT_EQ(table.record(0).baseRadius, 1.5f);
    EXPECT_FLOAT_EQ(table.record(0).topRadius, 0.5f);
    EXPECT_FLOAT_EQ(table.record(1).topRadius, 1.5f);  // not set: straight

    scene.reset();
    table.build(scene, true);
    EXPECT_EQ(table.count(), 0);  // a rebuild starts afresh
}

// Worked out by hand: radius 0.5 = width 1, and 0.98 of it is 0.49.
TEST(CylinderTable, MarksStartSpheresInsideThePreviousSegment)
{
    constexpr std::uint32_t kRed = 0x000000FFu;
    constexpr std::uint32_t kBlue = 0x00FF0000u;
    SceneRecord scene;
    scene.recordSegment({0, 0, 0}, {0, 0, 2}, 1.0f, kRed);     // 0: nothing before it
    scene.recordSegment({0, 0, 2}, {0, 0, 4}, 1.0f, kRed);     // 1: straight on, as wide, same colour
    scene.recordSegment({0, 0, 4}, {0, 0, 6}, 1.0f, kBlue);    // 2: straight on, as wide, other colour
    scene.recordSegment({0, 0, 6}, {0, 2, 8}, 0.98f, kRed);    // 3: bent, 0.49
    scene.recordSegment({0, 2, 8}, {2, 2, 9}, 0.98f, kRed);    // 4: bent, as wide
    scene.recordSegment({2, 2, 9}, {2, 2, 11}, 0.99f, kRed);   // 5: bent, wider than 0.98 of it
    scene.recordSegment({2, 2, 11}, {2, 2, 13}, 1.2f, kRed);   // 6: straight on, wider
    scene.recordSegment({2, 2, 13.5f}, {2, 4, 14}, 0.5f, kRed);  // 7: a gap before it
    const int tapered = *scene.recordSegment({2, 4, 14}, {2, 6, 14}, 0.4f, kRed);  // 8: tapers
    scene.setEndWidth(tapered, 0.2f);
    scene.recordSegment({2, 6, 14}, {2, 8, 14}, 0.1f, kRed);   // 9: after a tapered one
    scene.recordSegment({2, 8, 14}, {2, 8.2f, 14}, 0.6f, kRed);  // 10: straight on, wider, shorter than its radius
    scene.recordSegment({2, 8.2f, 14}, {2, 9, 14}, 0.1f, kRed);  // 11: after one shorter than its radius
    scene.recordPolygon(std::vector<Vec3>{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 1.0f, kRed, {0, 0, 1});
    scene.recordSegment({2, 9, 14}, {2, 9, 16}, 0.05f, kRed);  // 12: after the polygon, at segment 11's end
    const int lastTapered = *scene.recordSegment({2, 9, 16}, {2, 9, 18}, 0.04f, kRed);  // 13: tapers itself
    scene.setEndWidth(lastTapered, 0.02f);

    CylinderTable table;
    table.build(scene, true);
    ASSERT_EQ(table.count(), 14);
    const bool expected[] = {false, true, false, true, false, false, false,
                             false, false, false, false, false, true, false};
    for (int i = 0; i < table.count(); ++i) EXPECT_EQ(table.startInsidePrevious(i), expected[i]) << i;

    table.build(scene, false);  // end widths ignored: 8 and 13 are straight
    EXPECT_TRUE(table.startInsidePrevious(9));
    EXPECT_TRUE(table.startInsidePrevious(13));
}

}  // namespace
}  // namespace sprig
