// Each unit shape drawn at a size leaves the normal that GLU's own call at
// that size leaves: GLU draws nothing, and so leaves the normal as it was,
// for a negative radius, a disk of radius 0 and a cylinder of length 0.

#include "views/unit_shapes.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "platform/gl/osmesa_context.h"

namespace sprig {
namespace {

using Normal = std::array<GLfloat, 3>;

// The normal current after draw, starting from one that no shape leaves.
Normal normalAfter(const std::function<void()>& draw)
{
    glNormal3f(0.25f, 0.5f, 0.75f);
    draw();
    Normal normal;
    glGetFloatv(GL_CURRENT_NORMAL, normal.data());
    return normal;
}

// The GLU call that draws the shape at that size whole.
void drawWithGlu(GLUquadric* quadric, UnitShape shape, double radius, double length)
{
    if (shape == UnitShape::Cylinder) return gluCylinder(quadric, radius, radius, length, kSlices, kCylinderStacks);
    if (shape != UnitShape::StartDisk && shape != UnitShape::EndDisk)
        return gluSphere(quadric, radius, kSlices, kSphereStacks);
    gluQuadricOrientation(quadric, shape == UnitShape::StartDisk ? GLU_INSIDE : GLU_OUTSIDE);
    gluDisk(quadric, 0.0, radius, kSlices, kDiskLoops);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
}

TEST(UnitShapes, LeaveTheNormalGluLeavesAtEverySize)
{
    const auto context = OsMesaContext::create(4, 4);
    ASSERT_TRUE(context && context->makeCurrent());
    UnitShapes shapes;
    shapes.compile();
    GLUquadric* quadric = gluNewQuadric();
    const struct {
        UnitShape shape;
        float radius;
        float length;
    } cases[] = {
        {UnitShape::Sphere, 1, 1},   {UnitShape::Sphere, 0, 0},    {UnitShape::Sphere, -1, -1},
        {UnitShape::EndOuter, 0, 0}, {UnitShape::StartDisk, 1, 1}, {UnitShape::StartDisk, 0, 0},
        {UnitShape::EndDisk, 1, 1},  {UnitShape::EndDisk, 0, 0},   {UnitShape::Cylinder, 1, 1},
        {UnitShape::Cylinder, 0, 1}, {UnitShape::Cylinder, 1, 0},  {UnitShape::Cylinder, -1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.shape) << " " << c.radius << " " << c.length);
        const Normal glu = normalAfter([&] { drawWithGlu(quadric, c.shape, c.radius, c.length); });
        EXPECT_EQ(normalAfter([&] { shapes.draw(c.shape, c.radius, c.length); }), glu);
    }
    gluDeleteQuadric(quadric);
}

// A context's display lists are numbered from 1; the four shapes fall well
// within the first 16 in a context that made no other.
int listsInContext()
{
    int count = 0;
    for (GLuint list = 1; list <= 16; ++list) count += glIsList(list) ? 1 : 0;
    return count;
}

TEST(UnitShapes, CompilingAgainAndReleasingLeaveNoListBehind)
{
    const auto context = OsMesaContext::create(4, 4);
    ASSERT_TRUE(context && context->makeCurrent());
    UnitShapes shapes;
    shapes.compile();
    EXPECT_EQ(listsInContext(), 4);
    shapes.compile();
    EXPECT_EQ(listsInContext(), 4);
    shapes.release();
    EXPECT_EQ(listsInContext(), 0);
}

}  // namespace
}  // namespace sprig
