#pragma once
// A line's parts drawn as one letter per character of the line, so a test
// states them beside the line itself: '.' where no part lies.

#include <string>
#include <string_view>
#include <vector>

#include "platform/line_parts.h"

namespace sprig::testing {

// letters[k] is the letter of the kind whose value is k. A part out of
// order, empty or overlapping another adds a '?' at the end.
template <class Kind>
std::string linePicture(const std::vector<LinePart<Kind>>& parts, std::size_t length, std::string_view letters)
{
    std::string picture(length, '.');
    std::size_t end = 0;
    for (const LinePart<Kind>& part : parts) {
        if (part.length == 0 || part.start < end) picture += '?';
        for (std::size_t i = part.start; i < part.start + part.length; ++i)
            picture.at(i) = letters.at(static_cast<std::size_t>(part.kind));
        end = part.start + part.length;
    }
    return picture;
}

}  // namespace sprig::testing
