#pragma once
// The turtle states saved by '[' and restored by ']'. No fixed depth: it is
// bounded only by memory.

#include <new>
#include <vector>

#include "core/turtle/turtle.h"

namespace sprig {

class BranchStack {
public:
    // 0, or 1 when memory runs out.
    int push(const Turtle& turtle)
    {
        try {
            frames_.push_back(turtle);
        } catch (const std::bad_alloc&) {
            return 1;
        }
        return 0;
    }
    // 0, or 2 for a ']' without a '['.
    int pop(Turtle& turtle)
    {
        if (frames_.empty()) return 2;
        turtle = frames_.back();
        frames_.pop_back();
        return 0;
    }
    void clear() { frames_.clear(); }

private:
    std::vector<BranchFrame> frames_;
};

}  // namespace sprig
