#pragma once
// The parts of one line that a reader tells apart, placed in the line as it
// is written. The readers look at a line without its spaces; a view shows
// it with them, so each part is mapped back through the removed spaces.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sprig {

template <class Kind>
struct LinePart {
    Kind kind;
    std::size_t start;
    std::size_t length;

    bool operator==(const LinePart&) const = default;
};

// A line as the readers see it (see prepareLine), and where each of its
// characters stands in the line as written.
struct SpacelessLine {
    std::string text;
    std::vector<std::size_t> at;
};

SpacelessLine withoutSpaces(std::string_view written);

// Appends the part that covers text[from, to) of the spaceless line: from
// its first character to its last as written, the spaces between them
// included. An empty range adds nothing.
template <class Kind>
void addPart(std::vector<LinePart<Kind>>& parts, const SpacelessLine& line, Kind kind, std::size_t from, std::size_t to)
{
    if (from >= to) return;
    parts.push_back({kind, line.at[from], line.at[to - 1] + 1 - line.at[from]});
}

}  // namespace sprig
