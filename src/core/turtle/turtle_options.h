#pragma once
// The settings a turtle pass reads, taken once at the start of a call.

#include <cstdint>

#include "settings/settings.h"

namespace sprig {

struct TurtleOptions {
    bool interpretEF = false;
    bool differentiateEFWidth = false;
    bool differentiateEFColor = false;
    bool widthInPixels = true;
    bool colourEffect = false;
    bool fixedSegmentLength = false;
    float segmentLength = 1.0f;
    float widthDecrement = 1.0f;
    float widthIncrement = 1.0f;
    float defaultAngle = 90.0f;
    std::uint32_t penColour = 0x0000FF00;

    static TurtleOptions from(const Settings& settings, std::uint32_t penColour)
    {
        const OptionValues& in = settings.effective;
        return {in.interpretEF,
                in.differentiateEFWidth,
                in.differentiateEFColor,
                in.widthInPixels,
                settings.colourEffect,
                settings.fixedSegmentLength,
                settings.segmentLength,
                settings.widthDecrement,
                settings.widthIncrement,
                settings.defaultAngle,
                penColour};
    }

    // A move with parameter 1 goes this far at the start of a pass.
    float startLengthUnit() const { return fixedSegmentLength ? segmentLength : 1.0f; }
};

}  // namespace sprig
