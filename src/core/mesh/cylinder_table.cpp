#include "core/mesh/cylinder_table.h"

#include <cmath>
#include <numbers>

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

// Spheres and cylinders are drawn as polygons through points of the true
// surface (20 slices, 20 stacks), whose faces come as near the centre or
// axis as 0.9847 of the radius (a wall's as 0.9877). A sphere turned any way
// lies inside them when its radius is at most 0.984 of theirs, which leaves
// room for the GL's single-precision rounding.
constexpr float kInsideRatio = 0.984f;

bool straight(const CylinderRecord& c) { return c.baseRadius == c.topRadius; }

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

}  // namespace

CylinderAngles cylinderAngles(double dx, double dy, double dz)
{
    return {turnAngle(dx, dy), tiltAngle(std::sqrt(dx * dx + dy * dy), dz)};
}

CylinderRecord cylinderRecord(const SceneElement& e, bool segmentActiveWidth)
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

CylinderTable::CylinderTable()
    : records_(std::make_unique<CylinderRecord[]>(kCapacity)), ends_(std::make_unique<Vec3[]>(kCapacity)),
      colours_(std::make_unique<std::uint32_t[]>(kCapacity)), startInside_(std::make_unique<bool[]>(kCapacity))
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
        records_[at] = cylinderRecord(e, segmentActiveWidth);
        ends_[at] = e.end;
        colours_[at] = e.colour;
        startInside_[at] = count_ > 0 && startInside(records_[at - 1], previousEnd, records_[at], e.start,
                                                     colours_[at - 1] == e.colour);
        previousEnd = e.end;
        ++count_;
    }
}

}  // namespace sprig
