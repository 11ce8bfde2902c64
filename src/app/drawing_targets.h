#pragma once
// What a step is drawn on: the 2D window's bitmap with the area the picture
// is fitted into, the one 3D scene record, and the program-wide colours.

#include <cstdint>

namespace sprig {

class Canvas;
class SceneRecord;

struct DrawingTargets {
    Canvas* canvas = nullptr;
    int areaWidth = 0;
    int areaHeight = 0;
    SceneRecord* scene = nullptr;
    // 0x00BBGGRR; green on black at start-up.
    std::uint32_t penColour = 0x0000FF00;
    std::uint32_t backgroundColour = 0x00000000;
};

}  // namespace sprig
