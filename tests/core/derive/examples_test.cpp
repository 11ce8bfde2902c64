#include <gtest/gtest.h>

#include <filesystem>

#include "core/derive/string_file.h"
#include "derive_fixture.h"
#include "platform/text_lines.h"

namespace sprig::testing {
namespace {

// Derives a bundled example in a scratch folder and counts its steps.
class Examples : public DeriveFixture {
protected:
    void open(const std::string& name)
    {
        const std::string source = std::string(SPRIG_SOURCE_DIR) + "/examples/" + name + ".ls";
        ASSERT_TRUE(readTextLines(source, lines)) << source;
        path = dir.file(name + ".ls");
    }

    std::vector<std::int64_t> counts(int steps, std::string_view ext = kStepExt)
    {
        std::vector<std::int64_t> result;
        for (int n = 0; n <= steps; ++n) {
            if (n == 0 ? call(0, false) != 0 : call(n, false) != 0) return result;
            if (ext == kHomomorphismExt && call(n + 1, true) != 0) return result;
            StringStatistics stats;
            ReadStringStatistics(StringFileName(basePath(path), n, ext), stats);
            result.push_back(stats.symbolCount);
        }
        return result;
    }

    using Counts = std::vector<std::int64_t>;
};

TEST_F(Examples, ClassicCurvesAndPlantsGrowToTheirKnownLengths)
{
    const std::vector<std::pair<std::string, Counts>> expected{
        {"bracketed_plant", {1, 11, 61, 311, 1561}},
        {"koch_curve", {1, 8, 36, 148, 596}},
        {"koch_snowflake", {7, 28, 112, 448, 1792}},
        {"dragon_curve", {2, 6, 14, 30, 62, 126}},
        {"hilbert_curve", {1, 11, 51, 211, 851}},
        {"sierpinski_arrowhead", {1, 5, 17, 53, 161}},
        {"plant_3d", {1, 30, 210, 771, 2568}},
        {"context_signal", {14, 14, 14, 14}},
        {"parametric_tree", {1, 9, 25, 57, 121, 249, 249, 249}},
    };
    for (const auto& [name, lengths] : expected) {
        SCOPED_TRACE(name);
        open(name);
        EXPECT_EQ(counts(static_cast<int>(lengths.size()) - 1), lengths);
    }
}

TEST_F(Examples, ExactStringsOfTheFirstSteps)
{
    open("koch_snowflake");
    ASSERT_EQ(counts(1).size(), 2u);
    EXPECT_EQ(step(0), "n\n60.000000\nF--F--F\n");
    EXPECT_EQ(step(1), "n\n60.000000\nF+F--F+F--F+F--F+F--F+F--F+F");

    open("context_signal");
    ASSERT_EQ(counts(3).size(), 4u);
    EXPECT_EQ(step(2), "n\n45.000000\naF+aF-bF+aF-aF");

    open("parametric_tree");
    ASSERT_EQ(counts(1).size(), 2u);
    EXPECT_EQ(step(1), "p\nF(10.000000)[+(30.000000)A(6.000000)][-(30.000000)A(6.000000)]");
}

TEST_F(Examples, HomomorphismDrawsCellsWithoutChangingTheDerivation)
{
    open("homomorphism_cells");
    EXPECT_EQ(counts(5), (Counts{1, 2, 3, 5, 8, 13}));
    EXPECT_EQ(step(3), "n\n60.000000\nABAAB");
    EXPECT_EQ(counts(5, kHomomorphismExt), (Counts{6, 11, 17, 28, 45, 73}));
    EXPECT_EQ(step(1, kHomomorphismExt), "n\n60.000000\nF[+F]FF[-F]");
}

TEST_F(Examples, StochasticPlantTakesOneOfItsThreeShapes)
{
    open("stochastic_plant");
    const std::vector<std::string> shapes{"F[+F]F[-F]F", "F[+F]F", "F[-F]F"};
    for (int draw : {0, 32, 33, 65, 66, 99}) {
        random.script = {draw};
        random.next_ = 0;
        ASSERT_EQ(counts(1).size(), 2u);
        const std::string string = step(1).substr(std::string("n\n25.700001\n").size());
        EXPECT_EQ(string, shapes[static_cast<std::size_t>(draw < 33 ? 0 : draw < 66 ? 1 : 2)]) << draw;
    }
}

}  // namespace
}  // namespace sprig::testing
