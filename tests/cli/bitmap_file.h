#pragma once
// Reading back the 24-bit bottom-up bitmaps the batch command writes.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace sprig::testing {

using Rgb = std::array<int, 3>;

// A 24-bit bottom-up bitmap as the batch command writes it.
class Bitmap {
public:
    explicit Bitmap(std::string bytes) : bytes_(std::move(bytes)) {}

    int width() const { return static_cast<int>(number(18)); }
    int height() const { return static_cast<int>(number(22)); }
    int bitsPerPixel() const { return static_cast<int>(number(28) & 0xFFFFu); }
    // Pixel (x, y) counted from the top left, as R, G, B.
    Rgb at(int x, int y) const
    {
        const std::size_t row = (static_cast<std::size_t>(width()) * 3 + 3) / 4 * 4;
        const std::size_t i =
            number(10) + static_cast<std::size_t>(height() - 1 - y) * row + static_cast<std::size_t>(x) * 3;
        return {byte(i + 2), byte(i + 1), byte(i)};
    }

    // Pixels that are not black.
    int litPixels() const
    {
        int lit = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                if (at(x, y) != Rgb{0, 0, 0}) ++lit;
        return lit;
    }

private:
    int byte(std::size_t i) const { return static_cast<unsigned char>(bytes_.at(i)); }
    std::uint32_t number(std::size_t offset) const
    {
        return static_cast<std::uint32_t>(byte(offset)) | static_cast<std::uint32_t>(byte(offset + 1)) << 8 |
               static_cast<std::uint32_t>(byte(offset + 2)) << 16 | static_cast<std::uint32_t>(byte(offset + 3)) << 24;
    }

    std::string bytes_;
};

}  // namespace sprig::testing
