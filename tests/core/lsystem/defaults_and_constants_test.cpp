// Default parameters, angle entries and constants.

#include <gtest/gtest.h>

#include "core/lsystem/defaults_and_constants.h"
#include "parse_helper.h"

namespace sprig {
namespace {

using testing::Parsed;
using testing::parseLines;
using testing::successors;
using Lines = std::vector<std::string>;

TEST(ApplyDefaults, MissingParametersComeFromTheFirstEntryForTheSymbol)
{
    struct Case {
        std::string text;
        std::vector<DefaultEntry> defaults;
        const char* filled;
    };
    const std::vector<DefaultEntry> u{"U(1.67,7)"};
    const Case cases[] = {
        {"U(5)", u, "U(5,7)"},
        {"U", u, "U(1.67,7)"},
        {"U(1,2,3)", u, "U(1,2,3)"},
        {"U(1,2)", u, "U(1,2)"},
        {"F(U)", u, "F(U)"},
        {"U(ABS(1),2)", u, "U(ABS(1),2)"},
        {"FU[U(x*(2+1))]", u, "FU(1.67,7)[U(x*(2+1),7)]"},
        {"U", {"U(1)", "U(2,3)"}, "U(1)"},
        {"B(9)A", {"B(1,2,3)"}, "B(9,2,3)A"},
        {std::string(222, 'U') + "X", u, nullptr},  // 1999 characters: still fits
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(ApplyDefaults(c.text, c.defaults, out), kDone) << c.text;
        if (c.filled) EXPECT_EQ(out, c.filled);
        else EXPECT_EQ(out.size(), 1999u);
    }
    // Unclosed lists and overlong results fail.
    for (const std::string& text : std::vector<std::string>{"U(5", "FU(5(", std::string(222, 'U') + "XY"}) {
        std::string out;
        EXPECT_EQ(ApplyDefaults(text, u, out), kIoError) << text;
    }
}

TEST(SubstituteConstants, EarliestNameWinsTiesGoToTheLastElseTheFirstConstant)
{
    struct Case {
        const char* text;
        std::vector<Constant> constants;
        const char* substituted;
    };
    const Case cases[] = {
        {"AB", {{"A", "5"}}, "5B"},
        {"A", {{"A", "AA"}}, "AA"},
        {"AB", {{"A", "B"}, {"B", "C"}}, "BC"},
        {"len*len", {{"len", "2"}}, "2*2"},
        {"xyz", {{"A", "5"}}, "xyz"},
        {"AB", {{"A", "1"}, {"AB", "2"}}, "2"},
        {"ABX", {{"A", "1"}, {"AB", "2"}, {"X", "9"}}, "1B9"},
        {"AB", {{"AB", "2"}, {"A", "1"}}, "1B"},
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(SubstituteConstants(c.text, c.constants, out), kDone) << c.text;
        EXPECT_EQ(out, c.substituted);
    }
    const std::vector<Constant> big{{"A", std::string(999, '9')}};
    std::string out;
    EXPECT_EQ(SubstituteConstants("AxA", big, out), kDone);  // 1999 characters still fit
    EXPECT_EQ(out.size(), 1999u);
    EXPECT_EQ(SubstituteConstants("AxxA", big, out), kIoError);
}

TEST(DefinitionDefaults, AngleEntriesFollowTheDefaultLinesInParametricSystems)
{
    const Parsed parametric = parseLines({"angle 18", "axiom +F(1)", "#F(x)->F(x)+F(x)"});
    ASSERT_EQ(parametric.code, kDone);
    EXPECT_EQ(parametric.model.axiom, "+(18.000000)F(1)");
    EXPECT_EQ(successors(parametric.model), Lines{"F(x)+(18.000000)F(x)"});
    EXPECT_EQ(parametric.model.defaults, (std::vector<DefaultEntry>{"-(18.000000)", "+(18.000000)", "^(18.000000)",
                                                                    "&(18.000000)", "/(18.000000)", "\\(18.000000)"}));

    const Parsed plain = parseLines({"angle 18", "axiom +F", "#F->F+F"});
    EXPECT_TRUE(plain.model.defaults.empty());
    EXPECT_EQ(plain.model.axiom, "+F");
    EXPECT_EQ(successors(parseLines({"#F(x)->+F(x)"}).model), Lines{"+F(x)"});
    EXPECT_EQ(successors(parseLines({"angle 18", "default +(45)", "#F(x)->+F(x)-F(x)"}).model),
              Lines{"+(45)F(x)-(18.000000)F(x)"});
}

TEST(DefinitionConstants, DefaultsAreFilledFirstAndHeadsKeepTheirNames)
{
    const Parsed parsed = parseLines({"default U(a,7)", "define a=1.5", "axiom U(5)", "#X->U"});
    ASSERT_EQ(parsed.code, kDone);
    EXPECT_EQ(parsed.model.axiom, "U(5,7)");
    EXPECT_EQ(successors(parsed.model), Lines{"U(1.5,7)"});
    EXPECT_EQ(parseLines({"default U(1)", "#X->U(2"}).code, kIoError);
    EXPECT_EQ(parseLines({"default U(1)", "axiom U(2"}).code, kIoError);
    // Conditions, probabilities and successors get constants; heads do not.
    const Parsed constants = parseLines({"define A=5", "define p=0.5", "#A<A(x):x<A->(p)A"});
    ASSERT_EQ(constants.code, kDone);
    EXPECT_EQ(testing::describe(constants.model.productions.at(0)),
              "left=A pred=A params=x right= cond=x<5 ptext=0.5 succ=5 formal=x");
}

}  // namespace
}  // namespace sprig
