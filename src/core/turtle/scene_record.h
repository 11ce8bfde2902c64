#pragma once
// The one 3D scene: every drawn segment and polygon edge, in string order,
// with one normal per polygon. Fixed capacity, reserved once; recording
// never allocates, and memory is touched only as far as drawing fills it, so
// a run that only derives touches none.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sprig {

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    bool operator==(const Vec3&) const = default;
};

struct SceneElement {
    Vec3 start;
    Vec3 end;
    float startWidth = 0.0f;
    float endWidth = -1.0f;          // -1: not set
    std::uint32_t colour = 0;        // 0x00BBGGRR
    std::int32_t polygonNumber = 0;  // 0 for a segment, k >= 1 for an edge of polygon k
};

class SceneRecord {
public:
    static constexpr int kCapacity = 50000;

    SceneRecord();

    // Empties the record for a new drawing pass.
    void reset();
    // Index of the new element, or nothing when the record is full. Elements
    // with a coordinate or width that is not finite are not recorded either,
    // so that the renderer and the camera only ever see finite numbers.
    std::optional<int> recordSegment(const Vec3& start, const Vec3& end, float width, std::uint32_t colour);
    // The edges v0 -> v1 ... -> v(k-1) -> v0 under the next polygon number,
    // while there is room; the normal is up turned to z >= 0. Returns
    // whether any edge was recorded.
    bool recordPolygon(std::span<const Vec3> vertices, float width, std::uint32_t colour, const Vec3& up);
    // Sets an element's end width; a width that is not finite is ignored.
    void setEndWidth(int index, float width);
    // After a complete pass: complete when the record did not fill up.
    void finish();

    int elementCount() const { return static_cast<int>(elements_.size()); }
    const SceneElement& element(int i) const { return elements_[static_cast<std::size_t>(i)]; }
    SceneElement& element(int i) { return elements_[static_cast<std::size_t>(i)]; }
    // Normal of polygon k, 1 <= k <= kCapacity.
    const Vec3& polygonNormal(int k) const { return normals_[static_cast<std::size_t>(k - 1)]; }
    int currentPolygonNumber() const { return static_cast<int>(normals_.size()) + 1; }
    // Segments and edges that found the record full since the last reset.
    std::int64_t droppedCount() const { return dropped_; }

    bool sceneComplete = false;

private:
    bool append(const Vec3& start, const Vec3& end, float width, std::uint32_t colour, int polygon);

    std::vector<SceneElement> elements_;
    std::vector<Vec3> normals_;  // of polygon k at k - 1
    std::int64_t dropped_ = 0;
};

}  // namespace sprig
