#pragma once
// Directions from a cap's centre, in the cap's own frame, sorted into cells
// of 10 by 10 degrees of polar angle (from +z) and azimuth (from +x towards
// +y). Each cell lies within a cone round its middle direction, which lets
// a whole cell of directions be judged at once.

#include "views/vector3d.h"

namespace sprig {

// Every direction of a cell is within `radius` radians of `axis`.
struct DirectionCone {
    Vector3d axis;
    double radius = 0.0;
};

class DirectionCells {
public:
    static constexpr int kPolarBins = 18;
    static constexpr int kAzimuthBins = 36;
    static constexpr int kCount = kPolarBins * kAzimuthBins;
    // Not a cell: the direction is not known well enough.
    static constexpr int kUnknown = -1;

    // The cell of the direction of (x, y, z). When that vector is shorter
    // than a thousandth of `scale`, the size of the coordinates it was worked
    // out from, rounding may have turned it, and the answer is kUnknown.
    static int cellOf(double x, double y, double z, double scale);

    static DirectionCone cone(int cell);
};

double angleBetween(const Vector3d& a, const Vector3d& b);

}  // namespace sprig
