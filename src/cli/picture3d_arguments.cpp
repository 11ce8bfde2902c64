#include "cli/picture3d_arguments.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace sprig {

const char* const kPicture3dUsage =
    "\n"
    "3D pictures (draw_dimensions 3): the camera is fitted to the scene as after\n"
    "a step, then\n"
    "  --azimuth A      turn about the z axis, degrees (default -90)\n"
    "  --elevation E    tilt, degrees (default 90: level, from the side)\n"
    "  --distance D     distance instead of the fitted one\n";

namespace {

bool parseReal(const char* text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(value);
}

}  // namespace

bool readPicture3dOption(int argc, char** argv, int& i, Picture3dCamera& out, std::optional<std::string>& error)
{
    const std::string_view option = argv[i];
    if (option != "--azimuth" && option != "--elevation" && option != "--distance") return false;
    double value = 0.0;
    if (i + 1 >= argc || !parseReal(argv[++i], value)) {
        error = std::string(option) + " needs a number";
        return true;
    }
    if (option == "--azimuth") out.azimuth = static_cast<float>(value);
    else if (option == "--elevation") out.elevation = static_cast<float>(value);
    else out.distance = value;
    return true;
}

}  // namespace sprig
