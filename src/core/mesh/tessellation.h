#pragma once
// How finely the 3D view cuts every segment's surfaces into faces, as GLU's
// quadrics take it: the view draws with these and the mesh exports follow
// the same cuts.

namespace sprig {

inline constexpr int kSlices = 20;         // round the axis: cylinders, spheres, disks
inline constexpr int kSphereStacks = 20;   // from pole to pole
inline constexpr int kCylinderStacks = 2;  // along the axis
inline constexpr int kDiskLoops = 2;       // from the centre to the rim

}  // namespace sprig
