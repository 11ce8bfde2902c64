#pragma once
// The polygons opened by '{' and not yet closed by '}'. Only the innermost
// one receives vertices.

#include <cstddef>
#include <span>
#include <vector>

#include "core/turtle/scene_record.h"
#include "platform/result_codes.h"

namespace sprig {

// The vertices of one open polygon, in the order they were added.
using OpenPolygon = std::vector<Vec3>;

class PolygonStack {
public:
    // kDone, or kOutOfMemory when memory runs out.
    [[nodiscard]] int open();
    // Appends to the innermost open polygon, if any: kDone, or kOutOfMemory
    // when memory runs out.
    [[nodiscard]] int addVertex(const Vec3& vertex)
    {
        if (open_ == 0) return kDone;
        return append(vertex);
    }
    bool isOpen() const { return open_ > 0; }
    // The innermost polygon's vertices in the order they were added; valid
    // until the next call that changes the stack.
    std::span<const Vec3> innermost() const { return levels_[open_ - 1]; }
    // Removes the innermost polygon; there must be one.
    void close() { levels_[--open_].clear(); }

private:
    [[nodiscard]] int append(const Vec3& vertex);

    // One vertex list per nesting level, kept with its capacity when the
    // polygon closes so that the next one at that level reuses it.
    std::vector<OpenPolygon> levels_;
    std::size_t open_ = 0;
};

}  // namespace sprig
