#pragma once
// What happens to a definition once all its lines are read.

#include "core/lsystem/lsystem.h"

namespace sprig {

// Adds the angle entries of a parametric system with an angle line, fills in
// default parameters and substitutes constants, binds the formal parameters,
// reorders the rules and records the context extents. Returns kDone, kIoError (from the
// default filling and substitution) or 4 (a repeated parameter name).
[[nodiscard]] int completeModel(LSystem& model);

}  // namespace sprig
