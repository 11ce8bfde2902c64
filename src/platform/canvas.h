#pragma once
// A bitmap to draw on: a pen with a colour and an integer width, solid lines
// from the pen position, and filling the whole bitmap with one colour. Pixel
// coordinates grow to the right and downwards; points may lie far outside
// the bitmap, which clips what it draws.

#include <cstdint>

namespace sprig {

class Canvas {
public:
    virtual ~Canvas() = default;

    // Colours are 0x00BBGGRR.
    virtual void setPenColour(std::uint32_t colour) = 0;
    // A width of 0 draws lines one pixel wide, like a width of 1.
    virtual void setPenWidth(int width) = 0;
    virtual void moveTo(int x, int y) = 0;
    // Draws a solid line from the pen position to (x, y), which becomes the
    // pen position.
    virtual void lineTo(int x, int y) = 0;
    virtual void fill(std::uint32_t colour) = 0;
};

}  // namespace sprig
