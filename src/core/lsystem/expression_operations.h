#pragma once
// The operators and functions of the expression language, shared by the
// text evaluator and the compiled form so both compute bit-identical values.

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/lsystem/expression.h"

namespace sprig {

class RandomSource;

inline constexpr int kOperatorLevels = 7;
inline constexpr int kSignLevel = 2;  // '+' '?': unary at the start of a text
inline constexpr int kNotLevel = 4;   // '!': only meaningful at the start

// Precedence level (0 binds tightest .. 6 loosest) of an operator code, or
// -1 for any other character.
int operatorLevel(char c);

inline EvalResult succeed(float value) { return {value, true}; }
inline EvalResult fail() { return {0.0f, false}; }
inline EvalResult failUnknownWord() { return {1.0f, false}; }
// A number read from the text; one too large for a float fails.
inline EvalResult numberValue(std::optional<float> number) { return number ? succeed(*number) : fail(); }

// l code r for a binary operator code; division and remainder by 0 fail.
EvalResult applyBinary(char code, float l, float r);

// code operand at the start of a text: '?' negates, '+' keeps, '!' inverts
// the truth value.
float applyUnary(char code, float operand);

enum class Function : unsigned char { None, Rnd, Abs, Sin, Cos, Exp, Tan, Ln, Floor, Round, Ceil, Cotg, Sqrt };

struct FunctionMatch {
    Function function = Function::None;
    std::size_t nameLength = 0;
};

// The function whose name text begins with (None when no name fits).
FunctionMatch matchFunction(std::string_view text);

// The function's value for argument x; RND draws one number from random.
EvalResult applyFunction(Function function, float x, RandomSource& random);

}  // namespace sprig
