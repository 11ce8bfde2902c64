#include "platform/gl/osmesa_context.h"

#include <GL/osmesa.h>

#include "platform/depth_layers.h"

namespace sprig {

namespace {

OSMesaContext createWithDepth(int depthBits)
{
    const int attributes[] = {OSMESA_FORMAT, OSMESA_RGBA, OSMESA_DEPTH_BITS, depthBits, OSMESA_STENCIL_BITS, 0,
                              OSMESA_ACCUM_BITS, 0, OSMESA_PROFILE, OSMESA_COMPAT_PROFILE, 0};
    return OSMesaCreateContextAttribs(attributes, nullptr);
}

// False when the program's GL calls are bound to another GL library (one
// linked before Mesa's), which would draw nothing and report no error.
bool reachesMesa()
{
    return glGetString(GL_RENDERER) != nullptr;
}

}  // namespace

std::unique_ptr<OsMesaContext> OsMesaContext::create(int width, int height)
{
    if (width <= 0 || height <= 0) return nullptr;
    for (const int depthBits : {32, 24, 16}) {
        OSMesaContext context = createWithDepth(depthBits);
        if (context == nullptr) continue;
        std::unique_ptr<OsMesaContext> result(new OsMesaContext(context));
        if (!result->resize(width, height) || !reachesMesa()) continue;
        GLint granted = 0;
        glGetIntegerv(GL_DEPTH_BITS, &granted);
        result->depthBits_ = granted;
        return result;
    }
    return nullptr;
}

OsMesaContext::OsMesaContext(osmesa_context* context) : context_(context) {}

OsMesaContext::~OsMesaContext()
{
    if (OSMesaGetCurrentContext() == context_) OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
    OSMesaDestroyContext(context_);
}

bool OsMesaContext::resize(int width, int height)
{
    if (width <= 0 || height <= 0) return false;
    width_ = width;
    height_ = height;
    buffer_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    return makeCurrent();
}

bool OsMesaContext::makeCurrent()
{
    return OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width_, height_) == GL_TRUE;
}

void OsMesaContext::swapBuffers()
{
    glFinish();
}

RgbImage OsMesaContext::readPixels()
{
    glFinish();
    const DepthLayer layer{buffer_.data()};
    return nearestPixels({&layer, 1}, width_, height_);
}

std::vector<std::uint32_t> OsMesaContext::readDepth()
{
    glFinish();
    std::vector<std::uint32_t> depth(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width_, height_, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, depth.data());
    return depth;
}

}  // namespace sprig
