// How soon Stop ends a pass over a string of 10^8 symbols that holds a cut
// at its very end and meets a context rule, so that each step first reads
// the whole file (the search for cuts, the cut pass, the survey of closing
// branches) before rewriting it; and a 3D interpretation of it. Stop is
// requested at several moments into the pass, and the time from the request
// to the pass's end is printed beside the time of one plain read of the whole
// file, measured in the same run.

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "core/turtle/interpret_string.h"
#include "core/turtle/scene_record.h"
#include "figure_reporter.h"
#include "platform/job.h"
#include "platform/random_source.h"
#include "platform/text_lines.h"
#include "settings/settings.h"

namespace {

using namespace sprig;
using Clock = std::chrono::steady_clock;

constexpr std::int64_t kSymbols = 100'000'000;

// A folder with bench.ls and its step 0: 10^8 symbols ending in a cut.
class LongString {
public:
    LongString()
    {
        dir_ = std::filesystem::temp_directory_path() / ("sprig-stop-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        definitionPath = (dir_ / "bench.ls").string();
        definition = splitLines("axiom F\n#G<F->FG\n");
        stepFile = StringFileName(basePath(definitionPath), 0, kStepExt);
        std::ofstream out(stepFile, std::ios::binary);
        out << "n\n90.000000\n";
        const std::string block(1 << 20, 'F');
        for (std::int64_t n = 0; n + 4 < kSymbols; n += static_cast<std::int64_t>(block.size())) out << block;
        out << "[%F]";
    }
    ~LongString() { std::filesystem::remove_all(dir_); }

    std::string definitionPath;
    std::vector<std::string> definition;
    std::string stepFile;

private:
    std::filesystem::path dir_;
};

LongString& longString()
{
    static LongString string;
    return string;
}

// Runs the pass on a thread of its own, asks it to stop after `delay` and
// returns the seconds from the request to the pass's end.
template <typename Pass>
double stopLatency(Pass pass, std::chrono::milliseconds delay)
{
    SilentJob job;
    std::thread worker([&] { pass(job); });
    std::this_thread::sleep_for(delay);
    const Clock::time_point asked = Clock::now();
    job.requestStop();
    worker.join();
    return std::chrono::duration<double>(Clock::now() - asked).count();
}

void rewrite(Job& job)
{
    LongString& s = longString();
    DeriveRequest request;
    request.definitionLines = &s.definition;
    request.definitionPath = s.definitionPath;
    request.stepsDone = 1;
    request.stepsToRun = 1;
    LcgRandom random;
    DeriveServices services{job, random, [](int) { return 1u; }};
    Settings settings;
    ParseReport report;
    std::vector<std::string> created;
    std::optional<WrittenString> written;
    // Stopped, as asked, or else the pass failed: either ends the measure.
    benchmark::DoNotOptimize(DeriveStrings(request, settings, services, report, created, written));
}

void interpret(Job& job)
{
    Settings settings;
    settings.effective.drawDimensions = 3;
    SceneRecord scene;
    InterpretRequest request(settings, job, longString().stepFile);
    request.symbolCount = kSymbols;
    request.scene = &scene;
    interpretString(request);
}

void stopTime(benchmark::State& state, void (*pass)(Job&))
{
    const std::chrono::milliseconds delay(state.range(0));
    double worst = 0;
    for (auto _ : state) {
        const double seconds = stopLatency(pass, delay);
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["stop_to_end_ms"] = worst * 1e3;
}

void BM_StopRewriting(benchmark::State& state) { stopTime(state, rewrite); }
void BM_StopInterpretation3d(benchmark::State& state) { stopTime(state, interpret); }

// The reference: one read of the whole file, counting its symbols.
void BM_WholeFileRead(benchmark::State& state)
{
    double total = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        StringStatistics stats;
        if (ReadStringStatistics(longString().stepFile, stats) != kDone) state.SkipWithError("unreadable string");
        benchmark::DoNotOptimize(stats.symbolCount);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        total += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["read_ms"] = total / static_cast<double>(state.iterations()) * 1e3;
}

}  // namespace

BENCHMARK(BM_WholeFileRead)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopRewriting)
    ->Arg(5)
    ->Arg(100)
    ->Arg(400)
    ->Arg(1500)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopInterpretation3d)->Arg(5)->Arg(300)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

SPRIG_BENCHMARK_MAIN();
