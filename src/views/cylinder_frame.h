#pragma once
// The frame each cylinder is drawn in (its start at the origin, its axis
// along +z) and where the camera's eye stands, worked out in double
// precision from the same angles the GL turns by.

#include "views/camera_state.h"
#include "views/cylinder_table.h"

namespace sprig {

struct Point3d {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The point the view transform maps to the eye, the origin of eye space.
Point3d eyePosition(const CameraState& camera);

// The cylinder's axis as a unit vector in the world.
Point3d cylinderAxis(const CylinderRecord& cylinder);

// A world vector turned into the cylinder's frame.
Point3d intoCylinderFrame(const Point3d& v, const CylinderRecord& cylinder);

// The eye as seen from the cylinder's start, in the cylinder's frame.
Point3d eyeInCylinderFrame(const Point3d& eye, const CylinderRecord& cylinder);

}  // namespace sprig
