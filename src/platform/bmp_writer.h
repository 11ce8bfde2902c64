#pragma once
// Writes a picture as an uncompressed 24-bit Windows bitmap (.bmp): rows
// stored bottom-up, each padded to a multiple of four bytes, pixels as B, G, R.

#include <string>

#include "platform/result.h"
#include "platform/rgb_image.h"

namespace sprig {

// Writes the file whole or not at all (see OutFile); kIoError when the size
// is not positive or too large, or the file cannot be written.
Result writeBmp(const std::string& path, const RgbRows& picture);

}  // namespace sprig
