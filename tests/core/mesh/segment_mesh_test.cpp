#include "core/mesh/segment_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace sprig {
namespace {

struct Piece {
    std::vector<MeshVertex> vertices;
    std::vector<MeshTriangle> triangles;
    std::uint32_t colour;
};

struct PieceList : MeshSink {
    void piece(std::span<const MeshVertex> v, std::span<const MeshTriangle> t, std::uint32_t colour) override
    {
        pieces.push_back({{v.begin(), v.end()}, {t.begin(), t.end()}, colour});
    }
    std::vector<Piece> pieces;
};

double dot(const Vec3& a, const Vec3& b) { return double{a.x} * b.x + double{a.y} * b.y + double{a.z} * b.z; }
Vec3 minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Every triangle turns counter-clockwise round the normals of its corners
// (a cone's tip is a point: its triangles have no area), and every normal
// is of length 1.
void expectOutward(const Piece& p, const char* what)
{
    for (const MeshVertex& v : p.vertices) EXPECT_NEAR(dot(v.normal, v.normal), 1.0, 1e-5) << what;
    for (const MeshTriangle& t : p.triangles) {
        const MeshVertex &a = p.vertices[t.a], &b = p.vertices[t.b], &c = p.vertices[t.c];
        const Vec3 n = cross(minus(b.position, a.position), minus(c.position, a.position));
        const Vec3 sum{a.normal.x + b.normal.x + c.normal.x, a.normal.y + b.normal.y + c.normal.y,
                       a.normal.z + b.normal.z + c.normal.z};
        if (dot(n, n) < 1e-12) continue;
        EXPECT_GT(dot(n, sum), 0.0) << what << " triangle " << t.a << " " << t.b << " " << t.c;
    }
}

// A segment from (1, 2, 3) along +x (turn 0, tilt 90), length 2. Counts by
// the rules: wall 3 rings of 20 = 60 vertices, 2 * 20 * 2 = 80 triangles;
// sphere 2 + 19 * 20 = 382 and 2 * 20 * 19 = 760; disk 1 + 2 * 20 = 41 and
// 20 + 2 * 20 = 60.
TEST(SegmentMesher, MeshesWallAndCapsAsTheViewCutsThem)
{
    struct Case {
        float base, top, length;
        bool startSphere, endSphere;
        std::vector<std::size_t> vertices, triangles;  // per piece
    };
    const Case cases[] = {
        {0.5f, 0.5f, 2.0f, true, true, {60, 382, 382}, {80, 760, 760}},
        {0.5f, 0.25f, 2.0f, false, false, {60, 41, 41}, {80, 60, 60}},
        {0.5f, 0.0f, 2.0f, true, false, {60, 382}, {80, 760}},  // a cone: no end disk of radius 0
        {0.5f, 0.5f, 0.0f, false, true, {41, 382}, {60, 760}},  // length 0: no wall
        {0.0f, 0.0f, 2.0f, true, true, {}, {}},                 // width 0: nothing but the line
        {-0.5f, 0.5f, 2.0f, false, false, {41}, {60}},          // GLU draws nothing of negative radius
    };
    for (const Case& k : cases) {
        PieceList list;
        SegmentMesher mesher({k.startSphere, k.endSphere});
        mesher.segment({1.0f, 2.0f, 3.0f, 0.0f, 90.0f, k.base, k.length, k.top}, 0x00FF00u, list);
        ASSERT_EQ(list.pieces.size(), k.vertices.size()) << k.base << " " << k.top << " " << k.length;
        for (std::size_t i = 0; i < list.pieces.size(); ++i) {
            const Piece& p = list.pieces[i];
            EXPECT_EQ(p.vertices.size(), k.vertices[i]) << i;
            EXPECT_EQ(p.triangles.size(), k.triangles[i]) << i;
            EXPECT_EQ(p.colour, 0x00FF00u);
            expectOutward(p, "segment");
            for (const MeshVertex& v : p.vertices) {
                // Along +x from x = 1 to 3, round the line y = 2, z = 3.
                const double across = std::hypot(v.position.y - 2.0, v.position.z - 3.0);
                const double reach = std::max(k.base, k.top);
                EXPECT_LE(across, reach + 1e-5);
                EXPECT_GE(v.position.x, 1.0 - reach - 1e-5);
                EXPECT_LE(v.position.x, 1.0 + k.length + reach + 1e-5);
            }
        }
    }
    // The end sphere lies round the end point, at the top radius.
    PieceList list;
    SegmentMesher({true, true}).segment({1.0f, 2.0f, 3.0f, 0.0f, 90.0f, 0.5f, 2.0f, 0.25f}, 0, list);
    for (const MeshVertex& v : list.pieces.back().vertices)
        EXPECT_NEAR(std::hypot(v.position.x - 3.0, v.position.y - 2.0, v.position.z - 3.0), 0.25, 1e-5);
}

// A fan of k - 2 triangles facing the normal's side, whichever way the
// vertices turn; fewer than three vertices give nothing.
TEST(SegmentMesher, MeshesPolygonsAsFansFacingTheirNormal)
{
    const std::vector<Vec3> square = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    const std::vector<Vec3> reversed(square.rbegin(), square.rend());
    const struct {
        std::vector<Vec3> vertices;
        Vec3 normal;
        std::size_t triangles;
    } cases[] = {
        {square, {0, 0, 1}, 2},
        {reversed, {0, 0, 1}, 2},
        {square, {0, 0, 2}, 2},
        {{square[0], square[1], square[2]}, {0, 0, 1}, 1},
        {{square[0], square[1]}, {0, 0, 1}, 0},
    };
    for (const auto& k : cases) {
        PieceList list;
        SegmentMesher({false, false}).polygon(k.vertices, k.normal, 7u, list);
        if (k.triangles == 0) {
            EXPECT_TRUE(list.pieces.empty());
            continue;
        }
        ASSERT_EQ(list.pieces.size(), 1u);
        EXPECT_EQ(list.pieces[0].triangles.size(), k.triangles);
        EXPECT_EQ(list.pieces[0].vertices.size(), k.vertices.size());
        EXPECT_EQ(list.pieces[0].vertices[0].normal, (Vec3{0, 0, 1}));
        expectOutward(list.pieces[0], "polygon");
    }
}

}  // namespace
}  // namespace sprig
