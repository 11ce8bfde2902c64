#include "views/direction_cells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace sprig {
namespace {

constexpr int kAzimuths = DirectionCells::kAzimuthBins;

// Cells are 10 degrees of polar angle from +z by 10 of azimuth from +x.
TEST(DirectionCells, CellsOfKnownDirections)
{
    EXPECT_EQ(DirectionCells::cellOf(0, 0, 1, 0), 0);
    EXPECT_EQ(DirectionCells::cellOf(0, 0, -1, 0) / kAzimuths, 17);
    EXPECT_EQ(DirectionCells::cellOf(1, 0, 0, 0), 9 * kAzimuths);
    EXPECT_EQ(DirectionCells::cellOf(0, 1, 0.001, 0), 8 * kAzimuths + 9);
    EXPECT_EQ(DirectionCells::cellOf(0, -2, -0.001, 0), 9 * kAzimuths + 27);
    // 15 degrees from +z towards -x: azimuth 180.
    EXPECT_EQ(DirectionCells::cellOf(-std::sin(0.2618), 0, std::cos(0.2618), 0), kAzimuths + 18);
}

TEST(DirectionCells, AVectorTooShortForItsCoordinatesHasNoCell)
{
    EXPECT_EQ(DirectionCells::cellOf(0, 0, 0, 0), DirectionCells::kUnknown);
    EXPECT_EQ(DirectionCells::cellOf(0.009, 0, 0, 10), DirectionCells::kUnknown);
    EXPECT_NE(DirectionCells::cellOf(0.011, 0, 0, 10), DirectionCells::kUnknown);
    EXPECT_EQ(DirectionCells::cellOf(std::nan(""), 0, 1, 0), DirectionCells::kUnknown);
}

// Every direction lies within its cell's cone, and the cones are no wider
// than the cells need (about 7 degrees at the equator).
TEST(DirectionCells, EveryDirectionLiesInItsCellsCone)
{
    std::uint32_t seed = 99;
    auto random = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / 16777216.0 * 2.0 - 1.0;
    };
    for (int i = 0; i < 20000; ++i) {
        const Vector3d d{random(), random(), random()};
        const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        if (length < 0.01) continue;
        const int cell = DirectionCells::cellOf(d.x, d.y, d.z, 0);
        ASSERT_NE(cell, DirectionCells::kUnknown);
        const DirectionCone cone = DirectionCells::cone(cell);
        EXPECT_LE(angleBetween({d.x / length, d.y / length, d.z / length}, cone.axis), cone.radius) << cell;
        EXPECT_LT(cone.radius, 0.13) << cell;
    }
}

}  // namespace
}  // namespace sprig
