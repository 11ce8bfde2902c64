#pragma once
// The batch command's 2D bitmap over a QImage, made and written by a module
// of its own: the Qt libraries behind it are loaded only by a run that
// draws in 2D, not at the start of every run.

#include "platform/canvas.h"
#include "platform/picture_format.h"
#include "platform/result.h"
#include "platform/rgb_image.h"

namespace sprig {

// What the module offers, found under the name "sprigPicture2d".
struct Picture2dModule {
    // A bitmap of the given size; null when there is no memory for it.
    Canvas* (*create)(int width, int height);
    // Writes the bitmap as a .bmp or .png file; false, with the reason in
    // failure, when it cannot be written.
    bool (*save)(const Canvas& canvas, const char* path, PictureFormat format, FileFailure& failure);
    // Writes a picture drawn elsewhere (the 3D one) as a .png file.
    bool (*savePng)(const RgbRows& picture, const char* path, FileFailure& failure);
    void (*destroy)(Canvas* canvas);
};

}  // namespace sprig
