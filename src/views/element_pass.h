#pragma once
// The scene record drawn as it stands: a line along every segment and one
// filled polygon per run of edges with the same polygon number.

#include "core/turtle/scene_record.h"

namespace sprig {

void drawElements(const SceneRecord& scene);

}  // namespace sprig
