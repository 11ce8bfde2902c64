#pragma once
// The batch command's 3D picture: the scene of the last step, fitted as the
// step driver fits it, drawn off-screen and written as a .bmp file.

#include <cstdint>
#include <string>

#include "cli/picture3d_arguments.h"
#include "core/turtle/scene_record.h"
#include "platform/result.h"
#include "platform/rgb_image.h"
#include "settings/settings.h"

namespace sprig {

class Job;

struct Picture3dRequest {
    const SceneRecord& scene;
    const Settings& settings;
    int width = kPicture3dWidth;
    int height = kPicture3dHeight;
    Picture3dCamera camera;
    std::uint32_t background = 0;  // 0x00BBGGRR
    const Job* job = nullptr;      // polled for a stop request while drawing
    // Set to the file failure that made the write fail, which the code the
    // module's entry returns cannot carry.
    FileFailure* failure = nullptr;
    // When given, the picture is drawn into it and no file is written.
    RgbImage* picture = nullptr;
};

// Renders the scene off-screen and writes the picture. Returns kDone,
// kStopped (nothing written), kOutOfMemory when the buffers of that size
// cannot be allocated, or kGraphicsError when no off-screen context can be
// made or the file cannot be written.
Result writePicture3d(const std::string& path, const Picture3dRequest& request);

}  // namespace sprig
