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

}  // namespace
}  // namespace sprig
