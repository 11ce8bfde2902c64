#pragma once
// Which triangles of a hemisphere cap need drawing. A cap seen from an eye
// in a known cell of directions can leave out the faces that surely face
// away, which culling would discard anyway. A cap at a joint can leave out
// the faces that lie wholly inside the straight cylinder joined on there,
// whose own surfaces hide them from every side.

#include <vector>

#include "views/sphere_halves.h"

namespace sprig {

enum class CapFilterKind {
    kWhole,
    kFacingEye,           // cell: the eye's direction from the cap's centre
    kOutsideWideJoined,   // cell: the joined cylinder's direction; its radius is at least the cap's
    kOutsideNarrowJoined, // the same, with a radius at least kNarrowJoinedRatio of the cap's
};

inline constexpr int kCapFilterKinds = 4;
inline constexpr float kNarrowJoinedRatio = 0.97f;

struct CapFilter {
    CapFilterKind kind = CapFilterKind::kWhole;
    int cell = 0;
};

// The triangles the filter keeps, in their order.
std::vector<UnitTriangle> filteredTriangles(const std::vector<UnitTriangle>& triangles, const CapFilter& filter);

}  // namespace sprig
