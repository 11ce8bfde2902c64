#pragma once
// The two halves of the sphere that gluSphere draws with radius 1, 20 slices,
// 20 stacks and outward normals, as separate triangle lists: the same
// vertices, computed the same way in single precision, and the same
// triangles in the same order as the GL splits GLU's strips and fans into.
// Both leave current the last normal that gluSphere sends.

namespace sprig {

// The half with z >= 0: the fan round the +z pole and the stacks down to
// the equator.
void drawUpperUnitHemisphere();
// The half with z <= 0: the stacks from the equator down and the fan round
// the -z pole.
void drawLowerUnitHemisphere();

}  // namespace sprig
