#pragma once
// Pieces of the text evaluator that the compiled form falls back on.

#include <string_view>

#include "core/lsystem/expression.h"

namespace sprig {

class RandomSource;

// Evaluates a text without parentheses, as the evaluator does with what
// remains of a span once its groups are replaced by their "%f" values.
EvalResult evaluatePlainExpression(std::string_view text, const ParamBinding& params, RandomSource& random);

// Position of the first name equal to c, or -1 when c is not bound.
int findParam(std::string_view names, char c);

}  // namespace sprig
