#pragma once
// What the 3D window shows: its camera, the cylinder table of the current
// scene and whether that scene is complete and fitted, so it may be drawn.

#include <atomic>

#include "core/mesh/cylinder_table.h"
#include "views/camera_state.h"

namespace sprig {

struct SceneView {
    CameraState camera;
    CylinderTable cylinders;
    // Cleared before a drawing pass writes the scene record; set by fitView
    // once the cylinder table is complete.
    std::atomic<bool> sceneReady{false};
};

}  // namespace sprig
