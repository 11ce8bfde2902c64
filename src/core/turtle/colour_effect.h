#pragma once
// The colour effect: the drawing colour climbs with the position in the
// string instead of following the colour symbols.

#include <cstdint>

namespace sprig {

class ColourEffect {
public:
    // symbolCount: the symbols of the string, spread over the whole climb.
    explicit ColourEffect(std::int64_t symbolCount)
        : step_(symbolCount > 0 ? 16000000.0f / static_cast<float>(symbolCount) : 0.0f)
    {
    }

    static std::uint32_t startColour() { return 100000; }

    // The colour for the next symbol; back to the start past the top.
    std::uint32_t next()
    {
        value_ += step_;
        if (value_ > 16200000.0f) value_ = 100000.0f;
        return static_cast<std::uint32_t>(value_);
    }

private:
    float step_;
    float value_ = 100000.0f;
};

}  // namespace sprig
