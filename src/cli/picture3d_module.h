#pragma once
// The 3D picture writer lives in a module of its own, loaded only when a 3D
// picture is written: the off-screen OpenGL libraries it needs would
// otherwise add tens of megabytes to every run of the batch command.

#include <string>

#include "cli/batch_picture3d.h"

namespace sprig {

// Loads the module beside the batch command and writes the picture; the
// codes of writePicture3d, and kGraphicsError when the module cannot be
// loaded.
[[nodiscard]] int writePicture3dThroughModule(const std::string& path, const Picture3dRequest& request);

}  // namespace sprig
