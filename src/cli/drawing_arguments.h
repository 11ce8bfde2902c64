#pragma once
// The batch command's drawing options.

#include <optional>
#include <string>
#include <vector>

#include "cli/picture3d_arguments.h"
#include "platform/picture_format.h"

namespace sprig {

struct DrawingArguments {
    // --mode LSR&D: interpret every derived step.
    bool drawSteps = false;
    // --draw FILE.str: interpret a saved string, as run mode LSDr does.
    std::string stringPath;
    // --options FILE.op: options lines for --draw.
    std::string optionsPath;
    // --size WxH: the bitmap of 2D pictures; also the size of 3D pictures,
    // which are kPicture3dWidth x kPicture3dHeight unless it is given.
    int width = 1600;
    int height = 1200;
    bool sizeGiven = false;
    // --export FILE.EXT, in the order given: more files of the last picture,
    // the format told by the extension.
    std::vector<std::string> exports;
    // --frames EXT: the picture of every step, not only the last, as
    // <base>_NNN.EXT (bmp or png).
    std::optional<PictureFormat> frames;
    // --azimuth, --elevation, --distance: the camera of 3D pictures.
    Picture3dCamera camera;
};

struct DrawingOption {
    bool matched = false;  // argv[i] is a drawing option
    std::optional<std::string> error;
};

// Reads the drawing option at argv[i], if it is one, and its value, which
// moves i on.
DrawingOption readDrawingOption(int argc, char** argv, int& i, DrawingArguments& out);

// Where --draw writes its picture: FILE.bmp beside FILE.str.
std::string savedStringPicturePath(const DrawingArguments& arguments);

// An error when the picture of --draw or an export would be written over a
// file the command reads (the string or the options), else nothing.
std::optional<std::string> checkSavedStringPicture(const DrawingArguments& arguments);

extern const char* const kDrawingUsage;

}  // namespace sprig
