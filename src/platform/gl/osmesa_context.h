#pragma once
// An off-screen OpenGL context drawn by Mesa into memory: RGBA, the
// deepest depth buffer Mesa grants (32, else 24, else 16 bits), no display.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gl_context.h"

struct osmesa_context;

namespace sprig {

class OsMesaContext final : public GlContext {
public:
    // Nothing when Mesa cannot create the context or the size is not
    // positive. Throws std::bad_alloc when the buffers of that size cannot
    // be allocated: Mesa itself would crash on it.
    static std::unique_ptr<OsMesaContext> create(int width, int height);
    ~OsMesaContext() override;
    OsMesaContext(const OsMesaContext&) = delete;
    OsMesaContext& operator=(const OsMesaContext&) = delete;

    bool makeCurrent() override;
    void swapBuffers() override;
    int width() const override { return width_; }
    int height() const override { return height_; }
    RgbImage readPixels() override;

    // New buffer size; makes the context current on it. Throws
    // std::bad_alloc as create does.
    bool resize(int width, int height);
    // Depth bits of the buffer Mesa granted.
    int depthBits() const { return depthBits_; }

private:
    explicit OsMesaContext(osmesa_context* context);

    osmesa_context* context_;
    int depthBits_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> buffer_;  // RGBA, bottom row first
};

}  // namespace sprig
