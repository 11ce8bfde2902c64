#pragma once
// Clipping a line between integer points to a rectangle, so that lines
// with far-away ends are drawn only where they can be seen.

namespace sprig {

struct ClippedLine {
    int x0, y0, x1, y1;
};

// Cuts line to the rectangle [left, right] x [top, bottom] (Liang-Barsky, in
// double precision, ends rounded to the nearest pixel); false when no part
// of it lies inside. A line inside the rectangle is left exactly as it is.
bool clipLine(ClippedLine& line, int left, int top, int right, int bottom);

}  // namespace sprig
