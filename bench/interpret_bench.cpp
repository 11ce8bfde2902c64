// Interpretation speed: symbols per second for a bracketed plant string of
// 10^7 symbols, drawn in 2D (measuring and drawing) onto a 1600 x 1200
// canvas, and recorded in 3D into the scene record, which fills up early.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/turtle/interpret_string.h"
#include "figure_reporter.h"
#include "platform/byte_file.h"
#include "settings/settings.h"
#ifdef SPRIG_HAVE_QT_CANVAS
#include "platform/qt/qimage_canvas.h"
#endif

namespace {

using namespace sprig;

constexpr std::int64_t kSymbols = 10'000'000;

#ifdef SPRIG_HAVE_QT_CANVAS
using BenchCanvas = QImageCanvas;
#else
// Without Qt: a canvas that only counts the lines it is asked to draw.
class BenchCanvas final : public Canvas {
public:
    BenchCanvas(int, int) {}
    void setPenColour(std::uint32_t) override {}
    void setPenWidth(int) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override { ++lines; }
    void fill(std::uint32_t) override {}
    std::int64_t lines = 0;
};
#endif

// Writes the depth-first expansion of F -> F[+F]F[-F]F, cut after `limit`
// symbols; a cut leaves branches open, which the interpretation accepts.
class PlantWriter {
public:
    PlantWriter(OutFile& out, std::int64_t limit) : out_(out), left_(limit) {}

    void expand(int depth)
    {
        if (depth == 0) return put('F');
        static constexpr char kRule[] = "F[+F]F[-F]F";
        for (const char* c = kRule; *c && left_ > 0; ++c) {
            if (*c == 'F') expand(depth - 1);
            else put(*c);
        }
    }

private:
    void put(char c)
    {
        if (left_ <= 0) return;
        out_.put(c);
        --left_;
    }
    OutFile& out_;
    std::int64_t left_;
};

class PlantFile {
public:
    PlantFile()
    {
        path_ = (std::filesystem::temp_directory_path() / ("sprig-interpret-" + std::to_string(::getpid()) + ".str"))
                    .string();
        OutFile out(path_);
        out.write("n\n25.700000\n");
        PlantWriter(out, kSymbols).expand(10);
        out.close();
    }
    ~PlantFile() { removeFile(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const PlantFile& plant()
{
    static const PlantFile file;
    return file;
}

void interpret(benchmark::State& state, int dimensions)
{
    Settings settings;
    settings.effective.drawDimensions = dimensions;
    SilentJob job;
    BenchCanvas canvas(1600, 1200);
    static SceneRecord scene;
    const std::string& path = plant().path();
    InterpretResult result;
    for (auto _ : state) {
        InterpretRequest request(settings, job, path);
        request.symbolCount = kSymbols;
        request.canvas = &canvas;
        request.backgroundColour = 0x00FFFFFF;
        request.areaWidth = 1600;
        request.areaHeight = 1200;
        request.scene = &scene;
        result = interpretString(request);
    }
    if (result.code != 0) state.SkipWithError("interpretation failed");
    state.counters["symbols_per_second"] =
        benchmark::Counter(static_cast<double>(kSymbols), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["segments"] = static_cast<double>(result.segmentTotal);
}

void Interpret2D(benchmark::State& state) { interpret(state, 2); }
void Interpret3D(benchmark::State& state) { interpret(state, 3); }

BENCHMARK(Interpret2D)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(Interpret3D)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

SPRIG_BENCHMARK_MAIN()
