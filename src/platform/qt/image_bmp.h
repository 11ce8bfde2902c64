#pragma once
// Writes a QImage as a 24-bit .bmp file, whole or not at all (see writeBmp).

#include <string>

class QImage;

namespace sprig {

// False when the image is empty or the file cannot be written.
bool writeImageBmp(const std::string& path, const QImage& image);

}  // namespace sprig
