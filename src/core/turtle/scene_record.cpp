#include "core/turtle/scene_record.h"

#include <cmath>

namespace sprig {

namespace {

bool isFinite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool isRecordable(const Vec3& start, const Vec3& end, float width)
{
    return isFinite(start) && isFinite(end) && std::isfinite(width);
}

Vec3 upwardNormal(const Vec3& up)
{
    if (!isFinite(up)) return {0.0f, 0.0f, 1.0f};
    return up.z < 0.0f ? Vec3{-up.x, -up.y, -up.z} : up;
}

}  // namespace

SceneRecord::SceneRecord()
{
    elements_.reserve(kCapacity);
    normals_.reserve(kCapacity);
}

void SceneRecord::reset()
{
    elements_.clear();
    normals_.clear();
    dropped_ = 0;
    sceneComplete = false;
}

bool SceneRecord::append(const Vec3& start, const Vec3& end, float width, std::uint32_t colour, int polygon)
{
    if (!isRecordable(start, end, width)) return false;
    if (elementCount() >= kCapacity) {
        ++dropped_;
        return false;
    }
    elements_.push_back(SceneElement{start, end, width, -1.0f, colour, polygon});
    return true;
}

std::optional<int> SceneRecord::recordSegment(const Vec3& start, const Vec3& end, float width, std::uint32_t colour)
{
    if (!append(start, end, width, colour, 0)) return std::nullopt;
    return elementCount() - 1;
}

bool SceneRecord::recordPolygon(std::span<const Vec3> vertices, float width, std::uint32_t colour, const Vec3& up)
{
    bool recorded = false;
    const std::size_t k = vertices.size();
    for (std::size_t i = 0; i < k; ++i) {
        if (append(vertices[i], vertices[(i + 1) % k], width, colour, currentPolygonNumber())) recorded = true;
    }
    if (!recorded) return false;
    normals_.push_back(upwardNormal(up));
    return true;
}

void SceneRecord::setEndWidth(int index, float width)
{
    if (index < 0 || index >= elementCount() || !std::isfinite(width)) return;
    elements_[static_cast<std::size_t>(index)].endWidth = width;
}

void SceneRecord::finish() { sceneComplete = elementCount() < kCapacity; }

}  // namespace sprig
