#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <optional>
#include <thread>

#include "batch_runner.h"
#include "core/derive/string_file.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

TEST(BatchCommand, DerivesAndLogsEveryStep)
{
    TempDir dir;
    const std::string ls = dir.write("koch.ls", "axiom F\nangle 60\n#F->F+F--F+F\n");
    const BatchResult r = runBatch(dir, "--steps 2 " + ls);
    ASSERT_EQ(r.status, kDone) << r.err;
    const std::string base = dir.file("koch");
    // Each step reads the file of the step before it.
    std::string expected = "L-system file opened: " + ls + "\n";
    for (const auto& [step, symbols] : {std::pair{0, 1}, {1, 8}, {2, 36}}) {
        expected += "----------\nStep " + std::to_string(step) + "\nString rewriting\n";
        if (step > 0) expected += "Input file: " + base + "_00" + std::to_string(step - 1) + ".stt\n";
        expected += "Output file: " + base + "_00" + std::to_string(step) +
                    ".stt\nStatistics\nString length: 1 KB\nNumber of symbols: " + std::to_string(symbols) + "\n";
    }
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(TempDir::read(base + "_001.stt"), "n\n60.000000\nF+F--F+F");
    EXPECT_TRUE(fileExists(base + "_002.stt"));

    // --save keeps a copy of the last step as a saved string, which --clean leaves.
    EXPECT_EQ(runBatch(dir, "--clean --steps 1 --save " + dir.file("kept") + " " + ls).status, kDone);
    EXPECT_EQ(TempDir::read(dir.file("kept.str")), "n\n60.000000\nF+F--F+F");
    EXPECT_FALSE(fileExists(base + "_000.stt"));
    EXPECT_FALSE(fileExists(base + "_001.stt"));
    EXPECT_TRUE(fileExists(ls));
}

TEST(BatchCommand, ReportsFailuresWithTheirCodesAndTexts)
{
    TempDir dir;
    BatchResult r = runBatch(dir, dir.file("missing.ls"));
    EXPECT_EQ(r.status, kIoError);
    EXPECT_EQ(r.err, "Chyba : I/O chyba alebo syntaxtická chyba v súbore\ndefinujúcom L-systém\n"
                     "Error: I/O error or syntax error in L-system file\n"
                     "reason: " +
                         dir.file("missing.ls") + ": No such file or directory\n");

    r = runBatch(dir, dir.write("bad.ls", "axiom F\n\nignore\n"));
    EXPECT_EQ(r.status, kDefinitionLineError);
    EXPECT_EQ(r.err, "Chyba : Syntaxtická chyba v súbore\ndefinujúcom L-systém na riadku 3\n"
                     "Error: syntax error in L-system file, row 3\n");

    const std::string ls = dir.write("opt.ls", "axiom F\n");
    dir.write("opt.op", "// comment\ndraw_ground=on\nDraw_ground=on\n");
    r = runBatch(dir, ls);
    EXPECT_EQ(r.status, kOptionsSyntaxError);
    EXPECT_EQ(r.out, "L-system file opened: " + ls + "\n----------\nError: syntax error in options file, row 3\n");
    EXPECT_EQ(r.err, "Chyba : Syntaxtická chyba v súbore nastavení na riadku 3\n"
                     "Error: syntax error in options file, row 3\n");
    EXPECT_FALSE(fileExists(dir.file("opt_000.stt")));

    EXPECT_EQ(runBatch(dir, "--steps x " + ls).status, kUsageError);
    EXPECT_EQ(runBatch(dir, "--help").status, kDone);
}

TEST(BatchCommand, SeedMakesStochasticRunsRepeatable)
{
    TempDir dir;
    const std::string ls = dir.write("s.ls", "axiom FFFFFFFFFFFFFFFFFFFF\n#F->(0.5)G\n#F->(0.5)H\n");
    ASSERT_EQ(runBatch(dir, "--seed 5 --steps 1 " + ls).status, kDone);
    const std::string first = TempDir::read(dir.file("s_001.stt"));
    ASSERT_EQ(runBatch(dir, "--seed 5 --steps 1 " + ls).status, kDone);
    EXPECT_EQ(TempDir::read(dir.file("s_001.stt")), first);
    EXPECT_NE(first.find('G'), std::string::npos);
    EXPECT_NE(first.find('H'), std::string::npos);
}

TEST(BatchCommand, HomomorphismFileOfTheLastStep)
{
    TempDir dir;
    const std::string ls = dir.write("h.ls", "axiom A\n#A->AB\nhomomorphism\n#B->F(2)\n");
    const BatchResult r = runBatch(dir, "--steps 1 " + ls);
    ASSERT_EQ(r.status, kDone) << r.err;
    EXPECT_EQ(TempDir::read(dir.file("h_001.sth")), "n\n90.000000\nAF(2.000000)");
    EXPECT_FALSE(fileExists(dir.file("h_000.sth")));
}

// Step n of the bracketed plant F->F[+F]F[-F]F has (2 * 5^(n+1) - 6) / 4 symbols.
std::int64_t plantSymbols(int step)
{
    std::int64_t power = 5;
    for (int i = 0; i < step; ++i) power *= 5;
    return (2 * power - 6) / 4;
}

// Every step file left is complete, and no partial or cut file is left.
void expectOnlyCompleteSteps(const TempDir& dir)
{
    for (const std::string& name : dir.names()) {
        EXPECT_EQ(name.find(".part"), std::string::npos) << name;
        EXPECT_EQ(name.find(".st1"), std::string::npos) << name;
        if (!name.ends_with(".stt")) continue;
        StringStatistics stats;
        ASSERT_EQ(ReadStringStatistics(dir.file(name), stats), kDone) << name;
        EXPECT_EQ(stats.symbolCount, plantSymbols(std::stoi(name.substr(name.size() - 7, 3)))) << name;
    }
}

// Step 13 has 3.1e9 symbols: the run is still deriving when the signal comes,
// however fast the steps before it go.
TEST(BatchCommand, InterruptAndTerminateStopTheRunningStepAndKeepTheEarlierOnes)
{
    for (const std::string signal : {"INT", "TERM"}) {
        SCOPED_TRACE(signal);
        TempDir dir;
        const std::string ls = dir.write("big.ls", "axiom F\nangle 25.7\n#F->F[+F]F[-F]F\n");
        const std::string timeout = "timeout --preserve-status -s " + signal + " 0.5";
        BatchResult r = runBatch(dir, "--steps 13 " + ls, timeout);
        EXPECT_EQ(r.status, kStopped);
        EXPECT_EQ(r.err, "Stopped.\n");
        EXPECT_EQ(TempDir::read(dir.file("big_001.stt")), "n\n25.700001\nF[+F]F[-F]F");
        EXPECT_FALSE(fileExists(dir.file("big_013.stt")));
        expectOnlyCompleteSteps(dir);

        // With --clean a stopped run leaves only what was there before it.
        r = runBatch(dir, "--clean --steps 13 " + dir.write("again.ls", "axiom F\n#F->F[+F]F[-F]F\n"), timeout);
        EXPECT_EQ(r.status, kStopped);
        for (const std::string& name : dir.names()) EXPECT_FALSE(name.starts_with("again_")) << name;
    }
}

// Whether the process waits to write into a full pipe.
bool heldInPipeWrite(pid_t pid)
{
    std::ifstream wchan("/proc/" + std::to_string(pid) + "/wchan");
    std::string where;
    return std::getline(wchan, where) && where.find("pipe_write") != std::string::npos;
}

// Runs the command with its standard output on a pipe that is full already,
// which holds it in its first log line: it has started, and has not begun
// its first step. Interrupts it there and returns its exit status; none
// when the system does not say where the command waits.
std::optional<int> interruptAtFirstLogLine(const std::string& arguments)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return -1;
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    char buffer[4096] = {};
    for (std::size_t size : {sizeof buffer, std::size_t{1}})
        while (write(ends[1], buffer, size) > 0) continue;
    fcntl(ends[1], F_SETFL, 0);
    const std::string command = "exec " + std::string(SPRIG_BATCH) + " " + arguments;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], STDOUT_FILENO);
        execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
        _exit(127);
    }
    close(ends[1]);
    int raw = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (waitpid(pid, &raw, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &raw, 0);
            close(ends[0]);
            return std::nullopt;
        }
        if (heldInPipeWrite(pid)) {
            kill(pid, SIGINT);
            while (read(ends[0], buffer, sizeof buffer) > 0) continue;
            waitpid(pid, &raw, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    close(ends[0]);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A stop between jobs, here before the first step, ends the run as stopped
// and derives nothing.
TEST(BatchCommand, InterruptBeforeTheFirstStepDerivesNothing)
{
    TempDir dir;
    const std::optional<int> status = interruptAtFirstLogLine(dir.write("p.ls", "axiom F\n#F->FF\n") + " 2>/dev/null");
    if (!status) GTEST_SKIP() << "the system does not say where a process waits";
    EXPECT_EQ(*status, kStopped);
    EXPECT_FALSE(fileExists(dir.file("p_000.stt")));
}

}  // namespace
}  // namespace sprig::testing
