#pragma once
// One lit cylinder per segment of the scene, with its placement worked out
// once per scene: the renderer only translates, turns and tilts.

#include <cstdint>
#include <memory>

#include "core/turtle/scene_record.h"

namespace sprig {

struct CylinderRecord {
    float startX = 0.0f;
    float startY = 0.0f;
    float startZ = 0.0f;
    float turn = 0.0f;  // degrees about z
    float tilt = 0.0f;  // degrees about y
    float baseRadius = 0.0f;
    float length = 0.0f;
    float topRadius = 0.0f;
};

struct CylinderAngles {
    double turn = 0.0;  // in (-90, 270)
    double tilt = 0.0;  // in [0, 180]
};

// Turning +z by tilt about y, then by turn about z, points it along d.
CylinderAngles cylinderAngles(double dx, double dy, double dz);

// The cylinder of one segment. With segmentActiveWidth, a set end width
// gives the top radius; otherwise the cylinder is straight.
CylinderRecord cylinderRecord(const SceneElement& segment, bool segmentActiveWidth);

class CylinderTable {
public:
    static constexpr int kCapacity = SceneRecord::kCapacity;

    CylinderTable();

    // One record per segment (polygon number 0), in record order. With
    // segmentActiveWidth, a set end width gives the top radius.
    void build(const SceneRecord& scene, bool segmentActiveWidth);

    int count() const { return count_; }
    const CylinderRecord& record(int i) const { return records_[static_cast<std::size_t>(i)]; }
    // The segment's end point as recorded.
    const Vec3& end(int i) const { return ends_[static_cast<std::size_t>(i)]; }
    std::uint32_t colour(int i) const { return colours_[static_cast<std::size_t>(i)]; }
    // Record i starts where the previous record ends, and the sphere of its
    // base radius there, as drawn, lies inside the previous straight cylinder
    // and the sphere of that cylinder's radius at its end (or coincides with
    // that sphere in shape and colour): with spheres at both ends, record i's
    // start sphere can never be seen.
    bool startInsidePrevious(int i) const { return startInside_[static_cast<std::size_t>(i)]; }

private:
    std::unique_ptr<CylinderRecord[]> records_;
    std::unique_ptr<Vec3[]> ends_;
    std::unique_ptr<std::uint32_t[]> colours_;
    std::unique_ptr<bool[]> startInside_;
    int count_ = 0;
};

}  // namespace sprig
