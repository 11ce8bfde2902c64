#include "views/cylinder_table.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "views/cylinder_frame.h"
#include "views/direction_cells.h"

namespace sprig {

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

double turnAngle(double dx, double dy)
{
    if (dx > 0.0 && dy >= 0.0) return std::atan(dy / dx) * kDegrees;
    if (dx > 0.0 && dy <= 0.0) return -std::atan(-dy / dx) * kDegrees;
    if (dx < 0.0 && dy >= 0.0) return 180.0 - std::atan(-dy / dx) * kDegrees;
    if (dx < 0.0 && dy <= 0.0) return 180.0 + std::atan(dy / dx) * kDegrees;
    if (dy > 0.0) return 90.0;
    if (dy < 0.0) return -90.0;
    return 0.0;
}

double tiltAngle(double h, double dz)
{
    if (dz > 0.0) return std::atan(h / dz) * kDegrees;
    if (dz < 0.0) return 180.0 - std::atan(-h / dz) * kDegrees;
    return 90.0;
}

CylinderRecord makeRecord(const SceneElement& e, bool segmentActiveWidth)
{
    const double dx = static_cast<double>(e.end.x) - static_cast<double>(e.start.x);
    const double dy = static_cast<double>(e.end.y) - static_cast<double>(e.start.y);
    const double dz = static_cast<double>(e.end.z) - static_cast<double>(e.start.z);
    const CylinderAngles angles = cylinderAngles(dx, dy, dz);
    const float baseRadius = e.startWidth * 0.5f;
    const bool endWidthSet = segmentActiveWidth && e.endWidth >= 0.0f;
    return {e.start.x,
            e.start.y,
            e.start.z,
            static_cast<float>(angles.turn),
            static_cast<float>(angles.tilt),
            baseRadius,
            static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz)),
            endWidthSet ? e.endWidth * 0.5f : baseRadius};
}

// Spheres and cylinders are drawn as polygons through points of the true
// surface (20 slices, 20 stacks), whose faces come as near the centre or
// axis as 0.985 of the radius. A sphere turned any way lies inside them when
// its radius is at most 0.98 of theirs.
constexpr float kInsideRatio = 0.98f;

bool straight(const CylinderRecord& c)
{
    return c.baseRadius == c.topRadius;
}

// Turned the same way, c's start sphere is a scaled copy of the previous end
// sphere, and its vertices lie on the edges of the previous wall or within.
// Where both are as large they coincide and the depth test keeps either, so
// then their colours must be the same.
bool fitsInside(const CylinderRecord& previous, const CylinderRecord& c, bool sameColour)
{
    if (c.baseRadius <= kInsideRatio * previous.topRadius) return true;
    const bool aligned = c.turn == previous.turn && c.tilt == previous.tilt;
    return aligned && (c.baseRadius < previous.topRadius || (c.baseRadius == previous.topRadius && sameColour));
}

// The previous cylinder ends where c starts, both are straight and the
// previous one is at least as long as its radius, so its wall and its end
// sphere enclose every point within that radius of its end.
bool startInside(const CylinderRecord& previous, const Vec3& previousEnd, const CylinderRecord& c, const Vec3& start,
                 bool sameColour)
{
    return previousEnd == start && straight(previous) && straight(c) && previous.length >= previous.topRadius &&
           fitsInside(previous, c, sameColour);
}

// Rounding moves where the GL draws a cylinder's end by about 1e-7 of its
// coordinates; a cap's joined filter leaves room for 1 % of its radius.
constexpr double kJoinedRounding = 1e-4;

double magnitude(const CylinderRecord& c)
{
    return std::abs(static_cast<double>(c.startX)) + std::abs(static_cast<double>(c.startY)) +
           std::abs(static_cast<double>(c.startZ)) + static_cast<double>(c.length);
}

CapFilterKind joinedKind(float capRadius, const CylinderRecord& joined)
{
    if (joined.baseRadius >= capRadius) return CapFilterKind::kOutsideWideJoined;
    if (joined.baseRadius >= kNarrowJoinedRatio * capRadius) return CapFilterKind::kOutsideNarrowJoined;
    return CapFilterKind::kWhole;
}

// The filter for a cap of `cap`, of the given radius, whose centre is where
// the straight cylinder `joined` starts or ends, running away from the cap
// along the world direction `away`.
CapFilter joinedFilter(const CylinderRecord& cap, float capRadius, const CylinderRecord& joined, const Vector3d& away)
{
    if (!(capRadius > 0.0f) || joined.length < capRadius ||
        static_cast<double>(capRadius) < kJoinedRounding * std::max(magnitude(cap), magnitude(joined)))
        return {};
    const CapFilterKind kind = joinedKind(capRadius, joined);
    const Vector3d d = intoCylinderFrame(away, cap);
    const int cell = DirectionCells::cellOf(d.x, d.y, d.z, 0.0);
    if (kind == CapFilterKind::kWhole || cell == DirectionCells::kUnknown) return {};
    return {kind, cell};
}

}  // namespace

CylinderAngles cylinderAngles(double dx, double dy, double dz)
{
    return {turnAngle(dx, dy), tiltAngle(std::sqrt(dx * dx + dy * dy), dz)};
}

CylinderTable::CylinderTable()
    : records_(std::make_unique<CylinderRecord[]>(kCapacity)),
      ends_(std::make_unique<Vec3[]>(kCapacity)),
      colours_(std::make_unique<std::uint32_t[]>(kCapacity)),
      startInside_(std::make_unique<bool[]>(kCapacity)),
      startJoined_(std::make_unique<CapFilter[]>(kCapacity)),
      endJoined_(std::make_unique<CapFilter[]>(kCapacity))
{
}

void CylinderTable::build(const SceneRecord& scene, bool segmentActiveWidth)
{
    count_ = 0;
    Vec3 previousEnd;
    for (int i = 0; i < scene.elementCount(); ++i) {
        const SceneElement& e = scene.element(i);
        if (e.polygonNumber != 0) continue;
        const auto at = static_cast<std::size_t>(count_);
        records_[at] = makeRecord(e, segmentActiveWidth);
        ends_[at] = e.end;
        colours_[at] = e.colour;
        startInside_[at] = count_ > 0 && startInside(records_[at - 1], previousEnd, records_[at], e.start,
                                                      colours_[at - 1] == e.colour);
        startJoined_[at] = {};
        endJoined_[at] = {};
        if (count_ > 0 && previousEnd == e.start) joinCaps(at - 1, at);
        previousEnd = e.end;
        ++count_;
    }
}

// The end cap of `before` and the start cap of `after`, which meet where
// one cylinder ends and the other starts.
void CylinderTable::joinCaps(std::size_t before, std::size_t after)
{
    const CylinderRecord& first = records_[before];
    const CylinderRecord& second = records_[after];
    if (!straight(first) || !straight(second)) return;
    const Vector3d ahead = cylinderAxis(second);
    const Vector3d back = cylinderAxis(first);
    endJoined_[before] = joinedFilter(first, first.topRadius, second, ahead);
    startJoined_[after] = joinedFilter(second, second.baseRadius, first, {-back.x, -back.y, -back.z});
}

}  // namespace sprig
