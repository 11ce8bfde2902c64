// Rewriting speed: symbols written per second for a bracketed plant, a
// parametric tree and a context-sensitive signal, each one step from a
// prepared string; and the time and peak memory of steps whose contexts
// meet branches that never close.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <optional>
#include <string>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "figure_reporter.h"
#include "platform/byte_file.h"
#include "platform/job.h"
#include "platform/random_source.h"
#include "platform/text_lines.h"
#include "settings/settings.h"

namespace {

using namespace sprig;

class Workspace {
public:
    explicit Workspace(const std::string& definition)
    {
        dir_ = std::filesystem::temp_directory_path() / ("sprig-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "bench.ls").string();
        lines_ = splitLines(definition);
    }
    ~Workspace() { std::filesystem::remove_all(dir_); }

    int derive(int stepsDone)
    {
        DeriveRequest request;
        request.definitionLines = &lines_;
        request.definitionPath = path_;
        request.stepsDone = stepsDone;
        request.stepsToRun = stepsDone == 0 ? 0 : 1;
        DeriveServices services{job_, random_, [](int step) { return static_cast<std::uint32_t>(step); }};
        ParseReport report;
        std::vector<std::string> created;
        return DeriveStrings(request, settings_, services, report, created, written_).code;
    }

    // Derives until the string has at least `symbols` symbols; returns the step.
    int growTo(std::int64_t symbols)
    {
        derive(0);
        for (int step = 0;; ++step) {
            if (count(step) >= symbols) return step;
            derive(step + 1);
        }
    }

    void writeStep(int step, const std::string& content)
    {
        std::ofstream(StringFileName(basePath(path_), step, kStepExt), std::ios::binary) << content;
    }

    std::string base() const { return basePath(path_); }

    // As the step's pass counted it, or else read from its file.
    std::int64_t count(int step)
    {
        const std::string name = StringFileName(basePath(path_), step, kStepExt);
        if (written_ && written_->path == name) return written_->statistics.symbolCount;
        StringStatistics stats;
        return ReadStringStatistics(name, stats) == kDone ? stats.symbolCount : -1;
    }

private:
    std::filesystem::path dir_;
    std::string path_;
    std::vector<std::string> lines_;
    Settings settings_;
    SilentJob job_;
    LcgRandom random_;
    std::optional<WrittenString> written_;
};

// Derives one step from a string of at least `inputSymbols` symbols, timing
// only that step.
void deriveOneStep(benchmark::State& state, Workspace& w, int inputStep)
{
    std::int64_t written = 0;
    for (auto _ : state) {
        if (w.derive(inputStep + 1) != 0) state.SkipWithError("derivation failed");
        written += w.count(inputStep + 1);
    }
    state.counters["symbols_written_per_second"] =
        benchmark::Counter(static_cast<double>(written), benchmark::Counter::kIsRate);
}

void BracketedPlant(benchmark::State& state)
{
    Workspace w("axiom F\nangle 25.7\n#F->F[+F]F[-F]F\n");
    deriveOneStep(state, w, w.growTo(4'000'000));
}

void ParametricTree(benchmark::State& state)
{
    Workspace w("axiom A(1,10)\n"
                "define R=0.707\n"
                "#A(l,w):l>0.01->!(w)F(l)[&(45)B(l*0.8,w*R)]/(137.5)A(l*0.9,w*R)\n"
                "#B(l,w):l>0.01->!(w)F(l)[-(45)$C(l*0.8,w*R)]C(l*0.9,w*R)\n"
                "#C(l,w):l>0.01->!(w)F(l)[+(45)$B(l*0.8,w*R)]B(l*0.9,w*R)\n"
                "#F(l)->F(l*1.01)\n");
    deriveOneStep(state, w, w.growTo(500'000));
}

// A signal moving right along a bracketed string, by left and right contexts.
void ContextSignal(benchmark::State& state)
{
    const auto length = state.range(0);
    Workspace w("ignore +-\n#A<B->A\n#B>A->C\n#C->B\n");
    std::string text = "n\n90.000000\nA";
    for (std::int64_t i = 1; i < length; i += 5) text += "B[+B]";
    w.writeStep(0, text);
    std::int64_t symbols = 0;
    for (auto _ : state) {
        if (w.derive(1) != 0) state.SkipWithError("derivation failed");
        symbols += w.count(0);
    }
    state.counters["symbols_read_per_second"] =
        benchmark::Counter(static_cast<double>(symbols), benchmark::Counter::kIsRate);
    state.counters["seconds_per_symbol"] =
        benchmark::Counter(static_cast<double>(symbols), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Peak resident memory since the last reset, in MB. Linux keeps the peak as
// VmHWM and lets a process reset it through clear_refs; memory freed earlier
// is first handed back, so that it does not count.
void resetPeakMemory()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double peakMemoryMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

// Derives steps 1 to `last` of a definition whose A opens two branches at
// every step, so that the symbols stand ever deeper in branches. Prints the
// time, and with `memory` the peak memory, of every `every`-th step from
// `first` on.
void deepBranchSteps(benchmark::State& state, const char* name, const std::string& definition, int first, int every,
                     bool memory)
{
    const int last = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Workspace w(definition);
        w.derive(0);
        for (int step = 1; step <= last; ++step) {
            if (memory) resetPeakMemory();
            const auto start = std::chrono::steady_clock::now();
            if (w.derive(step) != 0) state.SkipWithError("derivation failed");
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            if (step < first || (step - first) % every != 0) continue;
            const auto bytes = fileSize(StringFileName(w.base(), step, kStepExt));
            std::printf("%s_step_%d string_size: %.0f KB\n", name, step, static_cast<double>(bytes) / 1024.0);
            std::printf("%s_step_%d time: %.3f s\n", name, step, took.count());
            if (memory) std::printf("%s_step_%d peak_memory: %.1f MB\n", name, step, peakMemoryMb());
        }
    }
}

// Every "[" would save a left history of twenty symbols for a "]" that never
// comes.
void LeftContextDeepBranches(benchmark::State& state)
{
    deepBranchSteps(state, "left_context_deep_branches", "axiom A\n#BCDEFGHIJKLMNOPQRSTU<A->A\n#A->[A[A\n", 10, 5,
                    true);
}

// The same branches all close at the end of the string: every history saved
// at a "[" comes back.
void LeftContextDeepClosingBranches(benchmark::State& state)
{
    deepBranchSteps(state, "left_context_deep_closing_branches",
                    "axiom AE\n#BCDEFGHIJKLMNOPQRSTU<A->A\n#A->[A[A\n#E->]]EE\n", 10, 5, true);
}

// Every A looks for B to its right inside a branch that ends only with the
// string.
void RightContextDeepBranches(benchmark::State& state)
{
    deepBranchSteps(state, "right_context_deep_branches", "axiom A\n#A>B->B\n#A->[A[A\n", 12, 1, false);
}

}  // namespace

BENCHMARK(BracketedPlant)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ParametricTree)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ContextSignal)->Arg(100'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LeftContextDeepBranches)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(LeftContextDeepClosingBranches)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(RightContextDeepBranches)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);

SPRIG_BENCHMARK_MAIN()
