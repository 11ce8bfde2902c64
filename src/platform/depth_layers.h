#pragma once
// Pictures of one view drawn in layers, each by its own GL context with its
// own depth buffer, joined into one: every pixel is taken from the layer
// that is nearest there. On equal depth the earlier layer wins, as a depth
// test that passes only nearer fragments keeps what was drawn first, so
// layers drawn from consecutive parts of one drawing give exactly the
// picture that drawing gives in one context.

#include <cstdint>
#include <span>

#include "platform/rgb_image.h"

namespace sprig {

struct DepthLayer {
    const std::uint8_t* rgba = nullptr;     // width * height RGBA pixels, bottom row first
    const std::uint32_t* depth = nullptr;   // a depth per pixel, the same order; may be absent for a single layer
};

RgbImage nearestPixels(std::span<const DepthLayer> layers, int width, int height);

}  // namespace sprig
