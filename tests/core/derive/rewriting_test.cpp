#include <gtest/gtest.h>

#include <optional>

#include "derive_fixture.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

using Rewriting = DeriveFixture;

TEST_F(Rewriting, BracketedPlantStepsAndLog)
{
    define("axiom F\nangle 25.7\n#F->F[+F]F[-F]F\n");
    ASSERT_EQ(derive(2), kDone);
    const std::string header = "n\n25.700001\n";
    EXPECT_EQ(step(0), header + "F\n");
    EXPECT_EQ(step(1), header + "F[+F]F[-F]F");
    EXPECT_EQ(step(2), header + "F[+F]F[-F]F[+F[+F]F[-F]F]F[+F]F[-F]F[-F[+F]F[-F]F]F[+F]F[-F]F");
    const std::string base = basePath(path);
    std::vector<std::string> expected;
    const auto file = [&](int n) { return base + "_00" + std::to_string(n) + ".stt"; };
    for (int n = 0; n <= 2; ++n) {
        expected.insert(expected.end(), {"Step " + std::to_string(n), "String rewriting"});
        if (n > 0) expected.push_back("Input file: " + file(n - 1));
        expected.push_back("Output file: " + file(n));
    }
    EXPECT_EQ(job.log, expected);
    EXPECT_EQ(created, (std::vector<std::string>{file(0), file(1), file(2)}));
    EXPECT_FALSE(fileExists(StringFileName(base, 1, kCutExt)));
    EXPECT_EQ(job.rewriting, 100);
}

// The pass counts what it writes as the reading counts the finished file,
// or leaves the count to the reading where a "(" may read otherwise than it
// was written: a list at the start or after a list, a symbol "(".
TEST_F(Rewriting, WrittenStringsAreCountedAsTheReadingCountsThem)
{
    const std::vector<std::pair<std::string, std::optional<std::int64_t>>> cases{
        {"axiom F\n#F->F[+F]F[-F]F\n", 11},
        {"axiom A(1)\n#A(x)->F(x)[+(30)A(x*2)]A(x)\n", 6},
        {"axiom A(1)BC(2)\n#B->*\n", 2},
        {"axiom F)G(1)\n#G(x)->)(x)\n", 3},
        {"axiom F(1)G\n#G->H(2)(3)\n", std::nullopt},  // read: F H ( 3 . 0 0 0 0 0 0 )
        {"axiom A\n#A->(1)(2)B\n", std::nullopt},      // read: ( 2 . 0 0 0 0 0 0 ) B
        {"axiom A(1)(B\n", std::nullopt},              // read: A ( B
    };
    for (const auto& [definition, count] : cases) {
        SCOPED_TRACE(definition);
        define(definition);
        ASSERT_EQ(derive(1), kDone);
        ASSERT_EQ(written.has_value(), count.has_value());
        if (!count) continue;
        EXPECT_EQ(written->path, StringFileName(basePath(path), 1, kStepExt));
        EXPECT_EQ(written->statistics.symbolCount, *count);
    }
}

// One step of each definition; step 0 is checked where it is given. A
// stochastic rule draws once per symbol it rewrites, and no more.
TEST_F(Rewriting, OneStepOfEachKindOfRule)
{
    const struct {
        const char* definition;
        std::vector<int> draws;
        const char* step0;
        const char* step1;
    } cases[] = {
        // Every byte but the line feed is a symbol and passes unchanged.
        {"axiom \x8A\xE1\t\xFF\x01\n#\xE1->\xE1\x9E\n", {}, "\x8A\xE1\t\xFF\x01\n", "\x8A\xE1\x9E\t\xFF\x01"},
        // Erasing and copying; parameters are printed anew.
        {"axiom A(1)BC(2*3)\n#B->*\n", {}, "A(1)BC(2*3)\n", "A(1.000000)C(6.000000)"},
        // The draw chooses against sums that need not reach 1.
        {"axiom AAAAXX\n#A->(0.5)B\n#A->(0.3)C\n#X->(0.5)Y\n#X->Z\n", {49, 50, 79, 99, 60, 10}, nullptr, "BCCAZY"},
        // The left context sees the history across branches; the right one
        // reads into branches and skips them.
        {"axiom B[A]B[C]AA\n#B<A->X\n", {}, nullptr, "B[X]B[C]XA"},
        {"axiom ABA[B]A[C]B[A]BAC\n#A>B->Y\n", {}, nullptr, "YBY[B]Y[C]B[A]BAC"},
        // Contexts skip ignored symbols and their parameters.
        {"axiom A+B+(30)C\nignore +\n#A<B>C->X\n", {}, nullptr, "A+X+(30.000000)C"},
        // Cut branches drop everything after the percent sign.
        {"axiom A[B%C[D]E]F%GH\n", {}, nullptr, "A[B]F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.definition);
        define(c.definition);
        random.script = c.draws;
        random.next_ = 0;
        ASSERT_EQ(derive(1), kDone);
        EXPECT_EQ(step(1), std::string("n\n90.000000\n") + c.step1);
        EXPECT_EQ(random.next_, c.draws.size());
        if (!c.step0) continue;
        EXPECT_EQ(step(0), std::string("n\n90.000000\n") + c.step0);
    }
}

TEST_F(Rewriting, ParametricSuccessorsConditionsAndContextBindings)
{
    define("axiom F(1.5,2)A(1)A(2)P(1)Q(2)R(2)S(5)\n"
           "#F(x,y)->F(x*2,y)\n"
           "#A(t):t>1->B\n"
           "#P(a)<Q(b)->C(a+b)\n"
           "#R(b)>S(c)->D(b*c)\n");
    ASSERT_EQ(derive(1), kDone);
    EXPECT_EQ(step(0), "p\nF(1.5,2)A(1)A(2)P(1)Q(2)R(2)S(5)\n");
    EXPECT_EQ(step(1), "p\nF(3.000000,2.000000)A(1.000000)BP(1.000000)C(3.000000)D(10.000000)S(5.000000)");
}

// A definition that cannot be parsed touches no file. A step appears under
// its name only when it is complete: a failed or stopped one leaves an
// earlier file of that name as it was, and nothing else.
TEST_F(Rewriting, FailuresAndStopsLeaveEarlierStepsAndNoPartialFile)
{
    define("axiom\n#F->G\n");
    EXPECT_EQ(call(0, false), kDefinitionLineError);
    EXPECT_EQ(std::pair(report.ErrorRow, created.size()), std::pair(1, std::size_t{0}));
    EXPECT_FALSE(fileExists(StringFileName(basePath(path), 0, kStepExt)));
    define("axiom A(1)B\n#A(x)->A(x/0)\n");
    ASSERT_EQ(call(0, false), kDone);
    const std::string base = basePath(path);
    EXPECT_EQ(created.size(), 1u);  // the first call writes only step 0
    EXPECT_FALSE(fileExists(StringFileName(base, 1, kStepExt)));
    const std::string older = dir.write("plant_001.stt", "users\n");
    created.clear();
    EXPECT_EQ(call(1, false), kIoError);  // division by zero in a successor argument
    EXPECT_EQ(step(0), "p\nA(1)B\n");
    EXPECT_EQ(TempDir::read(older), "users\n");
    EXPECT_TRUE(created.empty());

    job.requestStop();
    EXPECT_EQ(call(1, false), kStopped);
    EXPECT_EQ(TempDir::read(older), "users\n");
    EXPECT_TRUE(created.empty());

    EXPECT_EQ(call(7, false), kIoError);  // no step file 6 to read
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"plant.ls", "plant_000.stt", "plant_001.stt"}));
}

TEST_F(Rewriting, ValuesBeyondTheFloatRangeStopTheStep)
{
    // 10^7 is written; its 7th power, 10^49, lies beyond the largest float
    // (about 3.4 * 10^38) and has no text a later step could read.
    define("axiom A(10)\n#A(x)->A(x^7)\n");
    EXPECT_EQ(derive(2), kIoError);
    EXPECT_EQ(step(1), "p\nA(10000000.000000)");
    // Infinity minus infinity is no number; an infinite value read from the
    // string is not copied either.
    for (const char* definition : {"axiom A(1000000)\n#A(x)->A(x^7-x^7)\n", "axiom A(2^128)\n#B(x)->C\n"}) {
        define(definition);
        EXPECT_EQ(derive(1), kIoError) << definition;
    }
}

TEST_F(Rewriting, HomomorphismWritesTheFileToDrawWithItsOwnHeader)
{
    define("axiom F+G\n#F->FF\nhomomorphism\n#F->F(1)\n#G->G(1)\n");
    ASSERT_EQ(call(0, false), kDone);
    job.log.clear();
    ASSERT_EQ(call(1, true), kDone);
    const std::string base = basePath(path);
    // Successor parameter lists alone do not make the homomorphism rules parametric.
    EXPECT_EQ(step(0, kHomomorphismExt), "n\n90.000000\nF(1.000000)+G(1.000000)");
    EXPECT_EQ(step(0), "n\n90.000000\nF+G\n");
    EXPECT_EQ(job.log, (std::vector<std::string>{"Homomorhism", "Input file: " + base + "_000.stt",
                                                 "Output file: " + base + "_000.sth"}));
    EXPECT_EQ(created.size(), 1u);  // the homomorphism file is not a step file

    job.requestStop();
    EXPECT_EQ(call(1, true), kStopped);
    EXPECT_FALSE(fileExists(StringFileName(base, 0, kHomomorphismExt)));
}

}  // namespace
}  // namespace sprig::testing
