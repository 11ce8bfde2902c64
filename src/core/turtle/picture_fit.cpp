#include "core/turtle/picture_fit.h"

#include <cmath>

namespace sprig {

namespace {

struct AxisFit {
    float scale;     // area pixels per turtle unit along this axis
    float relative;  // the start point's relative position, 0 .. 1
};

// The start point is 0; the + 1 keeps a picture of no extent finite.
AxisFit fitAxis(float min, float max, float area)
{
    float span = max - min + 1.0f;
    if (span == 0.0f) span = 1.0f;
    const float before = (0.0f - min) / span;
    const float after = (max - 0.0f) / span;
    // Same as (1 - before - after) * 0.5 + before, but exactly 0.5 for a
    // picture symmetric about the start.
    float relative = 0.5f + (before - after) * 0.5f;
    if (!std::isfinite(relative)) relative = 0.5f;
    return {area * 0.8f / span, relative};
}

// The start point at its relative place, pulled 5 % towards the middle.
float placeOrigin(float area, float relative)
{
    return relative > 0.5f ? area * relative - area * 0.05f : area * relative + area * 0.05f;
}

}  // namespace

FitResult fitPicture(const PictureBox& box, const FitPlacement& placement)
{
    const AxisFit x = fitAxis(box.minX, box.maxX, placement.areaWidth);
    const AxisFit y = fitAxis(box.minY, box.maxY, placement.areaHeight);
    FitResult fit;
    fit.scale = x.scale > y.scale ? y.scale : x.scale;
    if (placement.fixedSegmentLength) fit.scale = 1.0f;
    if (placement.placeAtBottom) {
        fit.originX = placement.areaWidth * 0.5f;
        fit.originY = placement.areaHeight - 20.0f;
    } else {
        fit.originX = placeOrigin(placement.areaWidth, x.relative);
        fit.originY = placeOrigin(placement.areaHeight, y.relative);
    }
    return fit;
}

}  // namespace sprig
