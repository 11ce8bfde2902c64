#pragma once
// The pace of one paint: between shapes the stop request is polled, and,
// for a picture drawn in batches, every so many shapes what was sent so far
// is flushed to the GL, so that a software GL draws a big frame in parts
// instead of first storing all of it. A window's paint sends the frame
// whole: its one flush at the end is all the window system needs.

#include <GL/gl.h>

#include "platform/job.h"

namespace sprig {

enum class FrameFlushes {
    InBatches,  // off-screen pictures of any size
    AtEnd,      // the 3D window
};

class FramePacing {
public:
    explicit FramePacing(const Job* job, FrameFlushes flushes = FrameFlushes::InBatches)
        : job_(job), batched_(flushes == FrameFlushes::InBatches)
    {
    }

    // After each shape: at the end of a batch flushes, unless a primitive is
    // open; false once a stop is requested.
    bool next(bool primitiveOpen = false)
    {
        if (batched_ && ++sent_ >= kBatch && !primitiveOpen) {
            glFlush();
            sent_ = 0;
        }
        return job_ == nullptr || !job_->stopRequested();
    }

private:
    // A third faster than 512; a 1600 x 1200 picture still stays under 300 MB.
    static constexpr int kBatch = 2048;

    const Job* job_;
    bool batched_;
    int sent_ = 0;
};

}  // namespace sprig
