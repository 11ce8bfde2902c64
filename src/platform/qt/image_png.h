#pragma once
// Writes pictures as PNG files through QImageWriter, whole or not at all
// (see OutFile): the encoder streams into the file as it compresses.

#include <string>

#include "platform/rgb_image.h"

class QImage;

namespace sprig {

// False, with the file failure noted, when the image is empty or the file
// cannot be written.
bool writeImagePng(const std::string& path, const QImage& image);
bool writeRowsPng(const std::string& path, const RgbRows& picture);

}  // namespace sprig
