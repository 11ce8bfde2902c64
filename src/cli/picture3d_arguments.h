#pragma once
// The batch command's options for 3D pictures.

#include <optional>
#include <string>

namespace sprig {

// The 3D window's size at start-up: the size of 3D pictures unless --size
// gives one.
inline constexpr int kPicture3dWidth = 435;
inline constexpr int kPicture3dHeight = 300;

// Camera values that replace the start-up angles and the fitted distance.
struct Picture3dCamera {
    std::optional<float> azimuth;
    std::optional<float> elevation;
    std::optional<double> distance;
};

// Reads --azimuth, --elevation or --distance at argv[i] with its value,
// which moves i on. False when argv[i] is none of them; error is set for a
// value that is no finite float, or a distance that is not positive.
bool readPicture3dOption(int argc, char** argv, int& i, Picture3dCamera& out, std::optional<std::string>& error);

extern const char* const kPicture3dUsage;

}  // namespace sprig
