#pragma once
// The expression language of conditions, probabilities and parameters,
// evaluated straight from its text: parenthesised groups first, each group's
// value carried on as "%f" text, then a split at the rightmost operator of
// the lowest precedence level. Values are 32-bit floats.

#include <string>
#include <string_view>

namespace sprig {

class RandomSource;

// Formal parameters bound for one evaluation: names[i] is bound to values[i];
// the first matching name wins.
struct ParamBinding {
    std::string_view names;
    const float* values = nullptr;
};

struct EvalResult {
    float value = 0.0f;
    bool ok = false;
};

// Rewrites operator spellings into their one-character codes, in place:
// "==" '=', "!=" '#', "<=" '~', ">=" '@', "&&" '&', "||" '|', '-' '?';
// spaces are removed first.
void NormalizeExpression(std::string& text);

// The value of text with params bound; RND draws from random. On failure ok
// is false and value is 0.0, or 1.0 when the failure was an unknown word.
// A text, or what remains of it once its groups are replaced by their
// values, longer than 4096 characters fails.
EvalResult EvaluateExpression(std::string_view text, const ParamBinding& params, RandomSource& random);

}  // namespace sprig
