// The scene record on its own: capacity, polygons, end widths and finite
// contents.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "core/turtle/scene_record.h"

namespace sprig {
namespace {

TEST(SceneRecord, PolygonsAndNormals)
{
    SceneRecord scene;
    scene.reset();
    EXPECT_FALSE(scene.recordPolygon({}, 1.0f, 0, {0, 0, 1}));
    const std::vector<Vec3> triangle{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    EXPECT_TRUE(scene.recordPolygon(triangle, 2.0f, 0x00ABCDEF, {0.5f, 0.0f, -2.0f}));
    ASSERT_EQ(scene.elementCount(), 3);
    EXPECT_EQ(std::tuple(scene.element(2).start, scene.element(2).end, scene.element(1).startWidth,
                         scene.element(1).colour, scene.currentPolygonNumber()),
              std::tuple(Vec3{0, 1, 0}, Vec3{0, 0, 0}, 2.0f, 0x00ABCDEFu, 2));
    EXPECT_EQ(scene.polygonNormal(1), (Vec3{-0.5f, 0.0f, 2.0f}));  // not normalised
    // A normal that is not finite is stored as straight up.
    EXPECT_TRUE(scene.recordPolygon(triangle, 1.0f, 0, {NAN, 0, 1}));
    EXPECT_EQ(scene.polygonNormal(2), (Vec3{0, 0, 1}));
}

TEST(SceneRecord, OnlyFiniteValuesAreKept)
{
    SceneRecord scene;
    EXPECT_FALSE(scene.recordSegment({0, 0, 0}, {NAN, 0, 0}, 1.0f, 0));
    EXPECT_FALSE(scene.recordSegment({0, 0, -INFINITY}, {0, 0, 0}, 1.0f, 0));
    EXPECT_FALSE(scene.recordSegment({0, 0, 0}, {1, 0, 0}, INFINITY, 0));
    ASSERT_EQ(scene.recordSegment({0, 0, 0}, {1, 0, 0}, 1.0f, 0), 0);
    scene.setEndWidth(0, INFINITY);
    EXPECT_EQ(scene.element(0).endWidth, -1.0f);
    scene.setEndWidth(0, 3.0f);
    EXPECT_EQ(scene.element(0).endWidth, 3.0f);
    scene.setEndWidth(1, 5.0f);  // beyond the count: ignored
    // An edge to a point at infinity is dropped, the others stay.
    EXPECT_TRUE(scene.recordPolygon(std::vector<Vec3>{{0, 0, 0}, {1, 0, 0}, {INFINITY, 0, 0}}, 1.0f, 0, {0, 0, 1}));
    EXPECT_EQ(scene.elementCount(), 2);
}

}  // namespace
}  // namespace sprig
