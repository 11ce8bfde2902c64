#pragma once
// The 3D view drawn off-screen by Mesa in one context, for the batch
// command's pictures and the benchmarks.

#include <cstdint>
#include <memory>

#include "core/turtle/scene_record.h"
#include "platform/gl/osmesa_context.h"
#include "platform/rgb_image.h"
#include "settings/settings.h"
#include "views/scene_renderer.h"
#include "views/scene_view.h"

namespace sprig {

class OffscreenPicture {
public:
    // Nothing when Mesa cannot make the context; std::bad_alloc when the
    // buffers of this size cannot be allocated.
    static std::unique_ptr<OffscreenPicture> create(int width, int height);
    ~OffscreenPicture();
    OffscreenPicture(const OffscreenPicture&) = delete;
    OffscreenPicture& operator=(const OffscreenPicture&) = delete;

    // Paints as SceneRenderer::paint does, polling the job; on Painted::Picture the
    // picture, top row first, is put in `picture`.
    Painted paint(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                  std::uint32_t backgroundColour, RgbImage& picture, const Job* job = nullptr);

private:
    explicit OffscreenPicture(std::unique_ptr<OsMesaContext> context);

    std::unique_ptr<OsMesaContext> context_;
    SceneRenderer renderer_;
};

}  // namespace sprig
