// The exported shapes are GLU's as the view draws them: the same vertices,
// as many triangles, the same area, read back from GLU through GL feedback.

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "core/mesh/segment_mesh.h"
#include "core/mesh/tessellation.h"
#include "platform/gl/osmesa_context.h"

namespace sprig {
namespace {

using Triangle = std::array<Vec3, 3>;

constexpr float kShrink = 0.25f;  // keeps every shape inside the clip volume

// The triangles a GLU call draws, in the shape's coordinates.
std::vector<Triangle> gluTriangles(const std::function<void(GLUquadric*)>& draw)
{
    std::vector<GLfloat> feedback(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    glViewport(-1, -1, 2, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(kShrink, kShrink, kShrink);
    GLUquadric* quadric = gluNewQuadric();
    draw(quadric);
    gluDeleteQuadric(quadric);
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<Triangle> triangles;
    for (GLint i = 0; i < used; i += 2 + 3 * 3) {
        EXPECT_EQ(feedback[i], GL_POLYGON_TOKEN);
        EXPECT_EQ(feedback[i + 1], 3.0f);
        Triangle t;
        for (int k = 0; k < 3; ++k) {
            const GLfloat* v = &feedback[i + 2 + 3 * k];
            t[k] = {v[0] / kShrink, v[1] / kShrink, (2.0f * v[2] - 1.0f) / kShrink};
        }
        triangles.push_back(t);
    }
    return triangles;
}

struct Pieces : MeshSink {
    void piece(std::span<const MeshVertex> v, std::span<const MeshTriangle> t, std::uint32_t) override
    {
        std::vector<Triangle>& list = shapes.emplace_back();
        for (const MeshTriangle& k : t) list.push_back({v[k.a].position, v[k.b].position, v[k.c].position});
    }
    std::vector<std::vector<Triangle>> shapes;
};

double area(const Triangle& t)
{
    const double u[3] = {t[1].x - t[0].x, t[1].y - t[0].y, t[1].z - t[0].z};
    const double v[3] = {t[2].x - t[0].x, t[2].y - t[0].y, t[2].z - t[0].z};
    return 0.5 * std::hypot(u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]);
}

std::set<std::array<long, 3>> cornersOf(const std::vector<Triangle>& triangles)
{
    std::set<std::array<long, 3>> corners;
    for (const Triangle& t : triangles)
        for (const Vec3& p : t)
            corners.insert({std::lround(p.x * 1e4), std::lround(p.y * 1e4), std::lround(p.z * 1e4)});
    return corners;
}

double areaOf(const std::vector<Triangle>& triangles)
{
    double sum = 0.0;
    for (const Triangle& t : triangles) sum += area(t);
    return sum;
}

// A cone from radius 1 to 0.5 along +z, length 2, unturned: its wall, its
// start disk, its end sphere; then a start sphere and an end disk.
TEST(MeshShapes, AreTheShapesGluDraws)
{
    const auto context = OsMesaContext::create(4, 4);
    ASSERT_TRUE(context && context->makeCurrent());
    const CylinderRecord cone{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 2.0f, 0.5f};
    Pieces mesh;
    SegmentMesher({false, true}).segment(cone, 0, mesh);
    SegmentMesher({true, false}).segment(cone, 0, mesh);
    ASSERT_EQ(mesh.shapes.size(), 6u);
    const std::function<void(GLUquadric*)> glu[] = {
        [](GLUquadric* q) { gluCylinder(q, 1.0, 0.5, 2.0, kSlices, kCylinderStacks); },
        [](GLUquadric* q) { gluDisk(q, 0.0, 1.0, kSlices, kDiskLoops); },
        [](GLUquadric* q) {
            glTranslatef(0.0f, 0.0f, 2.0f);
            gluSphere(q, 0.5, kSlices, kSphereStacks);
        },
        [](GLUquadric* q) { gluCylinder(q, 1.0, 0.5, 2.0, kSlices, kCylinderStacks); },
        [](GLUquadric* q) { gluSphere(q, 1.0, kSlices, kSphereStacks); },
        [](GLUquadric* q) {
            glTranslatef(0.0f, 0.0f, 2.0f);
            gluDisk(q, 0.0, 0.5, kSlices, kDiskLoops);
        },
    };
    for (std::size_t i = 0; i < mesh.shapes.size(); ++i) {
        SCOPED_TRACE(i);
        const std::vector<Triangle> drawn = gluTriangles(glu[i]);
        EXPECT_EQ(mesh.shapes[i].size(), drawn.size());
        EXPECT_EQ(cornersOf(mesh.shapes[i]), cornersOf(drawn));
        EXPECT_NEAR(areaOf(mesh.shapes[i]), areaOf(drawn), 1e-4 * areaOf(drawn));
    }
}

}  // namespace
}  // namespace sprig
