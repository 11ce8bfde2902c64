#include "platform/gl/osmesa_context.h"

#include <GL/osmesa.h>

#include <cstdlib>
#include <new>

namespace sprig {

namespace {

OSMesaContext createWithDepth(int depthBits)
{
    const int attributes[] = {OSMESA_FORMAT,
                              OSMESA_RGBA,
                              OSMESA_DEPTH_BITS,
                              depthBits,
                              OSMESA_STENCIL_BITS,
                              0,
                              OSMESA_ACCUM_BITS,
                              0,
                              OSMESA_PROFILE,
                              OSMESA_COMPAT_PROFILE,
                              0};
    return OSMesaCreateContextAttribs(attributes, nullptr);
}

// False when the program's GL calls are bound to another GL library (one
// linked before Mesa's), which would draw nothing and report no error.
bool reachesMesa() { return glGetString(GL_RENDERER) != nullptr; }

// Mesa keeps its own colour and depth buffers of 4 bytes a pixel each,
// besides some tens of megabytes for drawing, and does not survive failing
// to allocate them. So that much is first allocated and freed here.
void ensureRoomForMesa(std::size_t pixels)
{
    constexpr std::size_t kDrawingBytes = std::size_t{64} << 20;
    void* room = std::malloc(pixels * 8 + kDrawingBytes);
    if (room == nullptr) throw std::bad_alloc();
    std::free(room);
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
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    buffer_.assign(pixels * 4, 0);
    width_ = width;
    height_ = height;
    ensureRoomForMesa(pixels);
    return makeCurrent();
}

bool OsMesaContext::makeCurrent()
{
    return OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width_, height_) == GL_TRUE;
}

void OsMesaContext::swapBuffers() { glFinish(); }

// The buffer holds RGBA rows bottom row first.
RgbImage OsMesaContext::readPixels()
{
    glFinish();
    const auto w = static_cast<std::size_t>(width_);
    const auto h = static_cast<std::size_t>(height_);
    RgbImage image{width_, height_, std::vector<std::uint8_t>(w * h * 3)};
    for (std::size_t y = 0; y < h; ++y) {
        const std::uint8_t* source = buffer_.data() + (h - 1 - y) * w * 4;
        std::uint8_t* target = image.pixels.data() + y * w * 3;
        for (std::size_t x = 0; x < w; ++x) {
            target[x * 3] = source[x * 4];
            target[x * 3 + 1] = source[x * 4 + 1];
            target[x * 3 + 2] = source[x * 4 + 2];
        }
    }
    return image;
}

}  // namespace sprig
