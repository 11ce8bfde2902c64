#pragma once
// The frame each cylinder is drawn in (its start at the origin, its axis
// along +z) and where the camera's eye stands, worked out in double
// precision from the same angles the GL turns by.

#include "views/camera_state.h"
#include "views/cylinder_table.h"
#include "views/vector3d.h"

namespace sprig {

// The point the view transform maps to the eye, the origin of eye space.
Vector3d eyePosition(const CameraState& camera);

// The cylinder's axis as a unit vector in the world.
Vector3d cylinderAxis(const CylinderRecord& cylinder);

// A world vector turned into the cylinder's frame.
Vector3d intoCylinderFrame(const Vector3d& v, const CylinderRecord& cylinder);

// The eye as seen from the cylinder's start, in the cylinder's frame.
Vector3d eyeInCylinderFrame(const Vector3d& eye, const CylinderRecord& cylinder);

}  // namespace sprig
