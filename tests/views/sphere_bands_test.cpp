// The sphere bands against this machine's gluSphere, through GL feedback:
// the same triangles with the same lit colours, so the same vertices and
// normals. Fails when GLU builds its sphere otherwise.

#include "views/sphere_bands.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "offscreen_view_fixture.h"

namespace sprig {
namespace {

using Triangle = std::vector<GLfloat>;  // three vertices of x, y, z, r, g, b, a

// Each triangle starts at its smallest vertex, keeping its winding; the
// triangles are sorted.
std::vector<Triangle> fedBack(const std::function<void()>& draw)
{
    constexpr int kValuesPerVertex = 7;
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glPushMatrix();
    glTranslatef(0.2f, -0.1f, -4.0f);
    glRotatef(30.0f, 1.0f, 0.5f, 0.0f);
    draw();
    glPopMatrix();
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<Triangle> triangles;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[i], static_cast<GLfloat>(GL_POLYGON_TOKEN));
        const int count = static_cast<int>(buffer[i + 1]);
        EXPECT_EQ(count, 3);
        std::vector<Triangle> turns(3);
        for (int k = 0; k < 3; ++k)
            for (int v = 0; v < 3; ++v) {
                const GLfloat* vertex = &buffer[i + 2 + ((k + v) % 3) * kValuesPerVertex];
                turns[k].insert(turns[k].end(), vertex, vertex + kValuesPerVertex);
            }
        triangles.push_back(*std::min_element(turns.begin(), turns.end()));
        i += 2 + count * kValuesPerVertex;
    }
    std::sort(triangles.begin(), triangles.end());
    return triangles;
}

using SphereBandsTest = testing::OffscreenViewTest;

TEST_F(SphereBandsTest, AreGluSphereAndItsHalvesShareItsTriangles)
{
    glColor3ub(200, 120, 40);
    GLUquadric* quadric = gluNewQuadric();
    const auto glu = fedBack([quadric] { gluSphere(quadric, 1.0, 20, kSphereStacks); });
    gluDeleteQuadric(quadric);
    ASSERT_EQ(glu.size(), 2u * 20u * (kSphereStacks - 1));  // two per quad, one per fan face
    EXPECT_EQ(fedBack([] { drawSphereBands(0, kSphereStacks); }), glu);

    const auto upper = fedBack([] { drawSphereBands(0, 11); });
    const auto lower = fedBack([] { drawSphereBands(9, kSphereStacks); });
    EXPECT_EQ(upper.size(), 20u * 21u);
    EXPECT_TRUE(std::includes(glu.begin(), glu.end(), upper.begin(), upper.end()));
    EXPECT_TRUE(std::includes(glu.begin(), glu.end(), lower.begin(), lower.end()));
}

}  // namespace
}  // namespace sprig
