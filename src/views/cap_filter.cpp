#include "views/cap_filter.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

#include "views/direction_cells.h"

namespace sprig {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// Room for the snapping of window coordinates, which may turn a nearly
// edge-on face round, and for rounding in the GL's transforms.
constexpr double kFacingMargin = 3.0 * kDegree;
constexpr double kJoinedMargin = 0.5 * kDegree;
// A cylinder of 20 slices has its faces at cos 9° = 0.98769 of its radius
// from the axis; a little less leaves room for rounding.
constexpr double kFaceDistance = 0.985;

Vector3d asDirection(const UnitVertex& v)
{
    return {v.x, v.y, v.z};
}

Vector3d outwardNormal(const UnitTriangle& t)
{
    const double ax = t[1].x - t[0].x, ay = t[1].y - t[0].y, az = t[1].z - t[0].z;
    const double bx = t[2].x - t[0].x, by = t[2].y - t[0].y, bz = t[2].z - t[0].z;
    const Vector3d n{ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx};
    const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    const double outward = n.x * t[0].x + n.y * t[0].y + n.z * t[0].z < 0.0 ? -length : length;
    return {n.x / outward, n.y / outward, n.z / outward};
}

// For an eye at offset e from the centre, a face with outward normal n and
// plane n . x = h (h > 0, as the centre is inside) faces away when n . e < h,
// which holds whenever n turns more than a right angle from e.
bool mayFaceEye(const UnitTriangle& t, const DirectionCone& eye)
{
    return angleBetween(outwardNormal(t), eye.axis) <= std::numbers::pi / 2 + eye.radius + kFacingMargin;
}

// A point of the cap at angle a from the joined cylinder's axis lies inside
// that cylinder when the axis passes through the cap's centre, the cylinder
// is at least as long as the cap's radius, a is under a right angle and
// sin a is at most the cylinder's face distance over the cap's radius. The
// cylinder is convex, so a triangle is inside when its corners are.
bool outsideJoined(const UnitTriangle& t, const DirectionCone& joined, double radiusRatio)
{
    const double limit = std::asin(kFaceDistance * radiusRatio) - joined.radius - kJoinedMargin;
    return std::any_of(t.begin(), t.end(),
                       [&](const UnitVertex& v) { return angleBetween(asDirection(v), joined.axis) > limit; });
}

bool keeps(const UnitTriangle& t, const CapFilter& filter, const DirectionCone& cone)
{
    switch (filter.kind) {
    case CapFilterKind::kFacingEye:
        return mayFaceEye(t, cone);
    case CapFilterKind::kOutsideWideJoined:
        return outsideJoined(t, cone, 1.0);
    case CapFilterKind::kOutsideNarrowJoined:
        return outsideJoined(t, cone, kNarrowJoinedRatio);
    case CapFilterKind::kWhole:
        break;
    }
    return true;
}

}  // namespace

std::vector<UnitTriangle> filteredTriangles(const std::vector<UnitTriangle>& triangles, const CapFilter& filter)
{
    if (filter.kind == CapFilterKind::kWhole) return triangles;
    const DirectionCone cone = DirectionCells::cone(filter.cell);
    std::vector<UnitTriangle> kept;
    std::copy_if(triangles.begin(), triangles.end(), std::back_inserter(kept),
                 [&](const UnitTriangle& t) { return keeps(t, filter, cone); });
    return kept;
}

}  // namespace sprig
