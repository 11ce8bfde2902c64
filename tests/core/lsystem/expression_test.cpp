#include "core/lsystem/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/fixed_format.h"
#include "platform/random_source.h"

namespace sprig {
namespace {

struct Bound {
    std::string names;
    std::vector<float> values;
};

EvalResult evalRaw(std::string_view text, const Bound& bound = {})
{
    LcgRandom random(1);
    return EvaluateExpression(text, ParamBinding{bound.names, bound.values.data()}, random);
}

// Evaluates text the way conditions and successor arguments are: normalised first.
EvalResult eval(std::string text, const Bound& bound = {})
{
    NormalizeExpression(text);
    return evalRaw(text, bound);
}

float valueOf(const std::string& text, const Bound& bound = {})
{
    const EvalResult result = eval(text, bound);
    EXPECT_TRUE(result.ok) << text;
    return result.value;
}

bool fails(const std::string& text, const Bound& bound = {}) { return !eval(text, bound).ok; }

std::string normalized(std::string text)
{
    NormalizeExpression(text);
    return text;
}

TEST(NormalizeExpression, RewritesOperatorSpellingsIntoCodes)
{
    EXPECT_EQ(normalized("a == b"), "a=b");
    EXPECT_EQ(normalized("a!=b<=c>=d&&e||f"), "a#b~c@d&e|f");
    EXPECT_EQ(normalized("x - -1"), "x??1");
    EXPECT_EQ(normalized("a=b!c<d>e&f|g"), "a=b!c<d>e&f|g");
    EXPECT_EQ(normalized("a===b"), "a==b");
    EXPECT_EQ(normalized("!=="), "#=");
    EXPECT_EQ(normalized("#~@?"), "#~@?");
    EXPECT_EQ(normalized("\tx"), "\tx");
    EXPECT_EQ(normalized("   "), "");
}

TEST(EvaluateExpression, OperatorsGroupByLevelAndFromTheLeft)
{
    EXPECT_EQ(valueOf("2+3*4"), 14.0f);
    EXPECT_EQ(valueOf("2^3^2"), 64.0f);
    EXPECT_EQ(valueOf("7%3"), 1.0f);
    EXPECT_EQ(valueOf("(0-7)%3"), 2.0f);
    EXPECT_EQ(valueOf("-7%3"), -1.0f);
    EXPECT_EQ(valueOf("7%(0-3)"), -2.0f);
    EXPECT_EQ(valueOf("10-2-3"), 5.0f);
    EXPECT_EQ(valueOf("8/2/2"), 2.0f);
    EXPECT_EQ(valueOf("8/2*2"), 8.0f);
    EXPECT_EQ(valueOf("1<2<3"), 1.0f);
    EXPECT_EQ(valueOf("3>2>1"), 0.0f);
}

TEST(EvaluateExpression, GroupValuesAreCarriedWithSixDecimals)
{
    const EvalResult third = eval("(1/3)*3");
    ASSERT_TRUE(third.ok);
    EXPECT_EQ(third.value, 0.333333f * 3.0f);
    EXPECT_EQ(formatFixed(third.value), "0.999999");
    EXPECT_EQ(valueOf("(0.0000001)*1000000"), 0.0f);
    EXPECT_EQ(valueOf("()"), 1.0f);
    EXPECT_EQ(valueOf("2(3)"), 23.0f);
    EXPECT_EQ(valueOf("(1)(2)"), 1.0000002f);
    EXPECT_EQ(valueOf("5(0-3)"), 5.0f);
}

TEST(EvaluateExpression, MinusSignsAfterNormalizing)
{
    EXPECT_EQ(valueOf("2*-3"), -1.0f);
    EXPECT_EQ(valueOf("2*(0-3)"), -6.0f);
    EXPECT_EQ(valueOf("t>-1", {"t", {0.0f}}), 1.0f);
    EXPECT_EQ(valueOf("-3"), -3.0f);
    EXPECT_EQ(valueOf("+3"), 3.0f);
    EXPECT_EQ(valueOf("--3"), -4.0f);  // (-1) - 3: the first minus has an empty operand
    EXPECT_EQ(valueOf("ABS(-3)"), 3.0f);
    EXPECT_EQ(valueOf("ABS-3"), -3.0f);  // ABS of nothing, minus 3
}

TEST(EvaluateExpression, TextsWithoutNormalizingReadMinusAsPartOfANumber)
{
    EXPECT_EQ(evalRaw("3-2").value, 3.0f);
    EXPECT_EQ(evalRaw("(2)-(3)").value, 2.0f);
    const EvalResult dashes = evalRaw("--");
    EXPECT_TRUE(dashes.ok);
    EXPECT_EQ(dashes.value, 0.0f);
}

TEST(EvaluateExpression, ComparisonsAndLogic)
{
    for (float b : {2.0f, 3.0f}) {
        const Bound ab{"ab", {2.0f, b}};
        const float equal = b == 2.0f ? 1.0f : 0.0f;
        EXPECT_EQ(valueOf("a==b", ab), equal);
        EXPECT_EQ(valueOf("a=b", ab), equal);
        EXPECT_EQ(valueOf("!(a!=b)", ab), equal);
    }
    EXPECT_EQ(valueOf("!0"), 1.0f);
    EXPECT_EQ(valueOf("!(2>1)"), 0.0f);
    EXPECT_EQ(valueOf("0||0"), 0.0f);
    EXPECT_EQ(valueOf("0||2"), 1.0f);
    EXPECT_EQ(valueOf("3&&0"), 0.0f);
    EXPECT_EQ(valueOf("3&&-1"), 1.0f);
    EXPECT_EQ(valueOf("2>=2"), 1.0f);
    EXPECT_EQ(valueOf("2<=1"), 0.0f);
    EXPECT_EQ(valueOf("!1+1"), 0.0f);  // not binds looser than plus
}

TEST(EvaluateExpression, ConditionWithParameters)
{
    const std::string condition = "t>77.8+10 && (k==1 || m<= 23.8+k)";
    EXPECT_EQ(valueOf(condition, {"tkm", {90.0f, 1.0f, 30.0f}}), 1.0f);
    EXPECT_EQ(valueOf(condition, {"tkm", {80.0f, 1.0f, 30.0f}}), 0.0f);
    EXPECT_EQ(valueOf(condition, {"tkm", {90.0f, 2.0f, 24.0f}}), 1.0f);
    EXPECT_EQ(valueOf(condition, {"tkm", {90.0f, 2.0f, 26.0f}}), 0.0f);
}

TEST(EvaluateExpression, Functions)
{
    EXPECT_EQ(valueOf("SQRT(-4)"), 0.0f);
    EXPECT_EQ(valueOf("SQRT(6.25)"), 2.5f);
    EXPECT_TRUE(fails("LN(0)"));
    EXPECT_TRUE(fails("LN(-1)"));
    EXPECT_EQ(valueOf("LN(1)"), 0.0f);
    EXPECT_EQ(valueOf("TAN(0)"), 0.0f);
    EXPECT_TRUE(fails("COTG(0)"));
    EXPECT_EQ(valueOf("ROUND(2.5)"), 2.0f);
    EXPECT_EQ(valueOf("ROUND(2.51)"), 3.0f);
    EXPECT_EQ(valueOf("ROUND(-2.5)"), -3.0f);
    EXPECT_EQ(valueOf("FLOOR(-1.5)"), -2.0f);
    EXPECT_EQ(valueOf("CEIL(1.2)"), 2.0f);
    EXPECT_EQ(valueOf("SIN(0)"), 0.0f);
    EXPECT_EQ(valueOf("COS(0)"), 1.0f);
    EXPECT_EQ(valueOf("EXP(0)"), 1.0f);
    EXPECT_EQ(valueOf("ABS5"), 5.0f);        // the argument may follow the name directly
    EXPECT_EQ(valueOf("SINE(1)"), 0.0f);     // "SIN" matches; "E1.000000" holds no number
    EXPECT_EQ(valueOf("SIN(2^128)"), 0.0f);  // "inf" holds no number
    const EvalResult unknown = eval("FOO(1)");
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.value, 1.0f);
}

TEST(EvaluateExpression, RandomValuesStepByAThousandth)
{
    LcgRandom random(2024);
    LcgRandom reference(2024);
    for (int i = 0; i < 200; ++i) {
        const EvalResult result = EvaluateExpression("RND(10)", {}, random);
        ASSERT_TRUE(result.ok);
        const int steps = reference.next() % 10000;
        EXPECT_EQ(result.value, 10.0f * static_cast<float>(steps) * 0.0001f);
        EXPECT_GE(result.value, 0.0f);
        EXPECT_LT(result.value, 10.0f);
        EXPECT_NEAR(result.value * 1000.0f, std::round(result.value * 1000.0f), 1e-2);
    }
}

TEST(EvaluateExpression, GroupsAreEvaluatedBeforeTheOperatorSplit)
{
    LcgRandom random(99);
    LcgRandom reference(99);
    std::string text = "RND(2)+(RND(1))";
    NormalizeExpression(text);
    const EvalResult result = EvaluateExpression(text, {}, random);
    const float inner = 1.0f * static_cast<float>(reference.next() % 10000) * 0.0001f;
    const float outer = 2.0f * static_cast<float>(reference.next() % 10000) * 0.0001f;
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.value, outer + std::stof(formatFixed(inner)));
    EXPECT_EQ(random.next(), reference.next());
}

TEST(EvaluateExpression, ParameterNames)
{
    const EvalResult unbound = eval("x");
    EXPECT_FALSE(unbound.ok);
    EXPECT_EQ(unbound.value, 1.0f);
    EXPECT_EQ(valueOf("x", {"x", {4.0f}}), 4.0f);
    EXPECT_TRUE(fails("xy", {"xy", {1.0f, 2.0f}}));
    EXPECT_EQ(valueOf("x", {"xx", {1.0f, 2.0f}}), 1.0f);
    EXPECT_EQ(valueOf("(x)*2", {"x", {0.1234567f}}), 0.246914f);
    EXPECT_EQ(valueOf(""), 1.0f);
}

TEST(EvaluateExpression, FailuresAndTextsLeftOpen)
{
    EXPECT_TRUE(fails("1/0"));
    EXPECT_TRUE(fails("1%0"));
    EXPECT_TRUE(fails("1/(0.0000001)"));  // the group is carried as 0.000000
    EXPECT_TRUE(fails("(1+2"));
    EXPECT_TRUE(fails("1+2)"));
    EXPECT_TRUE(fails(")("));
    EXPECT_TRUE(fails("(2))"));
    EXPECT_TRUE(fails("(2^128)"));  // a lone "inf" is no number
    EXPECT_TRUE(fails("*3"));
    EXPECT_TRUE(fails("==3"));
    EXPECT_TRUE(fails("&&1"));
    EXPECT_TRUE(fails("2!3"));
    EXPECT_TRUE(fails("!!1"));
    EXPECT_EQ(valueOf("2**3"), 6.0f);  // 2 * (empty = 1) * 3
    EXPECT_EQ(valueOf("+"), 1.0f);
    EXPECT_EQ(valueOf("!"), 0.0f);
}

TEST(EvaluateExpression, LongAndHostileTextsStayBounded)
{
    std::string sum = "1";
    while (sum.size() + 2 <= 4096) sum += "+1";
    EXPECT_EQ(valueOf(sum), 2048.0f);
    EXPECT_TRUE(fails(sum + "+1"));

    const std::string nested = std::string(2000, '(') + "7" + std::string(2000, ')');
    EXPECT_EQ(valueOf(nested), 7.0f);
    EXPECT_TRUE(fails(std::string(50000, '(') + "7" + std::string(50000, ')')));
    EXPECT_TRUE(fails(std::string(100000, '(')));
    EXPECT_EQ(valueOf(std::string(4000, '-') + "1"), -4000.0f);

    std::string huge;
    for (int i = 0; i < 80; ++i) huge += i == 0 ? "(2^127)" : "+(2^127)";
    EXPECT_TRUE(eval(huge).ok);  // 80 values of 46 characters fit in 4096
    for (int i = 0; i < 10; ++i) huge += "+(2^127)";
    EXPECT_TRUE(fails(huge));

    LcgRandom bytes(5);
    for (int i = 0; i < 2000; ++i) {
        std::string text(static_cast<std::size_t>(bytes.next() % 40), '\0');
        for (char& c : text) c = static_cast<char>(bytes.next() & 0xFF);
        const EvalResult result = eval(text, {"xy", {1.0f, 2.0f}});
        // A failure reports 0.0, or 1.0 for an unknown word.
        EXPECT_TRUE(result.ok || result.value == 0.0f || result.value == 1.0f);
    }
}

}  // namespace
}  // namespace sprig
