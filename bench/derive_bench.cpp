// Rewriting speed: symbols written per second for a bracketed plant, a
// parametric tree and a context-sensitive signal, each one step from a
// prepared string.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "figure_reporter.h"
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
        return DeriveStrings(request, settings_, services, report, created);
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

    std::int64_t count(int step)
    {
        StringStatistics stats;
        ReadStringStatistics(StringFileName(basePath(path_), step, kStepExt), stats);
        return stats.symbolCount;
    }

private:
    std::filesystem::path dir_;
    std::string path_;
    std::vector<std::string> lines_;
    Settings settings_;
    SilentJob job_;
    LcgRandom random_;
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
    state.counters["seconds_per_symbol"] = benchmark::Counter(static_cast<double>(symbols),
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BracketedPlant)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ParametricTree)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ContextSignal)->Arg(100'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

SPRIG_BENCHMARK_MAIN()
