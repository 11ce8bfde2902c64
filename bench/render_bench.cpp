// Drawing speed of a full scene record: 50000 lit cylinders in an 800 x 600
// off-screen picture drawn by Mesa's software renderer, with spherical and
// with flat end caps, in as many contexts as the batch command uses and in
// one. Reported as frames per second.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <memory>
#include <string>

#include "core/turtle/scene_record.h"
#include "settings/settings.h"
#include "views/fit_view.h"
#include "views/offscreen/parallel_scene_painter.h"

namespace {

using namespace sprig;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// A bush of 50000 segments: 500 branches of 100 segments that climb and
// wander, with widths tapering and a few colours, like a grown plant.
void fillBush(SceneRecord& scene)
{
    std::uint32_t seed = 12345;
    auto random = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f - 0.5f;
    };
    const std::uint32_t colours[] = {0x0000FF00u, 0x00008000u, 0x00004080u, 0x000080FFu};
    scene.reset();
    for (int branch = 0; branch < 500; ++branch) {
        Vec3 p{random() * 4.0f, random() * 4.0f, 0.0f};
        for (int k = 0; k < 100; ++k) {
            const Vec3 q{p.x + random() * 0.6f, p.y + random() * 0.6f, p.z + 0.3f + random() * 0.2f};
            const float width = 0.2f * (1.0f - static_cast<float>(k) / 120.0f);
            scene.recordSegment(p, q, width, colours[(branch + k / 25) % 4]);
            p = q;
        }
    }
    scene.finish();
}

struct Bench {
    SceneRecord scene;
    SceneView view;
    Settings settings;

    Bench()
    {
        fillBush(scene);
        fitView(view, scene, settings);
    }
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

// One frame is drawn before the clock starts: it compiles Mesa's shaders.
void renderFrames(benchmark::State& state, bool spheres, int parts, const char* figure)
{
    Bench& b = bench();
    const auto painter = ParallelScenePainter::create(kWidth, kHeight, parts);
    if (!painter) {
        state.SkipWithError("no off-screen GL context");
        return;
    }
    b.settings.effective.segmentBeginSphere = spheres;
    b.settings.effective.segmentEndSphere = spheres;
    painter->paint(b.view, b.scene, b.settings.effective, 0u);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) benchmark::DoNotOptimize(painter->paint(b.view, b.scene, b.settings.effective, 0u));
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double fps = static_cast<double>(state.iterations()) / elapsed.count();
    state.counters["fps"] = fps;
    std::printf("render_50000_cylinders_800x600_%d_contexts %s: %.3f fps\n", parts, figure, fps);
    std::fflush(stdout);
}

void BM_Render50000SphericalCaps(benchmark::State& state)
{
    renderFrames(state, true, ParallelScenePainter::partsForThisMachine(), "spherical_caps");
}

void BM_Render50000FlatCaps(benchmark::State& state)
{
    renderFrames(state, false, ParallelScenePainter::partsForThisMachine(), "flat_caps");
}

void BM_Render50000SphericalCapsOneContext(benchmark::State& state)
{
    renderFrames(state, true, 1, "spherical_caps");
}

void BM_Render50000FlatCapsOneContext(benchmark::State& state)
{
    renderFrames(state, false, 1, "flat_caps");
}

BENCHMARK(BM_Render50000SphericalCaps)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Render50000FlatCaps)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Render50000SphericalCapsOneContext)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Render50000FlatCapsOneContext)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
