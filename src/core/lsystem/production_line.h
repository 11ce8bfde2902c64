#pragma once
// One rule line: '#', [left context '<'], predecessor, ['(' names ')'],
// ['>' right context], [':' condition], "->", ['(' probability ')'], successor.

#include <string_view>

#include "core/lsystem/lsystem.h"

namespace sprig {

class RandomSource;

// Where the parser found the pieces of a rule line, as positions in the
// space-free line; npos for a piece it did not find.
struct RulePieces {
    std::size_t less = std::string_view::npos;         // '<' after the left context
    std::size_t predecessor = std::string_view::npos;  // followed by its parameter list, if any
    std::size_t greater = std::string_view::npos;      // '>' before the right context
    std::size_t headEnd = std::string_view::npos;      // what the head leaves unread runs from here to the arrow
    std::size_t colon = std::string_view::npos;        // ':' before the condition
    std::size_t arrow = std::string_view::npos;
    std::size_t successor = std::string_view::npos;  // after the arrow and the probability
};

// Splits a space-free rule line into rule; a parameter list on the
// predecessor or a '(' in a context raises parametric. Returns kDone;
// kOutOfMemory when the line has no "->"; kIoError when a parameter list or the probability lacks its ')',
// a constant probability exceeds 1, no predecessor stands before the
// condition or arrow, or a context is malformed. random serves RND in a
// constant probability. pieces records where each piece was found.
[[nodiscard]] int parseProductionLine(std::string_view line, RandomSource& random, Production& rule, bool& parametric,
                                      RulePieces& pieces);

}  // namespace sprig
