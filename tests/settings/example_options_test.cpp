// The options files shipped in examples/ are read without error.

#include <gtest/gtest.h>

#include "platform/text_lines.h"
#include "settings/options_file.h"
#include "support/test_job.h"

namespace sprig {
namespace {

TEST(ExampleOptions, EveryOptionsFileChoosesItsDimension)
{
    struct Case {
        const char* name;
        int dimensions;
        bool hasHomomorphism;
    };
    const Case cases[] = {
        {"bracketed_plant", 2, false},   {"koch_curve", 2, false},     {"koch_snowflake", 2, false},
        {"dragon_curve", 2, false},      {"hilbert_curve", 2, false},  {"sierpinski_arrowhead", 2, false},
        {"stochastic_plant", 2, false},  {"context_signal", 2, false}, {"parametric_tree", 2, false},
        {"homomorphism_cells", 2, true}, {"plant_3d", 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string definition = std::string(SPRIG_SOURCE_DIR) + "/examples/" + c.name + ".ls";
        std::vector<std::string> definitionLines, optionsLines;
        ASSERT_EQ(readTextLines(definition, definitionLines), kDone);
        ASSERT_EQ(readTextLines(optionsPathFor(definition), optionsLines), kDone);
        Settings settings;
        settings.chosen.drawDimensions = 5 - c.dimensions;
        testing::TestJob job;
        int row = 0;
        EXPECT_EQ(ReadOptions(definitionLines, optionsLines, settings, row, job), kDone);
        EXPECT_EQ(settings.effective.drawDimensions, c.dimensions);
        EXPECT_EQ(settings.hasHomomorphism, c.hasHomomorphism);
    }
}

}  // namespace
}  // namespace sprig
