// Default parameters, angle entries and constants.

#include <gtest/gtest.h>

#include "core/lsystem/defaults_and_constants.h"
#include "parse_helper.h"

namespace sprig {
namespace {

using testing::parseLines;
using testing::Parsed;
using testing::successors;

std::string filled(const std::string& text, const std::vector<DefaultSpec>& defaults)
{
    std::string out;
    EXPECT_EQ(ApplyDefaults(text, defaults, out), kDone) << text;
    return out;
}

std::string substituted(const std::string& text, const std::vector<Constant>& constants)
{
    std::string out;
    EXPECT_EQ(SubstituteConstants(text, constants, out), kDone) << text;
    return out;
}

TEST(ApplyDefaults, MissingParametersComeFromTheFirstEntryForTheSymbol)
{
    const std::vector<DefaultSpec> u{"U(1.67,7)"};
    EXPECT_EQ(filled("U(5)", u), "U(5,7)");
    EXPECT_EQ(filled("U", u), "U(1.67,7)");
    EXPECT_EQ(filled("U(1,2,3)", u), "U(1,2,3)");
    EXPECT_EQ(filled("U(1,2)", u), "U(1,2)");
    EXPECT_EQ(filled("FU[U(x*(2+1))]", u), "FU(1.67,7)[U(x*(2+1),7)]");
    EXPECT_EQ(filled("F(U)", u), "F(U)");
    EXPECT_EQ(filled("U(ABS(1),2)", u), "U(ABS(1),2)");
    EXPECT_EQ(filled("U", {"U(1)", "U(2,3)"}), "U(1)");
    EXPECT_EQ(filled("AB", {"B(1,2,3)"}), "AB(1,2,3)");
    EXPECT_EQ(filled("B(9)", {"B(1,2,3)"}), "B(9,2,3)");
}

TEST(ApplyDefaults, UnclosedListsAndOverlongResultsFail)
{
    const std::vector<DefaultSpec> u{"U(1.67,7)"};
    std::string out;
    EXPECT_EQ(ApplyDefaults("U(5", u, out), kIoError);
    EXPECT_EQ(ApplyDefaults("FU(5(", u, out), kIoError);

    EXPECT_EQ(ApplyDefaults(std::string(222, 'U') + "X", u, out), kDone);
    EXPECT_EQ(out.size(), 1999u);
    EXPECT_EQ(ApplyDefaults(std::string(222, 'U') + "XY", u, out), kIoError);
}

TEST(SubstituteConstants, NamesAreReplacedWhereverTheyStandAndValuesAreNotSearched)
{
    EXPECT_EQ(substituted("AB", {{"A", "5"}}), "5B");
    EXPECT_EQ(substituted("A", {{"A", "AA"}}), "AA");
    EXPECT_EQ(substituted("AB", {{"A", "B"}, {"B", "C"}}), "BC");
    EXPECT_EQ(substituted("xyz", {{"A", "5"}}), "xyz");
    EXPECT_EQ(substituted("len*len", {{"len", "2"}}), "2*2");
}

TEST(SubstituteConstants, AtOneEarliestPlaceTheLastConstantElseTheFirstWins)
{
    EXPECT_EQ(substituted("ABX", {{"A", "1"}, {"AB", "2"}, {"X", "9"}}), "1B9");
    EXPECT_EQ(substituted("AB", {{"A", "1"}, {"AB", "2"}}), "2");
    EXPECT_EQ(substituted("AB", {{"AB", "2"}, {"A", "1"}}), "1B");
    EXPECT_EQ(substituted("BA", {{"A", "1"}, {"B", "2"}}), "21");
}

TEST(SubstituteConstants, OverlongResultsFail)
{
    const std::vector<Constant> big{{"A", std::string(1000, '9')}};
    std::string out;
    EXPECT_EQ(SubstituteConstants("A", big, out), kDone);
    EXPECT_EQ(SubstituteConstants("AxA", big, out), kIoError);
}

TEST(DefinitionDefaults, AngleEntriesFollowTheDefaultLinesInParametricSystems)
{
    const Parsed parametric = parseLines({"angle 18", "axiom +F(1)", "#F(x)->F(x)+F(x)"});
    ASSERT_EQ(parametric.code, kDone);
    EXPECT_EQ(parametric.model.axiom, "+(18.000000)F(1)");
    EXPECT_EQ(successors(parametric.model), std::vector<std::string>{"F(x)+(18.000000)F(x)"});
    EXPECT_EQ(parametric.model.defaults,
              (std::vector<DefaultSpec>{"-(18.000000)", "+(18.000000)", "^(18.000000)", "&(18.000000)",
                                        "/(18.000000)", "\\(18.000000)"}));

    const Parsed plain = parseLines({"angle 18", "axiom +F", "#F->F+F"});
    EXPECT_TRUE(plain.model.defaults.empty());
    EXPECT_EQ(plain.model.axiom, "+F");

    const Parsed noAngleLine = parseLines({"#F(x)->+F(x)"});
    EXPECT_EQ(successors(noAngleLine.model), std::vector<std::string>{"+F(x)"});

    const Parsed overridden = parseLines({"angle 18", "default +(45)", "#F(x)->+F(x)-F(x)"});
    EXPECT_EQ(successors(overridden.model), std::vector<std::string>{"+(45)F(x)-(18.000000)F(x)"});
}

TEST(DefinitionDefaults, DefaultsAreFilledBeforeConstantsAreSubstituted)
{
    const Parsed parsed = parseLines({"default U(a,7)", "define a=1.5", "axiom U(5)", "#X->U"});
    ASSERT_EQ(parsed.code, kDone);
    EXPECT_EQ(parsed.model.axiom, "U(5,7)");
    EXPECT_EQ(successors(parsed.model), std::vector<std::string>{"U(1.5,7)"});

    EXPECT_EQ(parseLines({"default U(1)", "#X->U(2"}).code, kIoError);
    EXPECT_EQ(parseLines({"default U(1)", "axiom U(2"}).code, kIoError);
}

TEST(DefinitionConstants, ConditionsProbabilitiesAndSuccessorsButNotHeadsAreSubstituted)
{
    const Parsed parsed = parseLines({"define A=5", "define p=0.5", "#A<A(x):x<A->(p)A"});
    ASSERT_EQ(parsed.code, kDone);
    const Production& rule = parsed.model.productions.at(0);
    EXPECT_EQ(rule.leftContext, "A");
    EXPECT_EQ(rule.predecessor, 'A');
    EXPECT_EQ(rule.predecessorParams, "x");
    EXPECT_EQ(rule.condition, "x<5");
    EXPECT_FALSE(rule.probabilityIsConstant);
    EXPECT_EQ(rule.probabilityText, "0.5");
    EXPECT_EQ(rule.successor, "5");

    const Parsed noCondition = parseLines({"define x=1", "#A(x)->B"});
    EXPECT_FALSE(noCondition.model.productions.at(0).hasCondition);
    EXPECT_EQ(noCondition.model.productions.at(0).condition, "");
}

}  // namespace
}  // namespace sprig
