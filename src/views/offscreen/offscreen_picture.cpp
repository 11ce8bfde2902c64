#include "views/offscreen/offscreen_picture.h"

namespace sprig {

std::unique_ptr<OffscreenPicture> OffscreenPicture::create(int width, int height)
{
    std::unique_ptr<OsMesaContext> context = OsMesaContext::create(width, height);
    if (!context) return nullptr;
    return std::unique_ptr<OffscreenPicture>(new OffscreenPicture(std::move(context)));
}

OffscreenPicture::OffscreenPicture(std::unique_ptr<OsMesaContext> context) : context_(std::move(context))
{
    renderer_.initialise();
    renderer_.resize(context_->width(), context_->height());
}

// The renderer, a later member, is destroyed first: its display lists are
// freed while the context is current.
OffscreenPicture::~OffscreenPicture() { context_->makeCurrent(); }

Painted OffscreenPicture::paint(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                                std::uint32_t backgroundColour, RgbImage& picture, const Job* job)
{
    const Painted painted = renderer_.paint(view, scene, options, backgroundColour, job);
    if (painted == Painted::Picture) picture = context_->readPixels();
    return painted;
}

}  // namespace sprig
