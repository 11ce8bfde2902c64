// OBJ and PLY of a 3D string of 10^6 segments in a row, each a cylinder
// with disk caps: segments per second and the exporting process's peak
// memory, beside the 3D view's own interpretation pass (into the scene
// record, which keeps 50,000 of them) timed in the same run. The files,
// about 14.5 GB of OBJ and 6.4 GB of PLY, are written one at a time in the
// temporary folder and deleted at once.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "app/string_export.h"
#include "core/turtle/interpret_string.h"
#include "figure_reporter.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"
#include "settings/settings.h"

namespace {

using namespace sprig;

constexpr std::int64_t kSegments = 1'000'000;

class RowFile {
public:
    RowFile() : dir_(std::filesystem::temp_directory_path() / ("sprig-mesh-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(dir_);
        OutFile out(path());
        out.write("n\n10.000000\n");
        for (std::int64_t i = 0; i < kSegments; ++i) out.write("F+");
        out.close();
    }
    ~RowFile() { std::filesystem::remove_all(dir_); }
    std::string path() const { return (dir_ / "row.str").string(); }
    std::string file(const char* name) const { return (dir_ / name).string(); }

private:
    std::filesystem::path dir_;
};

const RowFile& row()
{
    static const RowFile file;
    return file;
}

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The 3D view's pass: the string into the scene record.
double viewPassSeconds()
{
    Settings settings;
    SilentJob job;
    static SceneRecord scene;
    InterpretRequest request(settings, job, row().path());
    request.symbolCount = 2 * kSegments;
    request.scene = &scene;
    const auto start = std::chrono::steady_clock::now();
    interpretString(request);
    return seconds(start);
}

struct ChildRun {
    int code = -1;
    double seconds = 0.0;
    double peakMegabytes = 0.0;
};

// The export alone in a child process, so that its peak memory is its own.
ChildRun exportInChild(PictureFormat format, const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        Settings settings;
        SilentJob job;
        const StringExport request{path, row().path(), false, 2 * kSegments, settings, job, 0, 0, 0x0000FF00, 0};
        ::_exit(exportString(format, request).code);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    ChildRun run;
    run.seconds = seconds(start);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

void exportMesh(benchmark::State& state, PictureFormat format, const char* name)
{
    const std::string path = row().file(name);
    double reference = 0.0;
    ChildRun run;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        reference = viewPassSeconds();
        run = exportInChild(format, path);
        bytes = fileSize(path);
        removeFile(path);
        removeFile(row().file("row.mtl"));
        state.SetIterationTime(run.seconds);
    }
    if (run.code != kDone) state.SkipWithError("export failed");
    const auto segments = static_cast<double>(kSegments);
    state.counters["segments_per_second"] = segments / run.seconds;
    state.counters["view_pass_segments_per_second"] = segments / reference;
    state.counters["export_seconds"] = run.seconds;
    state.counters["view_pass_seconds"] = reference;
    state.counters["time_to_view_pass_ratio"] = run.seconds / reference;
    state.counters["peak_rss_mb"] = run.peakMegabytes;
    state.counters["bytes_per_segment"] = static_cast<double>(bytes) / segments;
}

void ObjExport(benchmark::State& state) { exportMesh(state, PictureFormat::Obj, "row.obj"); }
void PlyExport(benchmark::State& state) { exportMesh(state, PictureFormat::Ply, "row.ply"); }

BENCHMARK(ObjExport)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();
BENCHMARK(PlyExport)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

}  // namespace

SPRIG_BENCHMARK_MAIN()
