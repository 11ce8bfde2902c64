#pragma once
// Fitting a measured 2D picture into the drawable area.

namespace sprig {

// The extent of the turtle's path; it always contains the start (0, 0).
struct PictureBox {
    float minX = 0.0f, maxX = 0.0f, minY = 0.0f, maxY = 0.0f;

    void include(float x, float y)
    {
        if (x < minX) minX = x;
        if (x > maxX) maxX = x;
        if (y < minY) minY = y;
        if (y > maxY) maxY = y;
    }
};

struct FitResult {
    float scale = 1.0f;    // pixels per turtle unit
    float originX = 0.0f;  // pixel position of the turtle's origin
    float originY = 0.0f;
};

struct FitPlacement {
    float areaWidth = 0.0f;
    float areaHeight = 0.0f;
    bool placeAtBottom = false;
    bool fixedSegmentLength = false;
};

// The picture takes 80 % of the area's width or height and is about centred,
// or starts at the bottom centre; a fixed segment length draws one pixel per
// turtle unit.
FitResult fitPicture(const PictureBox& box, const FitPlacement& placement);

}  // namespace sprig
