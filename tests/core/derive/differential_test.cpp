// The step as DeriveStrings takes it (plain symbols settled by table, a
// string without "%" read in place, the symbols counted while written)
// against the general way, on random definitions and strings that use every
// feature.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "general_path.h"
#include "platform/text_lines.h"
#include "support/temp_dir.h"

namespace sprig::testing {
namespace {

using differential::StepCase;

template <std::size_t N>
const char* pick(std::mt19937& g, const char* const (&from)[N])
{
    return from[std::uniform_int_distribution<std::size_t>(0, N - 1)(g)];
}

bool chance(std::mt19937& g, double p) { return std::bernoulli_distribution(p)(g); }

// Symbols, often with parameter lists; now and then a broken list, a list
// after a list, a cut or a second line.
std::string randomString(std::mt19937& g, std::size_t length)
{
    static const char* const symbols[] = {"A", "A", "B", "B", "F", "F", "F", "+", "-", "[", "]", "%", "C", ","};
    static const char* const lists[] = {"(1)",         "(0.5,2)",          "(2*3)",       "(-1.25)",
                                        "(3,(4))",     "(1.500000)",       "(-0.000000)", "(0.900000,7.000000)",
                                        "(16.000001)", "(137.500000,2.1)", "(07.000000)"};
    static const char* const broken[] = {"(x)", "()", "(1", "(1e39)", "(1)(2)"};
    // Branches opened first close late or never.
    std::string s = chance(g, 0.5) ? "[[" : "";
    while (s.size() < length) {
        s += pick(g, symbols);
        if (chance(g, 0.2)) s += pick(g, lists);
        if (chance(g, 0.002)) s += pick(g, broken);
        if (chance(g, 0.0005)) s += "\nF(";
    }
    return s;
}

std::string randomProduction(std::mt19937& g)
{
    static const char* const predecessors[] = {"A", "B", "F", "+", "[", "A(x)", "B(x)", "F(x)", "A(x,y)"};
    static const char* const lefts[] = {"", "", "", "B<", "A(y)<", "F<"};
    static const char* const rights[] = {"", "", "", ">B", ">A(z)", ">F[B]", ">BA"};
    static const char* const conditions[] = {"", "", "", ":x>0.5", ":1", ":0"};
    static const char* const chances[] = {"", "", "(0.5)", "(0.3)", "(1)", "(2)", "(x)", "(rnd(1))"};
    static const char* const successors[] = {"F",    "F[+A]F",    "B",         "*",
                                             "A(1)", "F(x*2)",    "B(y+z)",    "FFFFFFFFFFFFFFFFFFFFG",
                                             "",     "A(rnd(2))", "[-B(1,2)]", "(1)(2)(x)B"};
    const std::string head = std::string(pick(g, lefts)) + pick(g, predecessors) + pick(g, rights);
    std::string tail = std::string(pick(g, conditions)) + "->" + pick(g, chances) + pick(g, successors);
    if (chance(g, 0.3)) tail += pick(g, successors);
    // Names the head does not bind mostly become numbers; the rest fail.
    for (char name : {'x', 'y', 'z'}) {
        if (head.find(name) == std::string::npos && chance(g, 0.9)) std::replace(tail.begin(), tail.end(), name, '3');
    }
    return "#" + head + tail + "\n";
}

std::string randomDefinition(std::mt19937& g)
{
    static const char* const ignores[] = {"", "", "ignore +-\n", "ignore F+-\n"};
    std::string text = std::string("angle 30\n") + pick(g, ignores);
    for (int n = std::uniform_int_distribution(0, 4)(g); n > 0; --n) text += randomProduction(g);
    if (chance(g, 0.3)) text += "homomorphism\n" + randomProduction(g);
    return text;
}

void expectSameStep(const TempDir& dir, StepCase c, const std::string& string, const std::string& definition)
{
    for (const std::string& name : dir.names()) std::filesystem::remove(dir.file(name));
    dir.write("d_000.stt", (string.size() % 3 == 0 ? "n\n60\n" : "p\n") + string);
    for (bool homomorphism : {false, true}) {
        c.homomorphism = homomorphism;
        EXPECT_EQ(differential::deriveStep(c), differential::generalStep(c))
            << definition << "string: " << string << "\nhomomorphism " << homomorphism << " stop " << c.stopAt;
    }
}

TEST(DifferentialRewriting, RandomDefinitionsAndStrings)
{
    TempDir dir;
    std::mt19937 g(17);
    for (int i = 0; i < 600; ++i) {
        const std::string definition = randomDefinition(g);
        const std::string string = randomString(g, std::uniform_int_distribution<std::size_t>(0, 300)(g));
        StepCase c{splitLines(definition), dir.file("d"), false, 150, 0, static_cast<std::uint32_t>(i)};
        // Stop pressed at the first or a later progress step.
        if (chance(g, 0.3)) c.stopAt = std::uniform_int_distribution<std::size_t>(1, 2)(g);
        expectSameStep(dir, c, string, definition);
    }
}

// Strings longer than the input buffer, so that settled runs meet its end
// at every kind of symbol.
TEST(DifferentialRewriting, StringsLongerThanABuffer)
{
    TempDir dir;
    std::mt19937 g(5);
    for (const char* definition : {"#F->F[+F]F[-F]F\n#A(x)->A(x+1)\n", "ignore F+-\n#B<A->B\n#F->FF\n#A>B->C\n"}) {
        std::string string;
        while (string.size() < 3 * kFileBufferSize) string += chance(g, 0.9) ? "F[+F]-" : "A(1)B";
        StepCase c{splitLines(definition), dir.file("d"), false, 1000000, 0, 1};
        expectSameStep(dir, c, string, definition);
        c.stopAt = 40;
        expectSameStep(dir, c, string, definition);
    }
}

}  // namespace
}  // namespace sprig::testing
