#include <gtest/gtest.h>

#include "core/derive/string_file.h"
#include "derive_fixture.h"
#include "platform/text_lines.h"

namespace sprig::testing {
namespace {

// Derives a bundled example in a scratch folder and counts its steps: step 0
// by reading it, every later one as its pass counted it while writing.
class Examples : public DeriveFixture {
protected:
    void open(const std::string& name)
    {
        const std::string source = std::string(SPRIG_SOURCE_DIR) + "/examples/" + name + ".ls";
        ASSERT_EQ(readTextLines(source, lines), kDone) << source;
        path = dir.file(name + ".ls");
    }

    std::vector<std::int64_t> counts(int steps, std::string_view ext = kStepExt)
    {
        std::vector<std::int64_t> result;
        for (int n = 0; n <= steps; ++n) {
            if (n == 0 ? call(0, false) != 0 : call(n, false) != 0) return result;
            if (ext == kHomomorphismExt && call(n + 1, true) != 0) return result;
            const std::string name = StringFileName(basePath(path), n, ext);
            StringStatistics stats;
            if (n > 0 || ext == kHomomorphismExt) {
                if (!written || written->path != name) return result;
                stats = written->statistics;
            } else if (ReadStringStatistics(name, stats) != kDone) {
                return result;
            }
            result.push_back(stats.symbolCount);
        }
        return result;
    }

    using Counts = std::vector<std::int64_t>;
};

// The bracketed plants b to f of the classic series. With t the symbol
// count, and for the plants with an apex X, x the number of X and f the
// number of F of a step:
//   b: F -> F[+F]F[-F][F] (13 symbols, 5 F): t' = t + 12 * 5^n
//   c: F -> FF-[-F+F+F]+[+F-F-F] (20 symbols, 8 F): t' = t + 19 * 8^n
//   d: X -> F[+X]F[-X]+X (12 symbols, 2 F, 3 X), F -> FF:
//      x = 3^n, f' = 2f + 2x, t' = t + 11x + f
//   e: X -> F[+X][-X]FX (11 symbols, 2 F, 3 X), F -> FF:
//      x = 3^n, f' = 2f + 2x, t' = t + 10x + f
//   f: X -> F-[[X]+X]+F[+FX]-X (18 symbols, 3 F, 4 X), F -> FF:
//      x = 4^n, f' = 2f + 3x, t' = t + 17x + f
// The three-dimensional plants. A symbol with a parameter list counts once.
//   leafy_bush: axiom of 3 symbols; A -> 33 symbols (3 A, 3 F, 3 L),
//     F -> S/////F (7), S -> FL (2), L -> 21 symbols without A, F, S or L.
//     a' = 3a, f' = 3a + f + s, s' = f, l' = 3a + s,
//     t' = t + 32a + 6f + s + 20l.
//   monopodial_tree: A, B and C each become 8 symbols; A keeps one A and
//     adds one B, B makes two C, C makes two B, so a + b + c = 2^n and
//     t = 1 + 7 (2^n - 1).
//   ternary_tree: axiom of 4 symbols; A -> 19 symbols with 3 A, while F
//     and ! stay single symbols: t' = t + 18 * 3^n.
TEST_F(Examples, EveryExampleGrowsToItsKnownLengths)
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
        {"plant_b", {1, 13, 73, 373, 1873}},
        {"plant_c", {1, 20, 172, 1388}},
        {"plant_d", {1, 12, 47, 156, 491, 1512}},
        {"plant_e", {1, 11, 43, 143, 451, 1391}},
        {"plant_f", {1, 18, 89, 379, 1551}},
        {"leafy_bush", {3, 35, 209, 752, 2480}},
        {"monopodial_tree", {1, 8, 22, 50, 106, 218, 442}},
        {"ternary_tree", {4, 22, 76, 238, 724, 2182}},
    };
    for (const auto& [name, lengths] : expected) {
        SCOPED_TRACE(name);
        open(name);
        EXPECT_EQ(counts(static_cast<int>(lengths.size()) - 1), lengths);
    }
}

// Whole strings of the first steps. Colour and width values stay in a
// string without parameter rules. In monopodial_tree 10 * 0.6 = 6,
// 10 * 0.9 = 9, 1 * 0.707 = 0.707, and the bare & gets the 45 degrees of
// the angle line. Values are single-precision floats: in ternary_tree
// 200 * 1.109 is 221.799988, the angle 18.95 is 18.950001, 94.74 is
// 94.739998 and 132.63 is 132.630005, and every new F gets the default
// length 50.
TEST_F(Examples, TheFirstStepsAreTheStringsTheRulesGive)
{
    const std::string twig = "[&(18.950001)F(50.000000)A]";
    const struct {
        const char* name;
        int n;
        std::string string;
    } cases[] = {
        {"plant_b", 1, "n\n20.000000\nF[+F]F[-F][F]"},
        {"plant_d", 1, "n\n20.000000\nF[+X]F[-X]+X"},
        {"plant_d", 2, "n\n20.000000\nFF[+F[+X]F[-X]+X]FF[-F[+X]F[-X]+X]+F[+X]F[-X]+X"},
        {"plant_f", 1, "n\n22.500000\nF-[[X]+X]+F[+FX]-X"},
        {"leafy_bush", 0, "n\n22.500000\n:(0.45,0.3,0.1)!(0.5)A\n"},
        {"leafy_bush", 1, "n\n22.500000\n:(0.450000,0.300000,0.100000)!(0.500000)[&FL!A]/////[&FL!A]///////[&FL!A]"},
        {"monopodial_tree", 1,
         "p\n!(1.000000)F(10.000000)[&(45.000000)B(6.000000,0.707000)]/(137.500000)A(9.000000,0.707000)"},
        {"ternary_tree", 0, "p\n!(1)F(200)/(45)A\n"},
        {"ternary_tree", 1,
         "p\n!(1.732000)F(221.799988)/(45.000000)!(1.732000)F(50.000000)" + twig + "/(94.739998)" + twig +
             "/(132.630005)" + twig},
        {"koch_snowflake", 0, "n\n60.000000\nF--F--F\n"},
        {"koch_snowflake", 1, "n\n60.000000\nF+F--F+F--F+F--F+F--F+F--F+F"},
        {"context_signal", 2, "n\n45.000000\naF+aF-bF+aF-aF"},
        {"parametric_tree", 1, "p\nF(10.000000)[+(30.000000)A(6.000000)][-(30.000000)A(6.000000)]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.n));
        open(c.name);
        ASSERT_EQ(counts(c.n).size(), static_cast<std::size_t>(c.n) + 1);
        EXPECT_EQ(step(c.n), c.string);
    }
    // The leaf keeps its colour index 10.
    const std::string leaf = "[:(10.000000)^^{-f+f+f-|-f+f+f}]";
    open("leafy_bush");
    ASSERT_EQ(counts(2).size(), 3u);
    EXPECT_NE(step(2).find("[&S/////F" + leaf + "![&FL!A]/////[&FL!A]///////[&FL!A]]"), std::string::npos);
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
