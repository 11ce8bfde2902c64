#include <gtest/gtest.h>

#include "batch_runner.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

TEST(BatchCommand, DerivesAndLogsEveryStep)
{
    TempDir dir;
    const std::string ls = dir.write("koch.ls", "axiom F\nangle 60\n#F->F+F--F+F\n");
    const BatchResult r = runBatch(dir, "--steps 2 " + ls);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string base = dir.file("koch");
    const std::string expected =
        "----------\nStep 0\nString rewriting\nOutput file: " + base + "_000.stt\n"
        "Statistics\nString length: 1 KB\nNumber of symbols: 1\n"
        "----------\nStep 1\nString rewriting\nInput file: " + base + "_000.stt\nOutput file: " + base + "_001.stt\n"
        "Statistics\nString length: 1 KB\nNumber of symbols: 8\n"
        "----------\nStep 2\nString rewriting\nInput file: " + base + "_001.stt\nOutput file: " + base + "_002.stt\n"
        "Statistics\nString length: 1 KB\nNumber of symbols: 36\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(TempDir::read(base + "_001.stt"), "n\n60.000000\nF+F--F+F");
    EXPECT_TRUE(fileExists(base + "_002.stt"));

    EXPECT_EQ(runBatch(dir, "--clean --steps 1 " + ls).status, 0);
    EXPECT_FALSE(fileExists(base + "_000.stt"));
    EXPECT_FALSE(fileExists(base + "_001.stt"));
    EXPECT_TRUE(fileExists(ls));
}

TEST(BatchCommand, ReportsFailuresWithTheirCodesAndTexts)
{
    TempDir dir;
    BatchResult r = runBatch(dir, dir.file("missing.ls"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Chyba : I/O chyba alebo syntaxtická chyba v súbore\ndefinujúcom L-systém\n"
                     "Error: I/O error or syntax error in L-system file\n");

    r = runBatch(dir, dir.write("bad.ls", "axiom F\n\nignore\n"));
    EXPECT_EQ(r.status, 111);
    EXPECT_EQ(r.err, "Chyba : Syntaxtická chyba v súbore\ndefinujúcom L-systém na riadku 3\n"
                     "Error: syntax error in L-system file, row 3\n");

    const std::string ls = dir.write("opt.ls", "axiom F\n");
    dir.write("opt.op", "// comment\ndraw_ground=on\nDraw_ground=on\n");
    r = runBatch(dir, ls);
    EXPECT_EQ(r.status, 155);
    EXPECT_EQ(r.out, "----------\n");
    EXPECT_EQ(r.err, "Chyba : Syntaxtická chyba v súbore nastavení na riadku 3\n"
                     "Error: syntax error in options file, row 3\n");
    EXPECT_FALSE(fileExists(dir.file("opt_000.stt")));

    EXPECT_EQ(runBatch(dir, "--steps x " + ls).status, 64);
    EXPECT_EQ(runBatch(dir, "--help").status, 0);
}

TEST(BatchCommand, SeedMakesStochasticRunsRepeatable)
{
    TempDir dir;
    const std::string ls = dir.write("s.ls", "axiom FFFFFFFFFFFFFFFFFFFF\n#F->(0.5)G\n#F->(0.5)H\n");
    ASSERT_EQ(runBatch(dir, "--seed 5 --steps 1 " + ls).status, 0);
    const std::string first = TempDir::read(dir.file("s_001.stt"));
    ASSERT_EQ(runBatch(dir, "--seed 5 --steps 1 " + ls).status, 0);
    EXPECT_EQ(TempDir::read(dir.file("s_001.stt")), first);
    EXPECT_NE(first.find('G'), std::string::npos);
    EXPECT_NE(first.find('H'), std::string::npos);
}

TEST(BatchCommand, HomomorphismFileOfTheLastStep)
{
    TempDir dir;
    const std::string ls = dir.write("h.ls", "axiom A\n#A->AB\nhomomorphism\n#B->F(2)\n");
    const BatchResult r = runBatch(dir, "--steps 1 " + ls);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(TempDir::read(dir.file("h_001.sth")), "n\n90.000000\nAF(2.000000)");
    EXPECT_FALSE(fileExists(dir.file("h_000.sth")));
}

}  // namespace
}  // namespace sprig::testing

namespace sprig::testing {
namespace {

TEST(BatchCommand, InterruptStopsTheRunningStepAndKeepsTheEarlierOnes)
{
    TempDir dir;
    const std::string ls = dir.write("big.ls", "axiom F\nangle 25.7\n#F->F[+F]F[-F]F\n");
    // Step 12 has 6.1e8 symbols: the run is still deriving when Ctrl-C comes.
    const BatchResult r = runBatch(dir, "--steps 12 " + ls, "timeout --preserve-status -s INT 0.5");
    EXPECT_EQ(r.status, 20);
    EXPECT_EQ(r.err, "Stopped.\n");
    EXPECT_EQ(TempDir::read(dir.file("big_000.stt")), "n\n25.700001\nF\n");
    EXPECT_EQ(TempDir::read(dir.file("big_001.stt")), "n\n25.700001\nF[+F]F[-F]F");
    EXPECT_EQ(r.out.find("Number of symbols: 610351561"), std::string::npos);  // step 12 never finished
}

}  // namespace
}  // namespace sprig::testing
