#include "core/turtle/polygon_stack.h"

#include <new>

namespace sprig {

int PolygonStack::open()
{
    try {
        if (levels_.size() == open_) levels_.emplace_back();
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    ++open_;
    return kDone;
}

int PolygonStack::append(const Vec3& vertex)
{
    try {
        levels_[open_ - 1].push_back(vertex);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kDone;
}

}  // namespace sprig
