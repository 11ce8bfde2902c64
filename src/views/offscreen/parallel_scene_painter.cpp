#include "views/offscreen/parallel_scene_painter.h"

#include <GL/gl.h>

#include <algorithm>
#include <thread>

#include "platform/depth_layers.h"
#include "platform/gl/osmesa_context.h"
#include "views/scene_renderer.h"

namespace sprig {

struct ParallelScenePainter::Part {
    std::unique_ptr<OsMesaContext> context;
    SceneRenderer renderer;
    std::vector<std::uint32_t> depth;
    std::array<float, 3> lastNormal{};
};

struct ParallelScenePainter::Frame {
    const SceneView& view;
    const SceneRecord& scene;
    const OptionValues& options;
    std::uint32_t backgroundColour;
    std::array<float, 3> startNormal;
};

std::unique_ptr<ParallelScenePainter> ParallelScenePainter::create(int width, int height, int parts)
{
    std::unique_ptr<ParallelScenePainter> painter(new ParallelScenePainter(width, height));
    for (int p = 0; p < std::max(parts, 1); ++p)
        if (!painter->addPart()) return nullptr;
    return painter;
}

int ParallelScenePainter::partsForThisMachine()
{
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
}

ParallelScenePainter::ParallelScenePainter(int width, int height) : width_(width), height_(height) {}

// Each part's renderer frees its display lists while its context is current.
ParallelScenePainter::~ParallelScenePainter()
{
    for (std::size_t p = 0; p < parts_.size(); ++p) threads_[p]->post([&part = parts_[p]] { part.reset(); }).get();
}

bool ParallelScenePainter::addPart()
{
    threads_.push_back(std::make_unique<RenderThread>());
    parts_.push_back(nullptr);
    threads_.back()
        ->post([&part = parts_.back(), width = width_, height = height_] {
            auto context = OsMesaContext::create(width, height);
            if (!context) return;
            part = std::make_unique<Part>();
            part->context = std::move(context);
            part->renderer.initialise();
            part->renderer.resize(width, height);
        })
        .get();
    return parts_.back() != nullptr;
}

// The cylinders are shared out in order, so that joining by depth keeps what
// the earlier share drew wherever two are equally near.
std::optional<RgbImage> ParallelScenePainter::paint(const SceneView& view, const SceneRecord& scene,
                                                    const OptionValues& options, std::uint32_t backgroundColour)
{
    if (!view.sceneReady.load(std::memory_order_acquire)) return std::nullopt;
    const int cylinders = view.cylinders.count();
    const int used = std::clamp(cylinders, 1, static_cast<int>(parts_.size()));
    const Frame frame{view, scene, options, backgroundColour, carriedNormal_};
    std::vector<std::future<void>> done;
    for (int p = 0; p < used; ++p) {
        const PaintShare share{p == 0, p * cylinders / used, (p + 1) * cylinders / used};
        Part& part = *parts_[static_cast<std::size_t>(p)];
        done.push_back(threads_[static_cast<std::size_t>(p)]->post([&part, &frame, share, joined = used > 1] {
            if (share.withElements) glNormal3fv(frame.startNormal.data());
            part.renderer.paint(frame.view, frame.scene, frame.options, frame.backgroundColour, share);
            glGetFloatv(GL_CURRENT_NORMAL, part.lastNormal.data());
            if (joined) part.depth = part.context->readDepth();
            part.context->swapBuffers();
        }));
    }
    for (std::future<void>& d : done) d.get();
    carriedNormal_ = parts_[static_cast<std::size_t>(used - 1)]->lastNormal;
    return join(used);
}

RgbImage ParallelScenePainter::join(int used) const
{
    std::vector<DepthLayer> layers;
    for (int p = 0; p < used; ++p) {
        const Part& part = *parts_[static_cast<std::size_t>(p)];
        layers.push_back({part.context->rgba(), part.depth.data()});
    }
    return nearestPixels(layers, width_, height_);
}

}  // namespace sprig
