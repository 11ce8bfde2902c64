#include "core/mesh/segment_mesh.h"

#include <cmath>
#include <numbers>

#include "core/mesh/tessellation.h"

namespace sprig {

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
constexpr auto kRing = static_cast<std::uint32_t>(kSlices);

// Slice i lies at the angle 2 pi i / slices from +y toward +x, as in GLU.
double sliceSin(int i) { return std::sin(2.0 * std::numbers::pi * i / kSlices); }
double sliceCos(int i) { return std::cos(2.0 * std::numbers::pi * i / kSlices); }

Vec3 vec(double x, double y, double z) { return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)}; }

// Rings of slices vertices from `first`, each ring above the one before it
// seen from outside: two triangles per slice between neighbouring rings.
void addBands(std::vector<MeshTriangle>& triangles, std::uint32_t first, int bands)
{
    for (std::uint32_t j = 0; j < static_cast<std::uint32_t>(bands); ++j) {
        const std::uint32_t low = first + j * kRing;
        for (std::uint32_t i = 0; i < kRing; ++i) {
            const std::uint32_t next = (i + 1) % kRing;
            triangles.push_back({low + i, low + kRing + i, low + kRing + next});
            triangles.push_back({low + i, low + kRing + next, low + next});
        }
    }
}

// The triangles between a point and a ring of slices vertices from `first`;
// `above` when the point lies above the ring seen from outside.
void addFan(std::vector<MeshTriangle>& triangles, std::uint32_t point, std::uint32_t first, bool above)
{
    for (std::uint32_t i = 0; i < kRing; ++i) {
        const std::uint32_t next = first + (i + 1) % kRing;
        if (above) triangles.push_back({point, next, first + i});
        else triangles.push_back({point, first + i, next});
    }
}

std::vector<MeshTriangle> flipped(std::vector<MeshTriangle> triangles)
{
    for (MeshTriangle& t : triangles) std::swap(t.b, t.c);
    return triangles;
}

Vec3 normalised(const Vec3& v)
{
    const double x = v.x, y = v.y, z = v.z;
    const double length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 0.0) || !std::isfinite(length)) return {0.0f, 0.0f, 1.0f};
    return vec(x / length, y / length, z / length);
}

double facing(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& n)
{
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
    return (uy * vz - uz * vy) * n.x + (uz * vx - ux * vz) * n.y + (ux * vy - uy * vx) * n.z;
}

}  // namespace

// The sphere's rings run from the one next to the -z pole up to the one next
// to the +z pole; the poles follow them. The disk's centre comes first, then
// its loops outward.
SegmentMesher::SegmentMesher(CapShapes caps) : caps_(caps)
{
    for (int k = kSphereStacks - 1; k >= 1; --k) {
        const double rho = std::numbers::pi * k / kSphereStacks;
        for (int i = 0; i < kSlices; ++i) {
            const Vec3 p = vec(std::sin(rho) * sliceSin(i), std::sin(rho) * sliceCos(i), std::cos(rho));
            unitSphere_.push_back({p, p});
        }
    }
    const auto rings = static_cast<std::uint32_t>(kSphereStacks - 1);
    unitSphere_.push_back({{0.0f, 0.0f, -1.0f}, {0.0f, 0.0f, -1.0f}});
    unitSphere_.push_back({{0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f}});
    addBands(sphereTriangles_, 0, kSphereStacks - 2);
    addFan(sphereTriangles_, rings * kRing, 0, false);
    addFan(sphereTriangles_, rings * kRing + 1, (rings - 1) * kRing, true);

    unitDisk_.push_back({{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}});
    for (int loop = 1; loop <= kDiskLoops; ++loop) {
        const double r = static_cast<double>(loop) / kDiskLoops;
        for (int i = 0; i < kSlices; ++i) unitDisk_.push_back({vec(r * sliceSin(i), r * sliceCos(i), 0.0), {0, 0, 1}});
    }
    // Seen from +z the slices go clockwise: the loops outward are rings
    // seen from below, round a centre above them.
    addBands(diskTriangles_[0], 1, kDiskLoops - 1);
    diskTriangles_[1] = flipped(diskTriangles_[0]);
    addFan(diskTriangles_[1], 0, 1, true);
    diskTriangles_[0] = flipped(diskTriangles_[1]);
    addBands(wallTriangles_, 0, kCylinderStacks);
}

SegmentMesher::Placement SegmentMesher::placement(const CylinderRecord& c)
{
    const double t = c.tilt * kRadians, u = c.turn * kRadians;
    const double ct = std::cos(t), st = std::sin(t), cu = std::cos(u), su = std::sin(u);
    return {{c.startX, c.startY, c.startZ}, {{cu * ct, -su, cu * st}, {su * ct, cu, su * st}, {-st, 0.0, ct}}};
}

void SegmentMesher::place(std::span<const MeshVertex> unit, double radius, double z, const Placement& at)
{
    vertices_.clear();
    const auto& m = at.turn;
    for (const MeshVertex& v : unit) {
        const double p[3] = {v.position.x * radius, v.position.y * radius, v.position.z * radius + z};
        const double n[3] = {v.normal.x, v.normal.y, v.normal.z};
        double world[3], normal[3];
        for (int r = 0; r < 3; ++r) {
            world[r] = at.origin[r] + m[r][0] * p[0] + m[r][1] * p[1] + m[r][2] * p[2];
            normal[r] = m[r][0] * n[0] + m[r][1] * n[1] + m[r][2] * n[2];
        }
        vertices_.push_back({vec(world[0], world[1], world[2]), vec(normal[0], normal[1], normal[2])});
    }
}

// A cone's wall leans by the change of radius over the length, as GLU
// gives its normals.
void SegmentMesher::wall(const CylinderRecord& c, const Placement& at)
{
    const double base = c.baseRadius, top = c.topRadius, length = c.length;
    const double lean = (base - top) / length;
    const double scale = 1.0 / std::sqrt(1.0 + lean * lean);
    wallUnit_.clear();
    for (int j = 0; j <= kCylinderStacks; ++j) {
        const double r = base + (top - base) * j / kCylinderStacks;
        for (int i = 0; i < kSlices; ++i)
            wallUnit_.push_back({vec(r * sliceSin(i), r * sliceCos(i), length * j / kCylinderStacks),
                                 vec(sliceSin(i) * scale, sliceCos(i) * scale, lean * scale)});
    }
    place(wallUnit_, 1.0, 0.0, at);
}

void SegmentMesher::cap(bool sphere, bool start, float radius, double z, const Placement& at, std::uint32_t colour,
                        MeshSink& sink)
{
    if (!(radius > 0.0f)) return;
    place(sphere ? unitSphere_ : unitDisk_, radius, z, at);
    if (!sphere && start)
        for (MeshVertex& v : vertices_) v.normal = {-v.normal.x, -v.normal.y, -v.normal.z};
    sink.piece(vertices_, sphere ? sphereTriangles_ : diskTriangles_[start ? 0 : 1], colour);
}

void SegmentMesher::segment(const CylinderRecord& c, std::uint32_t colour, MeshSink& sink)
{
    const Placement at = placement(c);
    const bool walled =
        c.length > 0.0f && c.baseRadius >= 0.0f && c.topRadius >= 0.0f && (c.baseRadius > 0.0f || c.topRadius > 0.0f);
    if (walled) {
        wall(c, at);
        sink.piece(vertices_, wallTriangles_, colour);
    }
    cap(caps_.startSphere, true, c.baseRadius, 0.0, at, colour, sink);
    cap(caps_.endSphere, false, c.topRadius, c.length, at, colour, sink);
}

void SegmentMesher::polygon(std::span<const Vec3> vertices, const Vec3& normal, std::uint32_t colour, MeshSink& sink)
{
    if (vertices.size() < 3) return;
    const Vec3 n = normalised(normal);
    vertices_.clear();
    triangles_.clear();
    for (const Vec3& v : vertices) vertices_.push_back({v, n});
    for (std::uint32_t i = 1; i + 1 < vertices.size(); ++i) {
        if (facing(vertices[0], vertices[i], vertices[i + 1], n) < 0.0) triangles_.push_back({0, i + 1, i});
        else triangles_.push_back({0, i, i + 1});
    }
    sink.piece(vertices_, triangles_, colour);
}

}  // namespace sprig
