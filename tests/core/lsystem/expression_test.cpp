#include "core/lsystem/expression.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fixed_format.h"
#include "platform/random_source.h"
#include "support/scripted_random.h"

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

bool fails(const std::string& text, const Bound& bound = {}) { return !eval(text, bound).ok; }

struct Valued {
    std::string text;
    float value;
};

// Every text must evaluate to exactly its value.
void expectValues(const std::vector<Valued>& cases, const Bound& bound = {})
{
    for (const Valued& c : cases) {
        const EvalResult result = eval(c.text, bound);
        EXPECT_TRUE(result.ok) << c.text;
        EXPECT_EQ(result.value, c.value) << c.text;
    }
}

void expectFailures(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts) EXPECT_TRUE(fails(text)) << text;
}

TEST(NormalizeExpression, RewritesOperatorSpellingsIntoCodes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a == b", "a=b"},  {"a!=b<=c>=d&&e||f", "a#b~c@d&e|f"},
        {"x - -1", "x??1"}, {"a=b!c<d>e&f|g", "a=b!c<d>e&f|g"},
        {"a===b", "a==b"},  {"!==", "#="},
        {"#~@?", "#~@?"},   {"\tx", "\tx"},
        {"   ", ""},
    };
    for (auto [text, normalized] : cases) {
        const std::string raw = text;
        NormalizeExpression(text);
        EXPECT_EQ(text, normalized) << raw;
    }
}

TEST(EvaluateExpression, OperatorsGroupByLevelAndFromTheLeft)
{
    const std::vector<Valued> cases{{"2+3*4", 14}, {"2^3^2", 64},   {"7%3", 1},    {"(0-7)%3", 2},
                                    {"-7%3", -1},  {"7%(0-3)", -2}, {"10-2-3", 5}, {"8/2/2", 2},
                                    {"8/2*2", 8},  {"1<2<3", 1},    {"3>2>1", 0}};
    expectValues(cases);
}

TEST(EvaluateExpression, GroupValuesAreCarriedWithSixDecimals)
{
    const EvalResult third = eval("(1/3)*3");
    ASSERT_TRUE(third.ok);
    EXPECT_EQ(third.value, 0.333333f * 3.0f);
    EXPECT_EQ(formatFixed(third.value), "0.999999");
    expectValues({{"(0.0000001)*1000000", 0}, {"()", 1}, {"2(3)", 23}, {"(1)(2)", 1.0000002f}, {"5(0-3)", 5}});
}

TEST(EvaluateExpression, MinusSignsAfterNormalizing)
{
    expectValues({{"2*-3", -1},
                  {"2*(0-3)", -6},
                  {"-3", -3},
                  {"+3", 3},
                  {"--3", -4},  // (-1) - 3: the first minus has an empty operand
                  {"ABS(-3)", 3},
                  {"ABS-3", -3}});  // ABS of nothing, minus 3
    expectValues({{"t>-1", 1}}, {"t", {0.0f}});
    // Without normalizing, a minus is read as part of a number.
    EXPECT_EQ(evalRaw("3-2").value, 3.0f);
    EXPECT_EQ(evalRaw("(2)-(3)").value, 2.0f);
    const EvalResult dashes = evalRaw("--");
    EXPECT_TRUE(dashes.ok);
    EXPECT_EQ(dashes.value, 0.0f);
}

TEST(EvaluateExpression, ComparisonsAndLogic)
{
    for (float b : {2.0f, 3.0f}) {
        const float equal = b == 2.0f ? 1.0f : 0.0f;
        expectValues({{"a==b", equal}, {"a=b", equal}, {"!(a!=b)", equal}}, {"ab", {2.0f, b}});
    }
    // Not binds looser than plus.
    const std::vector<Valued> logic{{"!0", 1},    {"!(2>1)", 0}, {"0||0", 0}, {"0||2", 1}, {"3&&0", 0},
                                    {"3&&-1", 1}, {"2>=2", 1},   {"2<=1", 0}, {"!1+1", 0}};
    expectValues(logic);
    const std::string condition = "t>77.8+10 && (k==1 || m<= 23.8+k)";
    expectValues({{condition, 1}}, {"tkm", {90.0f, 1.0f, 30.0f}});
    expectValues({{condition, 0}}, {"tkm", {80.0f, 1.0f, 30.0f}});
    expectValues({{condition, 1}}, {"tkm", {90.0f, 2.0f, 24.0f}});
    expectValues({{condition, 0}}, {"tkm", {90.0f, 2.0f, 26.0f}});
}

TEST(EvaluateExpression, Functions)
{
    const std::vector<Valued> values{{"SQRT(-4)", 0},   {"SQRT(6.25)", 2.5f}, {"LN(1)", 0},        {"TAN(0)", 0},
                                     {"ROUND(2.5)", 2}, {"ROUND(2.51)", 3},   {"ROUND(-2.5)", -3}, {"FLOOR(-1.5)", -2},
                                     {"CEIL(1.2)", 2},  {"SIN(0)", 0},        {"COS(0)", 1},       {"EXP(0)", 1}};
    expectValues(values);
    expectValues({{"ABS5", 5},          // the argument may follow the name directly
                  {"SINE(1)", 0},       // "SIN" matches; "E1.000000" holds no number
                  {"SIN(2^128)", 0}});  // "inf" holds no number
    expectFailures({"LN(0)", "LN(-1)", "COTG(0)"});
    const EvalResult unknown = eval("FOO(1)");
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.value, 1.0f);
}

TEST(EvaluateExpression, RandomValuesAreTheNearestFloatToTheirThousandths)
{
    // x * (r mod 10000) * 0.0001: 1000 * 8467 is 846.7, whose nearest float
    // is 846.700012 (one float step above the 846.699951 of float factors).
    struct Case {
        const char* text;
        int draw;
        float value;
    };
    const Case cases[] = {{"RND(1000)", 8467, 846.7f},
                          {"RND(10)", 32767, 2.767f},
                          {"RND(10)", 9999, 9.999f},
                          {"RND(10)", 10000, 0.0f},
                          {"RND(0.5)", 3, 0.00015f}};
    for (const Case& c : cases) {
        testing::ScriptedRandom random;
        random.script = {c.draw};
        const EvalResult result = EvaluateExpression(c.text, {}, random);
        EXPECT_TRUE(result.ok) << c.text;
        EXPECT_EQ(result.value, c.value) << c.text << " drawing " << c.draw;
    }
}

TEST(EvaluateExpression, GroupsAreEvaluatedBeforeTheOperatorSplit)
{
    // The group draws first: RND(1) takes 3333 (carried as 0.333300), then
    // RND(2) takes 1250 (0.25); no third draw.
    testing::ScriptedRandom random;
    random.script = {3333, 1250, 1};
    std::string text = "RND(2)+(RND(1))";
    NormalizeExpression(text);
    const EvalResult result = EvaluateExpression(text, {}, random);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.value, 0.25f + 0.3333f);
    EXPECT_EQ(random.next_, 2u);
}

TEST(EvaluateExpression, ParameterNames)
{
    const EvalResult unbound = eval("x");
    EXPECT_FALSE(unbound.ok);
    EXPECT_EQ(unbound.value, 1.0f);
    expectValues({{"x", 4}}, {"x", {4.0f}});
    EXPECT_TRUE(fails("xy", {"xy", {1.0f, 2.0f}}));
    expectValues({{"x", 1}}, {"xx", {1.0f, 2.0f}});
    expectValues({{"(x)*2", 0.246914f}}, {"x", {0.1234567f}});
    expectValues({{"", 1}});
}

TEST(EvaluateExpression, FailuresAndTextsLeftOpen)
{
    const std::string kTooLarge = "1" + std::string(39, '0');
    expectFailures({"1/0", "1%0",
                    "1/(0.0000001)",  // the group is carried as 0.000000
                    "(1+2", "1+2)", ")(", "(2))",
                    "(2^128)",  // a lone "inf" is no number
                    // 10^39 is too large for a float, alone, as an operand or an argument
                    kTooLarge, "1+" + kTooLarge, "-" + kTooLarge, "SIN" + kTooLarge, "SIN(" + kTooLarge + ")", "*3",
                    "==3", "&&1", "2!3", "!!1"});
    expectValues({{"2**3", 6},  // 2 * (empty = 1) * 3
                  {"+", 1},
                  {"!", 0}});
}

TEST(EvaluateExpression, LongAndHostileTextsStayBounded)
{
    std::string sum = "1";
    while (sum.size() + 2 <= 4096) sum += "+1";
    std::string huge;
    for (int i = 0; i < 80; ++i) huge += i == 0 ? "(2^127)" : "+(2^127)";
    EXPECT_TRUE(eval(huge).ok);  // 80 values of 46 characters fit in 4096
    for (int i = 0; i < 10; ++i) huge += "+(2^127)";
    expectValues({{sum, 2048},
                  {sum + "1", 2058} /* 4096 characters */,
                  {std::string(2000, '(') + "7" + std::string(2000, ')'), 7},
                  {std::string(4000, '-') + "1", -4000}});
    expectFailures(
        {sum + "+1", std::string(50000, '(') + "7" + std::string(50000, ')'), std::string(100000, '('), huge});

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
