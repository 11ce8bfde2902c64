#include "core/mesh/cylinder_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace sprig {
namespace {

// Known turns and tilts (NaN: any), and for every direction: tilting +z
// about y and then turning it about z carries it onto the segment.
TEST(CylinderAngles, PointTheZAxisAlongTheSegment)
{
    constexpr double kAny = std::numeric_limits<double>::quiet_NaN();
    const double cases[][5] = {
        {1, 0, 0, 0, 90},        {-1, 0, 0, 180, 90},     {0, 1, 0, 90, 90},
        {0, -1, 0, -90, 90},     {0, 0, 1, 0, 0},         {0, 0, -1, 0, 180},
        {1, 1, 0, 45, 90},       {-1, -1, 0, 225, 90},    {1, -1, 0, -45, 90},
        {1, 0, 1, 0, 45},        {0, 1, -1, 90, 135},     {1, std::sqrt(3.0), 2, 60, 45},
        {3, -4, 12, kAny, kAny}, {-2, 5, -1, kAny, kAny}, {0.001, 0, -9, kAny, kAny},
        {0, 0, 0, 0, 90},  // zero length: the caps are drawn at the start
    };
    for (const auto& [dx, dy, dz, turn, tilt] : cases) {
        const CylinderAngles a = cylinderAngles(dx, dy, dz);
        const auto where = ::testing::Message() << dx << " " << dy << " " << dz;
        EXPECT_TRUE(std::isnan(turn) || std::abs(a.turn - turn) < 1e-9) << where << ": " << a.turn;
        EXPECT_TRUE(std::isnan(tilt) || std::abs(a.tilt - tilt) < 1e-9) << where << ": " << a.tilt;
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        const double t = a.turn * std::numbers::pi / 180.0;
        const double u = a.tilt * std::numbers::pi / 180.0;
        EXPECT_NEAR(std::sin(u) * std::cos(t) * length, dx, 1e-9) << where;
        EXPECT_NEAR(std::sin(u) * std::sin(t) * length, dy, 1e-9) << where;
        EXPECT_NEAR(std::cos(u) * length, dz, 1e-9) << where;
        EXPECT_TRUE(a.turn >= -90.0 && a.turn < 270.0) << where;  // -90 straight down y
    }
}

// Polygon edges get no record. The end width gives the top radius only with
// active width, and only when it is set.
TEST(CylinderTable, OneRecordPerSegmentInRecordOrder)
{
    SceneRecord scene;
    scene.recordSegment({1, 2, 3}, {1, 2, 5}, 2.0f, 0x00112233u);
    scene.recordPolygon(std::vector<Vec3>{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 1.0f, 0x00FF0000u, {0, 0, 1});
    scene.setEndWidth(*scene.recordSegment({0, 0, 0}, {-3, 0, 4}, 1.0f, 0x000000FFu), 0.5f);
    scene.recordSegment({0, 0, 0}, {0, 0, 0}, 0.0f, 0x0000FF00u);
    const float slant = static_cast<float>(std::atan(3.0 / 4.0) * 180.0 / std::numbers::pi);
    const std::uint32_t colours[] = {0x00112233u, 0x000000FFu, 0x0000FF00u};
    CylinderTable table;
    for (const bool activeWidth : {false, true}) {
        const CylinderRecord expected[] = {{1, 2, 3, 0, 0, 1, 2, 1},
                                           {0, 0, 0, 180, slant, 0.5f, 5, activeWidth ? 0.25f : 0.5f},
                                           {0, 0, 0, 0, 90, 0, 0, 0}};
        table.build(scene, activeWidth);
        ASSERT_EQ(table.count(), 3);
        for (int i = 0; i < 3; ++i) {
            const CylinderRecord& c = table.record(i);
            const CylinderRecord& e = expected[i];
            const float got[] = {c.startX, c.startY, c.startZ, c.turn, c.tilt, c.baseRadius, c.length, c.topRadius};
            const float want[] = {e.startX, e.startY, e.startZ, e.turn, e.tilt, e.baseRadius, e.length, e.topRadius};
            for (int k = 0; k < 8; ++k) EXPECT_NEAR(got[k], want[k], 1e-4) << i << " field " << k << " " << activeWidth;
            EXPECT_EQ(table.colour(i), colours[i]);
        }
    }
    scene.reset();
    table.build(scene, true);
    EXPECT_EQ(table.count(), 0);  // a rebuild starts afresh
}

// Worked out by hand: a sphere of 20 x 20 faces holds a sphere turned any
// way if its radius is at most 0.9847 of the radius; radius 0.5 = width 1.
TEST(CylinderTable, MarksStartSpheresInsideThePreviousSegment)
{
    constexpr std::uint32_t kRed = 0x000000FFu;
    constexpr std::uint32_t kBlue = 0x00FF0000u;
    SceneRecord scene;
    scene.recordSegment({0, 0, 0}, {0, 0, 2}, 1.0f, kRed);       // 0: nothing before it
    scene.recordSegment({0, 0, 2}, {0, 0, 4}, 1.0f, kRed);       // 1: straight on, as wide, same colour
    scene.recordSegment({0, 0, 4}, {0, 0, 6}, 1.0f, kBlue);      // 2: straight on, as wide, other colour
    scene.recordSegment({0, 0, 6}, {0, 2, 8}, 0.983f, kRed);     // 3: bent, 0.983 of it
    scene.recordSegment({0, 2, 8}, {2, 2, 9}, 0.983f, kRed);     // 4: bent, as wide
    scene.recordSegment({2, 2, 9}, {2, 2, 11}, 0.969f, kRed);    // 5: bent, 0.986 of it: it may show
    scene.recordSegment({2, 2, 11}, {2, 2, 13}, 1.2f, kRed);     // 6: straight on, wider
    scene.recordSegment({2, 2, 13.5f}, {2, 4, 14}, 0.5f, kRed);  // 7: a gap before it
    const int tapered = *scene.recordSegment({2, 4, 14}, {2, 6, 14}, 0.4f, kRed);  // 8: tapers
    scene.setEndWidth(tapered, 0.2f);
    scene.recordSegment({2, 6, 14}, {2, 8, 14}, 0.1f, kRed);     // 9: after a tapered one
    scene.recordSegment({2, 8, 14}, {2, 8.2f, 14}, 0.6f, kRed);  // 10: straight on, wider, shorter than its radius
    scene.recordSegment({2, 8.2f, 14}, {2, 9, 14}, 0.1f, kRed);  // 11: after one shorter than its radius
    scene.recordPolygon(std::vector<Vec3>{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 1.0f, kRed, {0, 0, 1});
    scene.recordSegment({2, 9, 14}, {2, 9, 16}, 0.05f, kRed);  // 12: after the polygon, at segment 11's end
    const int lastTapered = *scene.recordSegment({2, 9, 16}, {2, 9, 18}, 0.04f, kRed);  // 13: tapers itself
    scene.setEndWidth(lastTapered, 0.02f);

    CylinderTable table;
    table.build(scene, true);
    ASSERT_EQ(table.count(), 14);
    const bool expected[] = {false, true,  false, true,  false, false, false,
                             false, false, false, false, false, true,  false};
    for (int i = 0; i < table.count(); ++i) EXPECT_EQ(table.startInsidePrevious(i), expected[i]) << i;

    table.build(scene, false);  // end widths ignored: 8 and 13 are straight
    EXPECT_TRUE(table.startInsidePrevious(9));
    EXPECT_TRUE(table.startInsidePrevious(13));
}

}  // namespace
}  // namespace sprig
