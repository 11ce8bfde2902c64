#pragma once
// The surfaces of the 3D view as triangles in scene coordinates: each
// segment's wall with its two caps, cut as GLU cuts them for the view, and
// each polygon as a fan. Every piece goes to a sink as it is made, so a
// scene of any size is meshed in the memory of one piece.

#include <cstdint>
#include <span>
#include <vector>

#include "core/mesh/cylinder_table.h"
#include "core/turtle/scene_record.h"

namespace sprig {

struct MeshVertex {
    Vec3 position;
    Vec3 normal;  // of length 1, outward
};

// Indices into the vertices of its piece; counter-clockwise seen from the
// side the normals point to.
struct MeshTriangle {
    std::uint32_t a = 0, b = 0, c = 0;
};

class MeshSink {
public:
    virtual ~MeshSink() = default;
    // One piece of surface in one colour (0x00BBGGRR).
    virtual void piece(std::span<const MeshVertex> vertices, std::span<const MeshTriangle> triangles,
                       std::uint32_t colour) = 0;
};

struct CapShapes {
    bool startSphere = false;  // else a disk facing away from the segment
    bool endSphere = false;
};

class SegmentMesher {
public:
    explicit SegmentMesher(CapShapes caps);

    // The wall of (stacks + 1) rings of slices vertices and 2 * slices *
    // stacks triangles; a sphere of 2 + (stacks - 1) * slices vertices and
    // 2 * slices * (stacks - 1) triangles; a disk of 1 + loops * slices
    // vertices and slices * (2 * loops - 1) triangles. As in the view, a
    // shape of negative radius is left out, and so is one that would be
    // flat: a wall of length 0 or of radius 0 at both ends, a cap of radius 0.
    void segment(const CylinderRecord& cylinder, std::uint32_t colour, MeshSink& sink);
    // A polygon of k >= 3 vertices as the k - 2 triangles (v0, vi, vi+1),
    // each facing its normal's side; fewer vertices enclose nothing.
    void polygon(std::span<const Vec3> vertices, const Vec3& normal, std::uint32_t colour, MeshSink& sink);

private:
    // Where a segment's shapes go: its start, and its turn and tilt.
    struct Placement {
        double origin[3];
        double turn[3][3];
    };

    static Placement placement(const CylinderRecord& cylinder);
    // Unit shapes scaled by radius, lifted by z along the axis, then placed.
    void place(std::span<const MeshVertex> unit, double radius, double z, const Placement& at);
    void wall(const CylinderRecord& cylinder, const Placement& at);
    void cap(bool sphere, bool start, float radius, double z, const Placement& at, std::uint32_t colour,
             MeshSink& sink);

    CapShapes caps_;
    std::vector<MeshVertex> unitSphere_;
    std::vector<MeshVertex> unitDisk_;  // facing +z
    std::vector<MeshVertex> wallUnit_;  // of the segment at hand, placed at the origin along +z
    std::vector<MeshTriangle> wallTriangles_;
    std::vector<MeshTriangle> sphereTriangles_;
    std::vector<MeshTriangle> diskTriangles_[2];  // facing -z, facing +z
    std::vector<MeshVertex> vertices_;
    std::vector<MeshTriangle> triangles_;
};

}  // namespace sprig
