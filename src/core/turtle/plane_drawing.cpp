#include "core/turtle/plane_drawing.h"

#include <cmath>

namespace sprig {

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

void PlaneDrawing::moveTo(const Vec3& point)
{
    canvas_.moveTo(toPixelCoordinate(point.x * fit_.scale + fit_.originX),
                   toPixelCoordinate(point.y * fit_.scale + fit_.originY));
}

void PlaneDrawing::lineTo(const Vec3& point)
{
    const float x = point.x * fit_.scale + fit_.originX;
    const float y = point.y * fit_.scale + fit_.originY;
    // A point that is not finite cannot be drawn to: the pen only goes there.
    if (std::isfinite(x) && std::isfinite(y))
        canvas_.lineTo(toPixelCoordinate(x), toPixelCoordinate(y));
    else
        canvas_.moveTo(toPixelCoordinate(x), toPixelCoordinate(y));
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
