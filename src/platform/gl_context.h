#pragma once
// An OpenGL rendering context bound to a drawing surface, as the 3D view
// needs it: the desktop window and the off-screen buffer of the tests and
// the batch command each provide one.

#include "platform/rgb_image.h"

namespace sprig {

class GlContext {
public:
    virtual ~GlContext() = default;

    // Makes the context current on the calling thread; false on failure.
    virtual bool makeCurrent() = 0;
    // Shows what was drawn (for a single-buffered surface: waits until the
    // drawing is finished).
    virtual void swapBuffers() = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // The displayed picture, top row first.
    virtual RgbImage readPixels() = 0;
};

}  // namespace sprig
