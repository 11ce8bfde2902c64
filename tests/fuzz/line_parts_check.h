#pragma once
// What every inspection of a line must give, whatever the line: parts in
// the order of the line, none empty, none overlapping, none past its end.

#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/line_parts.h"

template <class Kind>
void checkLineParts(const std::vector<sprig::LinePart<Kind>>& parts, std::string_view line)
{
    std::size_t end = 0;
    for (const sprig::LinePart<Kind>& part : parts) {
        if (part.length == 0 || part.start < end || part.start + part.length > line.size()) std::abort();
        end = part.start + part.length;
    }
}

template <class Kind>
bool hasPart(const std::vector<sprig::LinePart<Kind>>& parts, Kind kind)
{
    for (const sprig::LinePart<Kind>& part : parts)
        if (part.kind == kind) return true;
    return false;
}
