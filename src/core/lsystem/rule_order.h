#pragma once
// The order in which the rewriting step sees parameters and rules.

#include <vector>

#include "core/lsystem/lsystem.h"

namespace sprig {

// Sets formalParams and formalParamCount: the predecessor's names, then the
// left context's from the symbol next to the predecessor outward, then the
// right context's from left to right. Returns false when a name repeats.
bool bindFormalParams(Production& rule);

// For each rule without a left context, moves every later rule for the same
// predecessor that has a left context to stand directly before it, keeping
// the moved rules in their order.
void reorderProductions(std::vector<Production>& rules);

}  // namespace sprig
