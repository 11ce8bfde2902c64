// The cap filters never leave out a face that could be seen, and leave out
// as much as their rules allow where the answer is plain.

#include "views/cap_filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "views/direction_cells.h"

namespace sprig {
namespace {

struct Vector {
    double x, y, z;
};

double dot(const Vector& a, const Vector& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector point(const UnitVertex& v)
{
    return {v.x, v.y, v.z};
}

// The triangles the filter left out: the kept ones are a subsequence.
std::vector<UnitTriangle> leftOut(const std::vector<UnitTriangle>& all, const std::vector<UnitTriangle>& kept)
{
    std::vector<UnitTriangle> out;
    std::size_t k = 0;
    auto same = [](const UnitTriangle& a, const UnitTriangle& b) {
        for (int i = 0; i < 3; ++i)
            if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].z != b[i].z) return false;
        return true;
    };
    for (const UnitTriangle& t : all) {
        if (k < kept.size() && same(t, kept[k]))
            ++k;
        else
            out.push_back(t);
    }
    EXPECT_EQ(k, kept.size());
    return out;
}

// Seen from e, a face is a back face when e lies on the inner side of its
// plane.
bool facesAway(const UnitTriangle& t, const Vector& e)
{
    const Vector a{t[1].x - t[0].x, t[1].y - t[0].y, t[1].z - t[0].z};
    const Vector b{t[2].x - t[0].x, t[2].y - t[0].y, t[2].z - t[0].z};
    Vector n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    if (dot(n, point(t[0])) < 0.0) n = {-n.x, -n.y, -n.z};
    const Vector toEye{e.x - t[0].x, e.y - t[0].y, e.z - t[0].z};
    return dot(n, toEye) < 0.0;
}

// Inside the cylinder of 20 slices along `axis` from the centre, whose
// faces are cos 9° of its radius from the axis.
bool insideCylinder(const UnitVertex& v, const Vector& axis, double radius)
{
    const double along = dot(point(v), axis);
    const double fromAxis = std::sqrt(std::max(0.0, 1.0 - along * along));
    return along > 0.0 && fromAxis <= radius * std::cos(std::numbers::pi / 20);
}

class Randoms {
public:
    double next()
    {
        seed_ = seed_ * 1664525u + 1013904223u;
        return static_cast<double>(seed_ >> 8) / 16777216.0 * 2.0 - 1.0;
    }
    Vector unit()
    {
        for (;;) {
            const Vector v{next(), next(), next()};
            const double length = std::sqrt(dot(v, v));
            if (length > 0.1 && length <= 1.0) return {v.x / length, v.y / length, v.z / length};
        }
    }

private:
    std::uint32_t seed_ = 4242;
};

const SphereHalf kHalves[] = {SphereHalf::kUpper, SphereHalf::kLower};

TEST(CapFilter, TheWholeFilterKeepsEveryTriangle)
{
    for (const SphereHalf half : kHalves) {
        const auto& all = hemisphereTriangles(half);
        EXPECT_EQ(all.size(), 380u);  // a fan of 20 and 9 bands of 40
        EXPECT_EQ(filteredTriangles(all, {}).size(), all.size());
    }
}

// From eyes far and near, even inside the sphere, every face left out
// faces away.
TEST(CapFilter, FacingLeavesOutOnlyBackFaces)
{
    Randoms random;
    for (int i = 0; i < 400; ++i) {
        const Vector d = random.unit();
        const double distance = i % 4 == 0 ? 0.5 : 1.05 + 100.0 * std::abs(random.next());
        const Vector eye{d.x * distance, d.y * distance, d.z * distance};
        const CapFilter filter{CapFilterKind::kFacingEye, DirectionCells::cellOf(eye.x, eye.y, eye.z, 0)};
        for (const SphereHalf half : kHalves) {
            const auto& all = hemisphereTriangles(half);
            for (const UnitTriangle& t : leftOut(all, filteredTriangles(all, filter)))
                ASSERT_TRUE(facesAway(t, eye)) << i;
        }
    }
}

// Seen from far along +x, about half of either half faces away; seen from
// far below, the upper half shows at most its rim band.
TEST(CapFilter, FacingLeavesOutWhatPlainlyFacesAway)
{
    const CapFilter side{CapFilterKind::kFacingEye, DirectionCells::cellOf(1, 0, 0, 0)};
    const CapFilter below{CapFilterKind::kFacingEye, DirectionCells::cellOf(0, 0, -1, 0)};
    for (const SphereHalf half : kHalves) {
        const auto kept = filteredTriangles(hemisphereTriangles(half), side).size();
        EXPECT_LT(kept, 285u);
        EXPECT_GT(kept, 150u);
    }
    EXPECT_LE(filteredTriangles(hemisphereTriangles(SphereHalf::kUpper), below).size(), 40u);
}

TEST(CapFilter, JoinedLeavesOutOnlyWhatLiesInsideTheJoinedCylinder)
{
    Randoms random;
    const struct {
        CapFilterKind kind;
        double radius;
    } joins[] = {{CapFilterKind::kOutsideWideJoined, 1.0}, {CapFilterKind::kOutsideNarrowJoined, kNarrowJoinedRatio}};
    for (int i = 0; i < 400; ++i) {
        const Vector axis = random.unit();
        for (const auto& join : joins) {
            const CapFilter filter{join.kind, DirectionCells::cellOf(axis.x, axis.y, axis.z, 0)};
            for (const SphereHalf half : kHalves) {
                const auto& all = hemisphereTriangles(half);
                for (const UnitTriangle& t : leftOut(all, filteredTriangles(all, filter)))
                    for (const UnitVertex& v : t) ASSERT_TRUE(insideCylinder(v, axis, join.radius)) << i;
            }
        }
    }
}

// Joined straight on, the upper half's corners up to ring 7 (63° from the
// pole) lie within 74° of the axis, inside the cylinder, so the fan and the
// first six bands go; the rim band at the equator never does.
TEST(CapFilter, JoinedStraightOnLeavesOutAllButTheRim)
{
    const CapFilter straightOn{CapFilterKind::kOutsideWideJoined, DirectionCells::cellOf(0, 0, 1, 0)};
    const auto kept = filteredTriangles(hemisphereTriangles(SphereHalf::kUpper), straightOn).size();
    EXPECT_LE(kept, 380u - 260u);
    EXPECT_GE(kept, 40u);
}

}  // namespace
}  // namespace sprig
