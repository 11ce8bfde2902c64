#include "cli/picture3d_arguments.h"

#include <string_view>

#include "platform/fixed_format.h"

namespace sprig {

const char* const kPicture3dUsage = "\n"
                                    "3D pictures (draw_dimensions 3): the camera is fitted to the scene as after\n"
                                    "a step, then\n"
                                    "  --azimuth A      turn about the z axis, degrees (default -90)\n"
                                    "  --elevation E    tilt, degrees (default 90: level, from the side)\n"
                                    "  --distance D     distance instead of the fitted one\n";

namespace {

// A number that stays finite as the float the camera holds.
bool parseReal(const char* text, double& value)
{
    float read = 0.0f;
    if (!readNumber(text, read)) return false;
    value = read;
    return true;
}

}  // namespace

bool readPicture3dOption(int argc, char** argv, int& i, Picture3dCamera& out, std::optional<std::string>& error)
{
    const std::string_view option = argv[i];
    if (option != "--azimuth" && option != "--elevation" && option != "--distance") return false;
    double value = 0.0;
    const bool distance = option == "--distance";
    if (i + 1 >= argc || !parseReal(argv[++i], value) || (distance && value <= 0.0)) {
        error = std::string(option) + (distance ? " needs a positive number" : " needs a number");
        return true;
    }
    if (option == "--azimuth") out.azimuth = static_cast<float>(value);
    else if (option == "--elevation") out.elevation = static_cast<float>(value);
    else out.distance = value;
    return true;
}

}  // namespace sprig
