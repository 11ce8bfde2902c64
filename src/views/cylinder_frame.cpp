#include "views/cylinder_frame.h"

#include <cmath>
#include <numbers>

namespace sprig {

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

double radians(float degrees)
{
    return static_cast<double>(degrees) * kRadians;
}

}  // namespace

// The view is translate(0, 0, -distance), then turns of -elevation about x
// and azimuth about z, then the translation to the centre. Undone in reverse
// order, the eye is the centre plus the distance turned back.
Vector3d eyePosition(const CameraState& camera)
{
    const double elevation = radians(camera.elevation);
    const double azimuth = radians(camera.azimuth);
    const double d = camera.distance;
    return {static_cast<double>(camera.translationX) - d * std::sin(elevation) * std::sin(azimuth),
            static_cast<double>(camera.translationY) - d * std::sin(elevation) * std::cos(azimuth),
            static_cast<double>(camera.translationZ) + d * std::cos(elevation)};
}

// +z tilted about y, then turned about z.
Vector3d cylinderAxis(const CylinderRecord& cylinder)
{
    const double turn = radians(cylinder.turn);
    const double tilt = radians(cylinder.tilt);
    return {std::sin(tilt) * std::cos(turn), std::sin(tilt) * std::sin(turn), std::cos(tilt)};
}

// The turn about z undone, then the tilt about y.
Vector3d intoCylinderFrame(const Vector3d& v, const CylinderRecord& cylinder)
{
    const double turn = radians(cylinder.turn);
    const double tilt = radians(cylinder.tilt);
    const double x = v.x * std::cos(turn) + v.y * std::sin(turn);
    const double y = -v.x * std::sin(turn) + v.y * std::cos(turn);
    return {x * std::cos(tilt) - v.z * std::sin(tilt), y, x * std::sin(tilt) + v.z * std::cos(tilt)};
}

Vector3d eyeInCylinderFrame(const Vector3d& eye, const CylinderRecord& cylinder)
{
    const Vector3d offset{eye.x - static_cast<double>(cylinder.startX), eye.y - static_cast<double>(cylinder.startY),
                         eye.z - static_cast<double>(cylinder.startZ)};
    return intoCylinderFrame(offset, cylinder);
}

}  // namespace sprig
