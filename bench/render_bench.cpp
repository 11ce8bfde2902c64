// Drawing speed of a full scene record: 50000 lit cylinders in an 800 x 600
// off-screen picture drawn by Mesa's software renderer, with spherical and
// with flat end caps. Reported as frames per second.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <memory>
#include <string>

#include "core/turtle/scene_record.h"
#include "platform/gl/osmesa_context.h"
#include "settings/settings.h"
#include "views/fit_view.h"
#include "views/scene_renderer.h"

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
    std::unique_ptr<OsMesaContext> context = OsMesaContext::create(kWidth, kHeight);
    SceneRecord scene;
    SceneView view;
    SceneRenderer renderer;
    Settings settings;

    Bench()
    {
        if (!context) return;
        renderer.initialise();
        renderer.resize(kWidth, kHeight);
        fillBush(scene);
        fitView(view, scene, settings);
    }
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

void renderFrames(benchmark::State& state, bool spheres, const char* figure)
{
    Bench& b = bench();
    if (!b.context) {
        state.SkipWithError("no off-screen GL context");
        return;
    }
    b.settings.effective.segmentBeginSphere = spheres;
    b.settings.effective.segmentEndSphere = spheres;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        b.renderer.paint(b.view, b.scene, b.settings.effective, 0u);
        b.context->swapBuffers();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double fps = static_cast<double>(state.iterations()) / elapsed.count();
    state.counters["fps"] = fps;
    std::printf("render_50000_cylinders_800x600 %s: %.3f fps\n", figure, fps);
    std::fflush(stdout);
}

void BM_Render50000SphericalCaps(benchmark::State& state)
{
    renderFrames(state, true, "spherical_caps");
}

void BM_Render50000FlatCaps(benchmark::State& state)
{
    renderFrames(state, false, "flat_caps");
}

BENCHMARK(BM_Render50000SphericalCaps)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Render50000FlatCaps)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
