#include "core/lsystem/expression_operations.h"

#include <cmath>

#include "platform/random_source.h"

namespace sprig {

int operatorLevel(char c)
{
    switch (c) {
    case '^': return 0;
    case '*':
    case '/':
    case '%': return 1;
    case '+':
    case '?': return 2;
    case '=':
    case '#':
    case '<':
    case '>':
    case '@':
    case '~': return 3;
    case '!': return 4;
    case '&': return 5;
    case '|': return 6;
    default: return -1;
    }
}

namespace {

float truth(bool b) { return b ? 1.0f : 0.0f; }

EvalResult divide(float l, float r)
{
    if (r == 0.0f) return fail();
    return succeed(l / r);
}

// The remainder takes the sign of r: l - floor(l / r) * r.
EvalResult remainder(float l, float r)
{
    if (r == 0.0f) return fail();
    return succeed(l - std::floor(l / r) * r);
}

}  // namespace

EvalResult applyBinary(char code, float l, float r)
{
    switch (code) {
    case '+': return succeed(l + r);
    case '?': return succeed(l - r);
    case '*': return succeed(l * r);
    case '/': return divide(l, r);
    case '%': return remainder(l, r);
    case '^': return succeed(std::pow(l, r));
    case '=': return succeed(truth(l == r));
    case '#': return succeed(truth(l != r));
    case '<': return succeed(truth(l < r));
    case '>': return succeed(truth(l > r));
    case '@': return succeed(truth(l >= r));
    case '~': return succeed(truth(l <= r));
    case '&': return succeed(truth(l != 0.0f && r != 0.0f));
    case '|': return succeed(truth(l != 0.0f || r != 0.0f));
    default: return fail();
    }
}

float applyUnary(char code, float operand)
{
    switch (code) {
    case '?': return -operand;
    case '!': return truth(operand == 0.0f);
    default: return operand;
    }
}

namespace {

struct FunctionName {
    std::string_view name;
    Function function;
};

// Compared in this order; no name is a prefix of another.
constexpr FunctionName kFunctionNames[] = {
    {"RND", Function::Rnd},     {"ABS", Function::Abs},   {"SIN", Function::Sin},   {"COS", Function::Cos},
    {"EXP", Function::Exp},     {"TAN", Function::Tan},   {"LN", Function::Ln},     {"FLOOR", Function::Floor},
    {"ROUND", Function::Round}, {"CEIL", Function::Ceil}, {"COTG", Function::Cotg}, {"SQRT", Function::Sqrt},
};

constexpr double kEuler = 2.718281828459045;

// x * (r mod 10000) * 0.0001 is worked out in double and rounded to float
// once, so the value is the float nearest its thousandths (RND(1000) with
// r = 8467 gives 846.7, not a float step below it).
float randomFraction(float x, RandomSource& random)
{
    const int r = random.next();
    return static_cast<float>(static_cast<double>(x) * (r % 10000) * 0.0001);
}

float roundHalfDown(float x)
{
    const float low = std::floor(x);
    return x - low <= 0.5f ? low : std::ceil(x);
}

EvalResult quotient(float numerator, float denominator)
{
    if (denominator == 0.0f) return fail();
    return succeed(numerator / denominator);
}

}  // namespace

FunctionMatch matchFunction(std::string_view text)
{
    for (const FunctionName& entry : kFunctionNames) {
        if (text.starts_with(entry.name)) return {entry.function, entry.name.size()};
    }
    return {};
}

EvalResult applyFunction(Function function, float x, RandomSource& random)
{
    switch (function) {
    case Function::Rnd: return succeed(randomFraction(x, random));
    case Function::Abs: return succeed(std::fabs(x));
    case Function::Sin: return succeed(std::sin(x));
    case Function::Cos: return succeed(std::cos(x));
    case Function::Exp: return succeed(static_cast<float>(std::pow(kEuler, static_cast<double>(x))));
    case Function::Tan: return quotient(std::sin(x), std::cos(x));
    case Function::Ln: return x <= 0.0f ? fail() : succeed(std::log(x));
    case Function::Floor: return succeed(std::floor(x));
    case Function::Round: return succeed(roundHalfDown(x));
    case Function::Ceil: return succeed(std::ceil(x));
    case Function::Cotg: return quotient(std::cos(x), std::sin(x));
    case Function::Sqrt: return succeed(x < 0.0f ? 0.0f : std::sqrt(x));
    case Function::None: break;
    }
    return failUnknownWord();
}

}  // namespace sprig
