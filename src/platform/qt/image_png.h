#pragma once
// Writes pictures as PNG files through QImageWriter, whole or not at all
// (see OutFile): the encoder streams into the file as it compresses.

#include <string>

#include "platform/result.h"
#include "platform/rgb_image.h"

class QImage;

namespace sprig {

// kIoError, with the file failure when there is one, when the image is
// empty or the file cannot be written.
Result writeImagePng(const std::string& path, const QImage& image);
Result writeRowsPng(const std::string& path, const RgbRows& picture);

}  // namespace sprig
