// The options files shipped in examples/ are read without error.

#include <fstream>

#include <gtest/gtest.h>

#include "settings/options_file.h"
#include "support/test_job.h"

namespace sprig {
namespace {

std::vector<std::string> fileLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ExampleOptions, EveryOptionsFileChoosesItsDimension)
{
    struct Case {
        const char* name;
        int dimensions;
        bool hasHomomorphism;
    };
    const Case cases[] = {
        {"bracketed_plant", 2, false}, {"koch_curve", 2, false},     {"koch_snowflake", 2, false},
        {"dragon_curve", 2, false},    {"hilbert_curve", 2, false},  {"sierpinski_arrowhead", 2, false},
        {"stochastic_plant", 2, false}, {"context_signal", 2, false}, {"parametric_tree", 2, false},
        {"homomorphism_cells", 2, true}, {"plant_3d", 3, false},
    };
    for (const Case& c : cases) {
        const std::string definition = std::string(SPRIG_SOURCE_DIR) + "/examples/" + c.name + ".ls";
        Settings settings;
        settings.chosen.drawDimensions = 5 - c.dimensions;
        testing::TestJob job;
        int row = 0;
        EXPECT_EQ(ReadOptions(fileLines(definition), fileLines(optionsPathFor(definition)), settings, row, job), 0)
            << c.name;
        EXPECT_EQ(settings.effective.drawDimensions, c.dimensions) << c.name;
        EXPECT_EQ(settings.hasHomomorphism, c.hasHomomorphism) << c.name;
    }
}

}  // namespace
}  // namespace sprig
