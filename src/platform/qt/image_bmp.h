#pragma once
// Writes a QImage as a 24-bit .bmp file, whole or not at all (see writeBmp).

#include <string>

#include "platform/result.h"

class QImage;

namespace sprig {

// kIoError when the image is empty or the file cannot be written.
Result writeImageBmp(const std::string& path, const QImage& image);

}  // namespace sprig
