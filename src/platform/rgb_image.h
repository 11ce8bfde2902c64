#pragma once
// A picture as rows of 8-bit R, G, B triples, top row first: what is read
// back from a GL surface and what the bitmap writer takes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sprig {

// A view of rows owned elsewhere (an image of ours, a QImage's bits).
struct RgbRows {
    const std::uint8_t* top = nullptr;  // first byte of the top row
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // bytes from the start of one row to the next
};

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3, tightly packed

    std::array<std::uint8_t, 3> at(int x, int y) const
    {
        const std::size_t i =
            (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
        return {pixels[i], pixels[i + 1], pixels[i + 2]};
    }
    RgbRows rows() const { return {pixels.data(), width, height, static_cast<std::ptrdiff_t>(width) * 3}; }
};

}  // namespace sprig
