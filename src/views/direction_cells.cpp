#include "views/direction_cells.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sprig {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kPolarStep = kPi / DirectionCells::kPolarBins;
constexpr double kAzimuthStep = 2.0 * kPi / DirectionCells::kAzimuthBins;
constexpr int kEdgeSamples = 64;

Vector3d direction(double polar, double azimuth)
{
    return {std::sin(polar) * std::cos(azimuth), std::sin(polar) * std::sin(azimuth), std::cos(polar)};
}

}  // namespace

double angleBetween(const Vector3d& a, const Vector3d& b)
{
    return std::acos(std::clamp(a.x * b.x + a.y * b.y + a.z * b.z, -1.0, 1.0));
}

int DirectionCells::cellOf(double x, double y, double z, double scale)
{
    const double length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 0.0 && length >= 1e-3 * scale)) return kUnknown;
    const double polar = std::acos(std::clamp(z / length, -1.0, 1.0));
    double azimuth = std::atan2(y, x);
    if (azimuth < 0.0) azimuth += 2.0 * kPi;
    const int polarBin = std::min(static_cast<int>(polar / kPolarStep), kPolarBins - 1);
    const int azimuthBin = std::min(static_cast<int>(azimuth / kAzimuthStep), kAzimuthBins - 1);
    return polarBin * kAzimuthBins + azimuthBin;
}

// The middle direction, and the largest angle from it to the cell's boundary
// sampled along all four edges; between two samples the boundary strays
// from them by less than a step.
DirectionCone DirectionCells::cone(int cell)
{
    const double polar0 = (cell / kAzimuthBins) * kPolarStep;
    const double azimuth0 = (cell % kAzimuthBins) * kAzimuthStep;
    DirectionCone cone{direction(polar0 + kPolarStep / 2, azimuth0 + kAzimuthStep / 2), 0.0};
    for (int k = 0; k <= kEdgeSamples; ++k) {
        const double t = static_cast<double>(k) / kEdgeSamples;
        const Vector3d edges[] = {direction(polar0 + t * kPolarStep, azimuth0),
                                   direction(polar0 + t * kPolarStep, azimuth0 + kAzimuthStep),
                                   direction(polar0, azimuth0 + t * kAzimuthStep),
                                   direction(polar0 + kPolarStep, azimuth0 + t * kAzimuthStep)};
        for (const Vector3d& d : edges) cone.radius = std::max(cone.radius, angleBetween(cone.axis, d));
    }
    cone.radius += std::max(kPolarStep, kAzimuthStep) / kEdgeSamples;
    return cone;
}

}  // namespace sprig
