// The parts of definition lines as the parser reads them, spaces and all.

#include <gtest/gtest.h>

#include "core/lsystem/definition_line.h"
#include "support/line_picture.h"

namespace sprig {
namespace {

// Comment, Keyword, Value, RuleMark, Context, ContextMark, Predecessor,
// Parameters, ConditionMark, Condition, Arrow, Probability, Symbol,
// Expression, Number, Ignored, Error.
constexpr std::string_view kLetters = "/KV#CmPp:c>%sen_!";

TEST(InspectDefinitionLine, EveryPartIsWhereTheParserFindsIt)
{
    const std::string longAxiom = "axiom " + std::string(250, 'F');
    const struct {
        std::string line;
        std::string picture;
        std::string problem;
    } cases[] = {
        {"#A(k) < B(x) > C : x>1 -> (0.5) F(x*2)+", "#CCCC.m.Pppp.m.C.:.ccc.>>.%%%%%.seeenes", ""},
        {"ax iom F(1)", "KKKKKK.sene", ""},
        {"define R = 1.5", "KKKKKK.VVVVVVV", ""},
        {"Axiom F  // note", "////////////////", ""},
        {"homomorphism", "KKKKKKKKKKKK", ""},
        {"#AB:x->C", "#P___>>s", ""},
        {"#b(x):x<2->c", "#Pppp:ccc>>s", ""},
        {"#F", "#!", ""},
        {"#", "!", ""},
        {"ignore", "!!!!!!", "Za ignore musí nasledovať aspoň 1 symbol"},
        {"angle x", "KKKKK.!", "Chybný zápis číselnej hodnoty"},
        {"default U(1", "KKKKKKK.!!!", ""},
        {"axiom F(1e2)G", "KKKKK.sennnes", ""},
        {longAxiom, "KKKKK." + std::string(248, 's') + "!!", ""},
        {longAxiom.substr(0, 254), "KKKKK." + std::string(248, 's'), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const DefinitionLine inspected = inspectDefinitionLine(c.line);
        EXPECT_EQ(testing::linePicture(inspected.parts, c.line.size(), kLetters), c.picture);
        EXPECT_EQ(inspected.problem, c.problem);
    }
}

}  // namespace
}  // namespace sprig
