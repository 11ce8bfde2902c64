#pragma once
// The 2D measuring pass: moves the turtle through the string without
// drawing and finds the extent of the picture.

#include <string>

#include "core/turtle/picture_fit.h"
#include "core/turtle/symbol_stream.h"
#include "core/turtle/turtle_options.h"

namespace sprig {

// Returns kDone, kOutOfMemory, kIoError or kStopped; box holds the extent of what was read.
Result measurePicture(const std::string& fileName, const TurtleOptions& options, const Job& job, PassProgress& progress,
                      PictureBox& box);

}  // namespace sprig
