#pragma once
// Puts the camera in place for a newly recorded scene.

#include "core/turtle/scene_record.h"
#include "settings/settings.h"
#include "views/camera_state.h"
#include "views/scene_view.h"

namespace sprig {

// Translation, ground size and (unless fixed) distance from the box around
// the origin and every element's start point; the angles stay as they are.
void fitCamera(CameraState& camera, const SceneRecord& scene, const Settings& settings);

// At the end of a 3D drawing pass: fits the camera, builds the cylinder table
// and marks the scene ready. The caller then asks the 3D window to repaint.
void fitView(SceneView& view, const SceneRecord& scene, const Settings& settings);

}  // namespace sprig
