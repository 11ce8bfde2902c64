// The definitions shipped in examples/ parse in both modes; what their
// rules derive is checked by the derivation tests.

#include <gtest/gtest.h>

#include "parse_helper.h"
#include "platform/text_lines.h"

namespace sprig {
namespace {

using testing::Parsed;
using testing::parseLines;

std::vector<std::string> exampleLines(const std::string& name)
{
    std::vector<std::string> lines;
    EXPECT_EQ(readTextLines(std::string(SPRIG_SOURCE_DIR) + "/examples/" + name + ".ls", lines), kDone) << name;
    return lines;
}

TEST(ExampleDefinitions, EveryExampleParsesWithItsRulesInTheRightSection)
{
    struct Case {
        const char* name;
        std::size_t rules;
        std::size_t homomorphismRules;
        bool parametric;
    };
    const Case cases[] = {
        {"bracketed_plant", 1, 0, false},    {"koch_curve", 1, 0, false},     {"koch_snowflake", 1, 0, false},
        {"dragon_curve", 2, 0, false},       {"hilbert_curve", 2, 0, false},  {"sierpinski_arrowhead", 2, 0, false},
        {"stochastic_plant", 3, 0, false},   {"context_signal", 2, 0, false}, {"parametric_tree", 2, 0, true},
        {"homomorphism_cells", 2, 2, false}, {"plant_3d", 4, 0, false},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = exampleLines(c.name);
        const Parsed rules = parseLines(lines, ParseMode::Rules);
        EXPECT_EQ(rules.code, kDone) << c.name;
        EXPECT_EQ(rules.model.productions.size(), c.rules) << c.name;
        EXPECT_EQ(rules.model.parametric, c.parametric) << c.name;
        EXPECT_TRUE(rules.model.angleGiven) << c.name;
        const Parsed homomorphism = parseLines(lines, ParseMode::Homomorphism);
        EXPECT_EQ(homomorphism.code, kDone) << c.name;
        EXPECT_EQ(homomorphism.model.productions.size(), c.homomorphismRules) << c.name;
    }
}

}  // namespace
}  // namespace sprig
