#pragma once
// The scene record drawn as it stands: a line along every segment and one
// filled polygon per run of edges with the same polygon number.

#include "core/turtle/scene_record.h"
#include "views/frame_pacing.h"

namespace sprig {

// False when stopped; a polygon cut short by the stop is closed.
bool drawElements(const SceneRecord& scene, FramePacing& pacing);

}  // namespace sprig
