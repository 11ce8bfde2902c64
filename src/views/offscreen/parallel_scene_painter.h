#pragma once
// The 3D view painted off-screen by Mesa on every processor core: each of
// several threads draws its own Mesa context, the first one the ground, the
// axes, the lines and polygons and the first share of the cylinders, the
// others the later shares in order. Joined by depth, their pictures give
// exactly the picture one context gives.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/turtle/scene_record.h"
#include "platform/rgb_image.h"
#include "settings/settings.h"
#include "views/offscreen/render_thread.h"
#include "views/scene_view.h"

namespace sprig {

class ParallelScenePainter {
public:
    // Drawing with `parts` contexts (at least 1) of width x height pixels;
    // nothing when Mesa cannot make them.
    static std::unique_ptr<ParallelScenePainter> create(int width, int height, int parts);
    // One part per processor core, at most 4: each Mesa context holds some
    // tens of megabytes.
    static int partsForThisMachine();
    ~ParallelScenePainter();
    ParallelScenePainter(const ParallelScenePainter&) = delete;
    ParallelScenePainter& operator=(const ParallelScenePainter&) = delete;

    // The picture, top row first, as SceneRenderer::paint draws it; nothing
    // while the scene is not ready.
    std::optional<RgbImage> paint(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                                  std::uint32_t backgroundColour);

private:
    struct Part;
    struct Frame;

    ParallelScenePainter(int width, int height);
    bool addPart();
    RgbImage join(int used) const;

    int width_;
    int height_;
    // Each part lives on its own thread, made and destroyed there.
    std::vector<std::unique_ptr<RenderThread>> threads_;
    std::vector<std::unique_ptr<Part>> parts_;
    // The normal the last share left current, which a single context would
    // carry into the next paint's lines.
    std::array<float, 3> carriedNormal_{0.0f, 0.0f, 1.0f};
};

}  // namespace sprig
