// Splitting rule lines: contexts, predecessor, condition, probability,
// formal parameters, and the order of the rules.

#include <gtest/gtest.h>

#include "parse_helper.h"

namespace sprig {
namespace {

using testing::parseLines;
using testing::Parsed;
using testing::successors;

Production onlyRule(const std::string& line)
{
    const Parsed parsed = parseLines({line});
    EXPECT_EQ(parsed.code, kDone) << line;
    EXPECT_EQ(parsed.model.productions.size(), 1u) << line;
    return parsed.model.productions.empty() ? Production{} : parsed.model.productions[0];
}

TEST(RuleLine, ContextsAreFoundOnlyInTheirPlaces)
{
    const Production left = onlyRule("#A<B->C");
    EXPECT_EQ(left.leftContext, "A");
    EXPECT_EQ(left.leftContextLength, 1);
    EXPECT_EQ(left.leftSymbols, std::vector<ContextSymbol>{"A"});
    EXPECT_EQ(left.predecessor, 'B');
    EXPECT_EQ(left.rightContextLength, 0);
    EXPECT_EQ(left.successor, "C");

    const Production right = onlyRule("#B>C->D");
    EXPECT_EQ(right.leftContextLength, 0);
    EXPECT_EQ(right.predecessor, 'B');
    EXPECT_EQ(right.rightContext, "C");
    EXPECT_EQ(right.rightSymbolCount, 1);
    EXPECT_EQ(right.successor, "D");

    const Production lessInCondition = onlyRule("#b(x):x<2->c");
    EXPECT_EQ(lessInCondition.leftContextLength, 0);
    EXPECT_EQ(lessInCondition.predecessor, 'b');
    EXPECT_EQ(lessInCondition.predecessorParams, "x");
    EXPECT_TRUE(lessInCondition.hasCondition);
    EXPECT_EQ(lessInCondition.condition, "x<2");
    EXPECT_EQ(lessInCondition.successor, "c");

    const Production greaterInCondition = onlyRule("#A(x):x>1->B");
    EXPECT_EQ(greaterInCondition.rightContextLength, 0);
    EXPECT_EQ(greaterInCondition.condition, "x>1");

    const Production notAfterPredecessor = onlyRule("#AB>C->D");
    EXPECT_EQ(notAfterPredecessor.predecessor, 'A');
    EXPECT_EQ(notAfterPredecessor.rightContextLength, 0);
    EXPECT_FALSE(notAfterPredecessor.hasCondition);
    EXPECT_EQ(notAfterPredecessor.successor, "D");
}

TEST(RuleLine, ArrowIsTheFirstMinusFollowedByGreater)
{
    const Production minus = onlyRule("#-->+");
    EXPECT_EQ(minus.predecessor, '-');
    EXPECT_EQ(minus.successor, "+");

    const Production negative = onlyRule("#A(x):x>-1->B(x-1)");
    EXPECT_EQ(negative.condition, "x>-1");
    EXPECT_EQ(negative.successor, "B(x-1)");

    const Production empty = onlyRule("#A ->");
    EXPECT_EQ(empty.successor, "");
    EXPECT_FALSE(empty.hasCondition);
    EXPECT_FLOAT_EQ(empty.probability, 1.0f);
    EXPECT_TRUE(empty.probabilityIsConstant);
}

TEST(RuleLine, ProbabilityIsAConstantOrKeptAsText)
{
    const Production constant = onlyRule("#a(t):->(0.6)X");
    EXPECT_TRUE(constant.hasCondition);
    EXPECT_EQ(constant.condition, "");
    EXPECT_TRUE(constant.probabilityIsConstant);
    EXPECT_FLOAT_EQ(constant.probability, 0.6f);
    EXPECT_EQ(constant.successor, "X");

    const Production text = onlyRule("#a(t):->(t)X");
    EXPECT_FALSE(text.probabilityIsConstant);
    EXPECT_EQ(text.probabilityText, "t");
    EXPECT_EQ(text.successor, "X");

    EXPECT_FLOAT_EQ(onlyRule("#A->(1)B").probability, 1.0f);
    EXPECT_EQ(parseLines({"#A->(1.5)B"}).code, kIoError);
    EXPECT_EQ(parseLines({"#A->(0.5B"}).code, kIoError);
}

TEST(RuleLine, TheFullShapeSplitsIntoEveryField)
{
    const Production rule = onlyRule("#Q(i)M(k,l)O<p(a)>L(b,c)VW(d):a<k*2+l-c->(0.9)A(i)M(k+1,l,c)");
    EXPECT_EQ(rule.leftContext, "Q(i)M(k,l)O");
    EXPECT_EQ(rule.leftContextLength, 11);
    EXPECT_EQ(rule.leftSymbols, (std::vector<ContextSymbol>{"Qi", "Mkl", "O"}));
    EXPECT_EQ(rule.leftSymbolCount, 3);
    EXPECT_EQ(rule.leftParamCount, 3);
    EXPECT_EQ(rule.predecessor, 'p');
    EXPECT_EQ(rule.predecessorParams, "a");
    EXPECT_EQ(rule.predecessorParamCount, 1);
    EXPECT_EQ(rule.rightContext, "L(b,c)VW(d)");
    EXPECT_EQ(rule.rightContextLength, 11);
    EXPECT_EQ(rule.rightSymbols, (std::vector<ContextSymbol>{"Lbc", "V", "Wd"}));
    EXPECT_EQ(rule.rightSymbolCount, 3);
    EXPECT_EQ(rule.rightParamCount, 3);
    EXPECT_TRUE(rule.hasCondition);
    EXPECT_EQ(rule.condition, "a<k*2+l-c");
    EXPECT_TRUE(rule.probabilityIsConstant);
    EXPECT_FLOAT_EQ(rule.probability, 0.9f);
    EXPECT_EQ(rule.successor, "A(i)M(k+1,l,c)");
    EXPECT_EQ(rule.formalParams, "aklibcd");
    EXPECT_EQ(rule.formalParamCount, 7);
}

TEST(RuleLine, ParameterListsMakeTheSystemParametric)
{
    EXPECT_FALSE(parseLines({"#A<B>C->D"}).model.parametric);
    EXPECT_TRUE(parseLines({"#A()->B"}).model.parametric);
    EXPECT_TRUE(parseLines({"#B(x)<A->C"}).model.parametric);
    EXPECT_TRUE(parseLines({"#A>B(x)->C"}).model.parametric);
    EXPECT_FALSE(parseLines({"#A->B(1)"}).model.parametric);

    const Production empty = onlyRule("#A()->B");
    EXPECT_EQ(empty.predecessorParamCount, 0);
    const Production longNames = onlyRule("#B(xy)->C");
    EXPECT_EQ(longNames.predecessorParams, "xy");
    EXPECT_EQ(longNames.predecessorParamCount, 2);
}

TEST(RuleLine, FormalParametersBindPredecessorThenLeftOutwardThenRight)
{
    EXPECT_EQ(onlyRule("#B(u)C(v,w)<A(x)->D").formalParams, "xvwu");
    EXPECT_EQ(onlyRule("#A>B(p)C(q,r)->D").formalParams, "pqr");
    EXPECT_EQ(onlyRule("#A(x)<B(y)>C(z)->D").formalParams, "yxz");

    EXPECT_EQ(parseLines({"#A(x)<B(x)->C"}).code, kSyntaxError);
    EXPECT_EQ(parseLines({"#A(x)<B(y)>C(x)->D"}).code, kSyntaxError);
    EXPECT_EQ(parseLines({"#B(x,x)->C"}).code, kSyntaxError);
    EXPECT_EQ(parseLines({"#B(x)->C", "#B(x)->D"}).code, kDone);
}

TEST(RuleLine, MalformedLinesGiveACode)
{
    struct Case {
        std::string line;
        int code;
    };
    const std::vector<Case> cases{
        {"#", kOutOfMemory},
        {"#A(", kOutOfMemory},
        {"#A>", kOutOfMemory},
        {"#A-B", kOutOfMemory},
        {"#->", kIoError},
        {"#->B", kIoError},
        {"#:->B", kIoError},
        {"#A<->B", kIoError},
        {"#A(x->B", kIoError},
        {"#A(x->B)", kIoError},
        {"#A(x:y)->B", kIoError},
        {"#A<B(x->C", kIoError},
        {"#A(x<B->C", kIoError},
        {"#(x)<B->C", kIoError},
        {"#A(" + std::string(21, 'a') + ")<B->C", kIoError},
        {"#(x)->", kDone},
    };
    for (const Case& c : cases) EXPECT_EQ(parseLines({"axiom F", c.line}).code, c.code) << c.line;

    const Production twenty = onlyRule("#A(abcdefghijklmnopqrst)<B->C");
    EXPECT_EQ(twenty.leftParamCount, 20);
}

TEST(RuleOrder, LeftContextRulesMoveBeforeAnEarlierContextFreeRule)
{
    EXPECT_EQ(successors(parseLines({"#A->B", "#X<A->C"}).model), (std::vector<std::string>{"C", "B"}));
    EXPECT_EQ(successors(parseLines({"#A->1", "#B->2", "#X<A->3", "#Y<B->4", "#Z<A->5"}).model),
              (std::vector<std::string>{"3", "5", "1", "4", "2"}));
    EXPECT_EQ(successors(parseLines({"#A->1", "#A->2", "#X<A->3"}).model),
              (std::vector<std::string>{"3", "1", "2"}));
    EXPECT_EQ(successors(parseLines({"#X<A->1", "#A->2"}).model), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(successors(parseLines({"#A->1", "#A>X->2"}).model), (std::vector<std::string>{"1", "2"}));
}

TEST(RuleOrder, ContextExtentsAreTheLargestOfTheKeptRules)
{
    const Parsed parsed = parseLines({"#A<B->C", "#XY<B>C(p,q)D->E", "#B>CDE->F", "homomorphism",
                                      "#UVWXY<B>C(a,b,c)->G"});
    EXPECT_EQ(parsed.model.maxLeftContextSymbols, 2);
    EXPECT_EQ(parsed.model.maxRightContextSymbols, 3);
    EXPECT_EQ(parsed.model.maxRightContextParams, 2);
}

}  // namespace
}  // namespace sprig
