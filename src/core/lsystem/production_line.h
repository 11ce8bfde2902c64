#pragma once
// One rule line: '#', [left context '<'], predecessor, ['(' names ')'],
// ['>' right context], [':' condition], "->", ['(' probability ')'], successor.

#include <string_view>

#include "core/lsystem/lsystem.h"

namespace sprig {

class RandomSource;

// Splits a space-free rule line into rule; a parameter list on the
// predecessor or a '(' in a context raises parametric. Returns kDone;
// kOutOfMemory when the line has no "->"; kIoError when a parameter list or the probability lacks its ')',
// a constant probability exceeds 1, no predecessor stands before the
// condition or arrow, or a context is malformed. random serves RND in a
// constant probability.
int parseProductionLine(std::string_view line, RandomSource& random, Production& rule, bool& parametric);

}  // namespace sprig
