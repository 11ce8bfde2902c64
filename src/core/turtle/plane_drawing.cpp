#include "core/turtle/plane_drawing.h"

#include <cmath>

#include "platform/line_clip.h"

namespace sprig {

namespace {

// The integer part, toward zero, of a value within the pixel limit.
int wholePixel(double value) { return static_cast<int>(value); }

}  // namespace

void PlaneDrawing::start(const Turtle& turtle)
{
    penColour(turtle.colour);
    penWidth(turtle.width);
    moveTo(turtle.position);
}

int PlaneDrawing::penWidthFor(float width) const
{
    const float pixels = options_.widthInPixels ? width : width * fit_.scale;
    if (!(pixels > 0.0f)) return 0;
    if (pixels >= static_cast<float>(kMaxPenWidth)) return kMaxPenWidth;
    return static_cast<int>(pixels);
}

PlaneDrawing::PixelPoint PlaneDrawing::pixelPoint(const Vec3& point) const
{
    return {point.x * fit_.scale + fit_.originX, point.y * fit_.scale + fit_.originY};
}

// A point beyond the pixel limit, or not finite, is not handed to the canvas;
// a line drawn on from it starts where it crosses the limit.
void PlaneDrawing::moveTo(const Vec3& point)
{
    pen_ = pixelPoint(point);
    if (!(std::fabs(pen_.x) <= kPixelLimit && std::fabs(pen_.y) <= kPixelLimit)) return;
    const Pixel at{wholePixel(pen_.x), wholePixel(pen_.y)};
    canvas_.moveTo(at.x, at.y);
    canvasPen_ = at;
}

// Only the part of the line within the pixel limit is drawn, cut in floating
// point. A line to or from a point that is not finite has no direction and
// draws nothing; the pen still goes there.
void PlaneDrawing::lineTo(const Vec3& point)
{
    const PixelPoint from = pen_;
    pen_ = pixelPoint(point);
    LineEnds line{from.x, from.y, pen_.x, pen_.y};
    if (!clipLine(line, {-kPixelLimit, -kPixelLimit, kPixelLimit, kPixelLimit})) return;
    const Pixel start{wholePixel(line.x0), wholePixel(line.y0)};
    const Pixel end{wholePixel(line.x1), wholePixel(line.y1)};
    if (canvasPen_ != start) canvas_.moveTo(start.x, start.y);
    canvas_.lineTo(end.x, end.y);
    canvasPen_ = end;
}

void PlaneDrawing::segment(Turtle& turtle, const Vec3&, bool isE)
{
    const bool red = isE && options_.differentiateEFColor;
    const bool wide = isE && options_.differentiateEFWidth;
    if (red) penColour(colourTable[kEColourIndex]);
    if (wide) penWidth(4.0f * turtle.width);
    lineTo(turtle.position);
    if (red) penColour(turtle.colour);
    if (wide) penWidth(turtle.width);
}

void PlaneDrawing::restored(const Turtle& turtle)
{
    penColour(turtle.colour);
    penWidth(turtle.width);
    moveTo(turtle.position);
}

void PlaneDrawing::polygon(std::span<const Vec3> vertices, Turtle& turtle)
{
    if (vertices.empty()) return;
    moveTo(vertices.front());
    for (const Vec3& vertex : vertices.subspan(1)) lineTo(vertex);
    lineTo(vertices.front());
    moveTo(turtle.position);
}

}  // namespace sprig
