// Drawing speed of a full scene record: 50000 lit cylinders in an 800 x 600
// off-screen picture drawn by Mesa's software renderer in one context, with
// spherical and with flat end caps, by the renderer and by the literal
// painter that makes every GL call as the rules give it. Reported as frames
// per second, and the renderer's speed as a multiple of the literal one.

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <time.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "core/turtle/scene_record.h"
#include "literal_painter.h"
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
    SceneRecord scene;
    SceneView view;
    Settings settings;
    std::unique_ptr<OsMesaContext> context = OsMesaContext::create(kWidth, kHeight);
    std::unique_ptr<SceneRenderer> renderer;

    Bench()
    {
        fillBush(scene);
        fitView(view, scene, settings);
        if (!context) return;
        renderer = std::make_unique<SceneRenderer>();
        renderer->initialise();
        renderer->resize(kWidth, kHeight);
    }
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

double processSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The renderer's and the literal painter's frames alternate, so that both
// meet the same load from other programs. One frame of each is drawn before
// the clock starts: it compiles Mesa's shaders.
void renderFrames(benchmark::State& state, bool spheres)
{
    Bench& b = bench();
    if (!b.renderer) {
        state.SkipWithError("no off-screen GL context");
        return;
    }
    OptionValues& options = b.settings.effective;
    options.segmentBeginSphere = spheres;
    options.segmentEndSphere = spheres;
    const auto renderer = [&] {
        b.renderer->paint(b.view, b.scene, options, 0u);
        glFinish();
    };
    const auto literal = [&] {
        testing::paintLiterally(b.view, b.scene, options, 0u);
        glFinish();
    };
    renderer();
    literal();
    using Clock = std::chrono::steady_clock;
    double seconds[2] = {};
    double cpu[2] = {};
    for (auto _ : state) {
        int k = 0;
        for (const std::function<void()>& frame : {std::function<void()>(renderer), std::function<void()>(literal)}) {
            const auto start = Clock::now();
            const double cpuStart = processSeconds();
            frame();
            cpu[k] += processSeconds() - cpuStart;
            seconds[k++] += std::chrono::duration<double>(Clock::now() - start).count();
        }
    }
    const double frames = static_cast<double>(state.iterations());
    const char* caps = spheres ? "spherical_caps" : "flat_caps";
    std::printf("render_50000_cylinders_800x600_renderer %s: %.3f fps\n", caps, frames / seconds[0]);
    std::printf("render_50000_cylinders_800x600_literal %s: %.3f fps\n", caps, frames / seconds[1]);
    std::printf("render_50000_cylinders_800x600_speedup %s: %.2f x\n", caps, seconds[1] / seconds[0]);
    std::printf("render_50000_cylinders_800x600_cpu_speedup %s: %.2f x\n", caps, cpu[1] / cpu[0]);
    std::fflush(stdout);
}

void BM_RenderSphericalCaps(benchmark::State& state) { renderFrames(state, true); }
void BM_RenderFlatCaps(benchmark::State& state) { renderFrames(state, false); }

BENCHMARK(BM_RenderSphericalCaps)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderFlatCaps)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
