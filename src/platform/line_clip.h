#pragma once
// Cutting a straight line to a rectangle in floating point, before its ends
// become whole pixels, so that a line toward a far-away point keeps its
// direction where it can be seen.

namespace sprig {

struct LineEnds {
    double x0, y0, x1, y1;
};

struct ClipRect {
    double left, top, right, bottom;
};

// Cuts line to the part inside rect (Liang-Barsky); false when no part of it
// lies inside, or when an end is not finite and so gives no direction. An end
// inside the rectangle keeps its exact value.
bool clipLine(LineEnds& line, const ClipRect& rect);

}  // namespace sprig
