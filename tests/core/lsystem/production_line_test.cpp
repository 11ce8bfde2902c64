// Splitting rule lines: contexts, predecessor, condition, probability,
// formal parameters, and the order of the rules.

#include <gtest/gtest.h>

#include "parse_helper.h"

namespace sprig {
namespace {

using testing::describe;
using testing::Parsed;
using testing::parseLines;
using testing::successors;

TEST(RuleLine, EveryPartIsFoundInItsPlace)
{
    struct Case {
        const char* line;
        const char* fields;
    };
    const Case cases[] = {
        {"#A<B->C", "left=A pred=B params= right= nocond p=1.000000 succ=C formal="},
        {"#B>C->D", "left= pred=B params= right=C nocond p=1.000000 succ=D formal="},
        {"#b(x):x<2->c", "left= pred=b params=x right= cond=x<2 p=1.000000 succ=c formal=x"},
        {"#A(x):x>1->B", "left= pred=A params=x right= cond=x>1 p=1.000000 succ=B formal=x"},
        {"#AB>C->D", "left= pred=A params= right= nocond p=1.000000 succ=D formal="},
        {"#-->+", "left= pred=- params= right= nocond p=1.000000 succ=+ formal="},
        {"#A(x):x>-1->B(x-1)", "left= pred=A params=x right= cond=x>-1 p=1.000000 succ=B(x-1) formal=x"},
        {"#A ->", "left= pred=A params= right= nocond p=1.000000 succ= formal="},
        {"#a(t):->(0.6)X", "left= pred=a params=t right= cond= p=0.600000 succ=X formal=t"},
        {"#a(t):->(t)X", "left= pred=a params=t right= cond= ptext=t succ=X formal=t"},
        {"#A->(1)B", "left= pred=A params= right= nocond p=1.000000 succ=B formal="},
        {"#A()->B", "left= pred=A params= right= nocond p=1.000000 succ=B formal="},
        {"#B(xy)->C", "left= pred=B params=xy right= nocond p=1.000000 succ=C formal=xy"},
        {"#B(u)C(v,w)<A(x)->D", "left=B(u)C(v,w) pred=A params=x right= nocond p=1.000000 succ=D formal=xvwu"},
        {"#A>B(p)C(q,r)->D", "left= pred=A params= right=B(p)C(q,r) nocond p=1.000000 succ=D formal=pqr"},
        {"#A(x)<B(y)>C(z)->D", "left=A(x) pred=B params=y right=C(z) nocond p=1.000000 succ=D formal=yxz"},
        {"#(x)->", "left= pred=( params= right= nocond p=1.000000 succ= formal="},
    };
    for (const Case& c : cases) {
        const Parsed parsed = parseLines({c.line});
        ASSERT_EQ(parsed.code, kDone) << c.line;
        ASSERT_EQ(parsed.model.productions.size(), 1u) << c.line;
        EXPECT_EQ(describe(parsed.model.productions[0]), c.fields) << c.line;
    }
}

TEST(RuleLine, TheFullShapeSplitsIntoSymbolsAndBindingOrder)
{
    const Parsed parsed = parseLines({"#Q(i)M(k,l)O<p(a)>L(b,c)VW(d):a<k*2+l-c->(0.9)A(i)M(k+1,l,c)"});
    ASSERT_EQ(parsed.code, kDone);
    const Production& rule = parsed.model.productions.at(0);
    EXPECT_EQ(describe(rule), "left=Q(i)M(k,l)O pred=p params=a right=L(b,c)VW(d) cond=a<k*2+l-c p=0.900000 "
                              "succ=A(i)M(k+1,l,c) formal=aklibcd");
    EXPECT_EQ(rule.leftSymbols, (std::vector<ContextSymbol>{"Qi", "Mkl", "O"}));
    EXPECT_EQ(rule.rightSymbols, (std::vector<ContextSymbol>{"Lbc", "V", "Wd"}));
    EXPECT_EQ(rule.leftParamCount, 3);
    EXPECT_EQ(rule.rightParamCount, 3);
    EXPECT_EQ(rule.formalParamCount, 7);
}

TEST(RuleLine, ParameterListsOnHeadsMakeTheSystemParametric)
{
    for (const char* line : {"#A<B>C->D", "#A->B(1)"}) EXPECT_FALSE(parseLines({line}).model.parametric) << line;
    for (const char* line : {"#A()->B", "#B(x)<A->C", "#A>B(x)->C"})
        EXPECT_TRUE(parseLines({line}).model.parametric) << line;
}

TEST(RuleLine, FaultsGiveTheirCodes)
{
    const std::pair<int, std::vector<std::string>> cases[] = {
        {kOutOfMemory, {"#", "#A(", "#A>", "#A-B"}},
        {kIoError,
         {"#A->(1.5)B", "#A->(0.5B", "#->", "#->B", "#:->B", "#A<->B", "#A(->B", "#A(x->B", "#A(x->B)", "#A(x:y)->B",
          "#A<B(x->C", "#A(x<B->C", "#(x)<B->C", "#A(" + std::string(21, 'a') + ")<B->C"}},
        {kSyntaxError, {"#A(x)<B(x)->C", "#A(x)<B(y)>C(x)->D", "#B(x,x)->C"}},
        {kDone, {"#A(abcdefghijklmnopqrst)<B->C"}},
    };
    for (const auto& [code, lines] : cases)
        for (const std::string& line : lines) EXPECT_EQ(parseLines({"axiom F", line}).code, code) << line;
    EXPECT_EQ(parseLines({"#B(x)->C", "#B(x)->D"}).code, kDone);
}

TEST(RuleOrder, LeftContextRulesMoveBeforeAnEarlierContextFreeRule)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(successors(parseLines({"#A->B", "#X<A->C"}).model), (Lines{"C", "B"}));
    EXPECT_EQ(successors(parseLines({"#A->1", "#B->2", "#X<A->3", "#Y<B->4", "#Z<A->5"}).model),
              (Lines{"3", "5", "1", "4", "2"}));
    EXPECT_EQ(successors(parseLines({"#A->1", "#A->2", "#X<A->3"}).model), (Lines{"3", "1", "2"}));
    EXPECT_EQ(successors(parseLines({"#X<A->1", "#A->2"}).model), (Lines{"1", "2"}));
    EXPECT_EQ(successors(parseLines({"#A->1", "#A>X->2"}).model), (Lines{"1", "2"}));
}

TEST(RuleOrder, ContextExtentsAreTheLargestOfTheKeptRules)
{
    const Parsed parsed =
        parseLines({"#A<B->C", "#XY<B>C(p,q)D->E", "#B>CDE->F", "homomorphism", "#UVWXY<B>C(a,b,c)->G"});
    EXPECT_EQ(parsed.model.maxLeftContextSymbols, 2);
    EXPECT_EQ(parsed.model.maxRightContextSymbols, 3);
    EXPECT_EQ(parsed.model.maxRightContextParams, 2);
}

}  // namespace
}  // namespace sprig
