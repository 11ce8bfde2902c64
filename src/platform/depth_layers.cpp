#include "platform/depth_layers.h"

namespace sprig {

namespace {

std::size_t nearestLayer(std::span<const DepthLayer> layers, std::size_t pixel)
{
    std::size_t nearest = 0;
    for (std::size_t k = 1; k < layers.size(); ++k)
        if (layers[k].depth[pixel] < layers[nearest].depth[pixel]) nearest = k;
    return nearest;
}

}  // namespace

RgbImage nearestPixels(std::span<const DepthLayer> layers, int width, int height)
{
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    RgbImage image{width, height, std::vector<std::uint8_t>(w * h * 3)};
    for (std::size_t y = 0; y < h; ++y) {
        std::uint8_t* target = image.pixels.data() + y * w * 3;
        const std::size_t row = (h - 1 - y) * w;
        for (std::size_t x = 0; x < w; ++x) {
            const std::size_t pixel = row + x;
            const std::uint8_t* source = layers[nearestLayer(layers, pixel)].rgba + pixel * 4;
            target[x * 3] = source[0];
            target[x * 3 + 1] = source[1];
            target[x * 3 + 2] = source[2];
        }
    }
    return image;
}

}  // namespace sprig
