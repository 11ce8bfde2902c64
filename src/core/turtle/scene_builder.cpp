#include "core/turtle/scene_builder.h"

namespace sprig {

void SceneBuilder::segment(Turtle& turtle, const Vec3& from, bool isE)
{
    const float width = isE && wideE_ ? 4.0f * turtle.width : turtle.width;
    const std::uint32_t colour = isE && redE_ ? colourTable[kEColourIndex] : turtle.colour;
    if (auto index = scene_.recordSegment(from, turtle.position, width, colour)) turtle.lastSegment = *index;
}

void SceneBuilder::closeEndWidth(Turtle& turtle)
{
    const int last = turtle.lastSegment;
    if (last >= 0 && last < scene_.elementCount() && turtle.width > scene_.element(last).endWidth)
        scene_.setEndWidth(last, turtle.width);
    turtle.lastSegment = -1;
}

}  // namespace sprig
