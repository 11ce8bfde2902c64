#pragma once
// An expression prepared once per parse and evaluated many times with
// different parameter values. Its results are exactly those of
// EvaluateExpression on the same text with the same names bound, including
// the six-decimal rounding of every parenthesised group's value, the grouping
// of operators from the left and the order of the RND draws.

#include <memory>
#include <string_view>

#include "core/lsystem/expression.h"

namespace sprig {

class RandomSource;

class CompiledExpression {
public:
    CompiledExpression();
    ~CompiledExpression();
    CompiledExpression(CompiledExpression&&) noexcept;
    CompiledExpression& operator=(CompiledExpression&&) noexcept;

    // text as it will be evaluated (normalise it first where the text
    // evaluator's caller would); names are the formal parameter names bound
    // at every evaluation, in binding order.
    static CompiledExpression compile(std::string_view text, std::string_view names);

    // values holds one value per name given to compile().
    EvalResult evaluate(const float* values, RandomSource& random) const;

    // Whether every evaluation gives the same result and draws nothing: no
    // parameter, no RND and no text that is evaluated afresh.
    bool isFixed() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace sprig
