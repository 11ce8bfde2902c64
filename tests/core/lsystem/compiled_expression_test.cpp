#include "core/lsystem/compiled_expression.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/lsystem/expression.h"
#include "platform/random_source.h"

namespace sprig {
namespace {

// Random expression texts over every kind of token the language has,
// including shapes that only make sense to the text evaluator.
class ExpressionGenerator {
public:
    explicit ExpressionGenerator(std::uint32_t seed) : random_(seed) {}

    // A tame expression uses only well-formed pieces, so that most of them
    // evaluate; a wild one mixes in every odd shape.
    std::string expression(int depth, bool tame)
    {
        tame_ = tame;
        return expression(depth);
    }

    int pick(int n) { return random_.next() % n; }

private:
    std::string expression(int depth)
    {
        std::string text = operand(depth);
        const int operators = pick(4);
        for (int i = 0; i < operators; ++i) text += binary() + operand(depth);
        if (!tame_ && pick(20) == 0) {
            text.insert(static_cast<std::size_t>(pick(static_cast<int>(text.size()) + 1)), 1, pick(2) ? '(' : ')');
        }
        return text;
    }

    std::string operand(int depth)
    {
        if (pick(6) != 0) return atom(depth);
        return (tame_ ? pickFrom({"-", "+"}) : pickFrom({"-", "+", "!", "*", "--"})) + atom(depth);
    }

    std::string atom(int depth)
    {
        const int kind = depth <= 0 ? pick(3) : pick(tame_ ? 8 : 10);
        switch (kind) {
        case 0: return number();
        case 1: return tame_ ? pickFrom({"x", "y", "a"}) : pickFrom({"x", "y", "a", "q", "xy", ""});
        case 2:
            return tame_ ? pickFrom({"RND5", "SIN2", "x", "()"})
                         : pickFrom({"RND5", "ABS", "LN", "COTG0", "(2^128)", "(0*(2^128))", "()"});
        case 3:
        case 4: return group("", depth);
        case 5:
        case 6:
        case 7: return group(function(), depth);
        default: return atom(depth - 1) + atom(depth - 1);
        }
    }

    std::string group(std::string text, int depth)
    {
        text += '(';
        text += expression(depth - 1);
        text += ')';
        return text;
    }

    std::string number()
    {
        switch (pick(6)) {
        case 0: return std::to_string(pick(100));
        case 1: return std::to_string(pick(1000)) + "." + std::to_string(pick(1000));
        case 2:
            return pickFrom({".5", "5.", "0.0000001", "1.2.3", "100000000000", "0", "-2", "3.4e5",
                             "1000000000000000000000000000000000000000"});
        case 3: return std::to_string(pick(10));
        default: return std::to_string(pick(20)) + ".5";
        }
    }

    std::string function()
    {
        if (tame_) {
            return pickFrom({"RND", "ABS", "SIN", "COS", "EXP", "TAN", "LN", "FLOOR", "ROUND", "CEIL", "COTG", "SQRT"});
        }
        return pickFrom({"RND", "ABS", "SIN", "LN", "ROUND", "CEIL", "SQRT", "SINE", "SI", "FOO", "x", "SIN5"});
    }

    std::string binary()
    {
        if (tame_) return pickFrom({"+", "-", "*", "/", "%", "^", "==", "!=", "<", ">", "<=", ">=", "&&", "||"});
        return pickFrom({"+", "-", "*", "/", "%", "^", "==", "=", "!=", "<", ">", "<=", ">=", "&&", "||", "!"});
    }

    template <std::size_t N>
    std::string pickFrom(const char* const (&choices)[N])
    {
        return choices[pick(static_cast<int>(N))];
    }

    LcgRandom random_;
    bool tame_ = true;
};

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr std::array<float, 14> kSampleValues = {0.0f,  -0.0f,      1.0f,  -1.0f, 0.5f,       2.25f, 1e-7f,
                                                 -3.5f, 123456.79f, 1e30f, 3e38f, 0.0078125f, kInf,  7.0f};

// Evaluates text both ways with identically seeded generators and reports
// any difference in the result or in the number of random draws.
::testing::AssertionResult sameAsText(const std::string& text, const CompiledExpression& compiled,
                                      const std::string& names, const float* values, std::uint32_t seed)
{
    LcgRandom textRandom(seed);
    LcgRandom compiledRandom(seed);
    const EvalResult expected = EvaluateExpression(text, ParamBinding{names, values}, textRandom);
    const EvalResult actual = compiled.evaluate(values, compiledRandom);
    if (expected.ok != actual.ok ||
        std::bit_cast<std::uint32_t>(expected.value) != std::bit_cast<std::uint32_t>(actual.value)) {
        return ::testing::AssertionFailure()
               << '"' << text << "\" text gives " << expected.value << " ok " << expected.ok << ", compiled gives "
               << actual.value << " ok " << actual.ok;
    }
    if (textRandom.next() != compiledRandom.next()) {
        return ::testing::AssertionFailure() << '"' << text << "\" draws a different number of random values";
    }
    return ::testing::AssertionSuccess();
}

TEST(CompiledExpression, MatchesTheTextEvaluatorOnGeneratedExpressions)
{
    ExpressionGenerator generator(12345);
    const std::string names = "xya";
    const int expressions = 40000;
    int differences = 0;
    int evaluated = 0;
    int fixed = 0;
    for (int i = 0; i < expressions && differences < 10; ++i) {
        std::string text = generator.expression(3, i % 2 == 0);
        if (generator.pick(4) != 0) NormalizeExpression(text);
        const CompiledExpression compiled = CompiledExpression::compile(text, names);
        // A fixed expression gives its first result whatever is bound and drawn.
        std::optional<EvalResult> first;
        fixed += compiled.isFixed() ? 1 : 0;
        for (int binding = 0; binding < 3; ++binding) {
            std::array<float, 3> values{};
            for (float& value : values)
                value = kSampleValues[static_cast<std::size_t>(generator.pick(kSampleValues.size()))];
            LcgRandom random(static_cast<std::uint32_t>(binding + 1));
            const EvalResult value = compiled.evaluate(values.data(), random);
            evaluated += value.ok ? 1 : 0;
            if (compiled.isFixed() && !first) first = value;
            if (first) {
                EXPECT_EQ(value.ok, first->ok) << text;
                EXPECT_EQ(std::bit_cast<std::uint32_t>(value.value), std::bit_cast<std::uint32_t>(first->value))
                    << text;
            }
            const auto result = sameAsText(text, compiled, names, values.data(), static_cast<std::uint32_t>(i));
            EXPECT_TRUE(result);
            if (!result) ++differences;
        }
    }
    // The comparison means little unless many expressions have a value.
    EXPECT_GT(evaluated, expressions * 3 / 5);
    EXPECT_GT(fixed, expressions / 20);
}

TEST(CompiledExpression, MatchesTheTextEvaluatorOnChosenShapes)
{
    const std::string names = "xyx";
    const std::array<float, 3> values = {0.1234567f, -2.5f, 9.0f};
    const char* const literal[] = {
        "",          "x",         "y",        "z",          "xy",          "x*0.5",    "(x+1)*2",   "x/1.456",
        "2(3)",      "5(0-3)",    "(1)(2)",   "(x)(y)",     "(x)5",        "SIN(x)",   "SIN(x)5",   "SIN5(x)",
        "SIN(x)(y)", "SIN(y)(x)", "SIN(x).5", "RND",        "RNDRND(1)",   "LN(x-x)",  "x/(y-y)",   "(x",
        "x)",        ")(",        "((x)",     "!(x>1)",     "!x!y",        "*x",       "x**y",      "--x",
        "+-x",       "-(2^128)",  "(2^128)",  "SIN(2^128)", "(0*(2^128))", "x(2^128)", "2^127*(2)", "ROUND(x*10)"};
    const std::string big = "1" + std::string(39, '0');  // beyond the largest float
    std::vector<std::string> shapes(std::begin(literal), std::end(literal));
    shapes.insert(shapes.end(), {"RND(x)+(RND(1))", "t>77.8+10&&(k==1||m<=23.8+k)", big, "SIN" + big,
                                 "SIN(" + big + ")", big.substr(1) + "(0)"});
    for (const std::string& raw : shapes) {
        for (bool normalize : {true, false}) {
            std::string text = raw;
            if (normalize) NormalizeExpression(text);
            const CompiledExpression compiled = CompiledExpression::compile(text, names);
            EXPECT_TRUE(sameAsText(text, compiled, names, values.data(), 7));
        }
    }
}

TEST(CompiledExpression, LongTextsAndAnEmptyObject)
{
    std::string huge;
    for (int i = 0; i < 90; ++i) huge += i == 0 ? "(x^127)" : "+(x^127)";
    const std::array<float, 1> two = {2.0f};
    for (std::size_t groups : {80u, 90u}) {
        const std::string text = huge.substr(0, groups * 8 - 1);
        EXPECT_TRUE(sameAsText(text, CompiledExpression::compile(text, "x"), "x", two.data(), 1));
    }
    const std::string deep = std::string(2000, '(') + "x" + std::string(2000, ')');
    const CompiledExpression nested = CompiledExpression::compile(deep, "x");
    LcgRandom random(1);
    EXPECT_EQ(nested.evaluate(two.data(), random).value, 2.0f);
    EXPECT_FALSE(CompiledExpression::compile(std::string(5000, '1'), "").evaluate(nullptr, random).ok);

    const CompiledExpression empty;
    const EvalResult result = empty.evaluate(nullptr, random);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.value, 1.0f);
}

}  // namespace
}  // namespace sprig
