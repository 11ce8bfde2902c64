#pragma once
// The turtle states saved by '[' and restored by ']'. No fixed depth: it is
// bounded only by memory.

#include <new>
#include <vector>

#include "core/turtle/turtle.h"
#include "platform/result_codes.h"

namespace sprig {

class BranchStack {
public:
    // kDone, or kOutOfMemory when memory runs out.
    [[nodiscard]] int push(const Turtle& turtle)
    {
        try {
            frames_.push_back(turtle);
        } catch (const std::bad_alloc&) {
            return kOutOfMemory;
        }
        return kDone;
    }
    // kDone, or kIoError for a ']' without a '['.
    [[nodiscard]] int pop(Turtle& turtle)
    {
        if (frames_.empty()) return kIoError;
        turtle = frames_.back();
        frames_.pop_back();
        return kDone;
    }
    void clear() { frames_.clear(); }
    bool empty() const { return frames_.empty(); }

private:
    std::vector<BranchFrame> frames_;
};

}  // namespace sprig
