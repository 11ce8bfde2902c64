#pragma once
// Exports that read a step's string file again and write the drawing as
// they interpret it, in flat memory: SVG of a 2D drawing, OBJ and PLY of a
// 3D scene. Each file is written whole or not at all; a stopped or failed
// export leaves nothing behind. The batch command and the desktop program
// both reach them through StepDriver::exportShownString.

#include <cstdint>
#include <string>

#include "platform/picture_format.h"
#include "platform/result.h"

namespace sprig {

class Job;
struct Settings;

struct StringExport {
    std::string path;  // the file written
    std::string stringFile;
    // Set for a homomorphism file made for this export: deleted at the end.
    bool isTemporary = false;
    std::int64_t symbolCount = 0;
    Settings& settings;
    Job& job;
    // 2D: the area the drawing is fitted into, as the bitmap of the same
    // drawing is, and its colours (0x00BBGGRR).
    int areaWidth = 0;
    int areaHeight = 0;
    std::uint32_t penColour = 0;
    std::uint32_t backgroundColour = 0;
};

// Writes the export of the format asked for. Returns kDone, kStopped, or
// the drawing result of the failure (kIoError for an unreadable string,
// kOutOfMemory, kGraphicsError for a file that cannot be written or a
// format this drawing dimension has no export of), with the file failure
// that explains it.
Result exportString(PictureFormat format, const StringExport& request);

// The writers behind exportString, one per format.
Result writeSvgExport(const StringExport& request);
// OBJ (with its .mtl) and PLY of the 3D scene.
Result writeSceneExport(PictureFormat format, const StringExport& request);

}  // namespace sprig
