#include "views/cylinder_table.h"

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

}  // namespace

CylinderAngles cylinderAngles(double dx, double dy, double dz)
{
    return {turnAngle(dx, dy), tiltAngle(std::sqrt(dx * dx + dy * dy), dz)};
}

CylinderTable::CylinderTable()
    : records_(std::make_unique<CylinderRecord[]>(kCapacity)), colours_(std::make_unique<std::uint32_t[]>(kCapacity))
{
}

void CylinderTable::build(const SceneRecord& scene, bool segmentActiveWidth)
{
    count_ = 0;
    for (int i = 0; i < scene.elementCount(); ++i) {
        const SceneElement& e = scene.element(i);
        if (e.polygonNumber != 0) continue;
        records_[static_cast<std::size_t>(count_)] = makeRecord(e, segmentActiveWidth);
        colours_[static_cast<std::size_t>(count_)] = e.colour;
        ++count_;
    }
}

}  // namespace sprig
