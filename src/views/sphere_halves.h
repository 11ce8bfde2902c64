#pragma once
// The two halves of the sphere that gluSphere draws with radius 1, 20 slices,
// 20 stacks and outward normals, as separate triangle lists: the same
// vertices, computed the same way in single precision, and the same
// triangles in the same order as the GL splits GLU's strips and fans into.

#include <array>
#include <vector>

namespace sprig {

// A vertex of the unit sphere, which is also its normal.
struct UnitVertex {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

using UnitTriangle = std::array<UnitVertex, 3>;

enum class SphereHalf {
    kUpper,  // z >= 0: the fan round the +z pole and the stacks down to the equator
    kLower,  // z <= 0: the stacks from the equator down and the fan round the -z pole
};

const std::vector<UnitTriangle>& hemisphereTriangles(SphereHalf half);

// Sends the triangles, each vertex with its normal, then leaves current the
// last normal that gluSphere sends, whichever triangles were sent.
void drawUnitTriangles(const std::vector<UnitTriangle>& triangles);

}  // namespace sprig
