#pragma once
// The sphere that gluSphere draws with radius 1, 20 slices, 20 stacks and
// outward normals, as bands of triangles that can be drawn apart: the same
// vertices, computed the same way in single precision, sent in the same
// fans and strips. A test compares it with this machine's gluSphere.

namespace sprig {

inline constexpr int kSphereStacks = 20;

// Sends stacks first to end - 1 (stack 0 is the fan round the +z pole), each
// vertex with its normal; first 0 and end 20 send the whole sphere in
// gluSphere's order.
void drawSphereBands(int first, int end);

}  // namespace sprig
