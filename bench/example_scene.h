#pragma once
// A bundled example derived to a step and recorded as a 3D scene, fitted as
// the step driver fits it at the end of a drawing pass.

#include <string>

#include "core/turtle/scene_record.h"
#include "settings/settings.h"
#include "views/scene_view.h"

namespace sprig {

struct ExampleScene {
    SceneRecord scene;
    SceneView view;
    Settings settings;
};

// Derives examples/NAME.ls (with its options file) to `step` in a fresh
// folder that is removed afterwards, and records and fits the scene of that
// step; false when any stage fails.
bool recordExampleScene(const std::string& name, int step, ExampleScene& example);

}  // namespace sprig
