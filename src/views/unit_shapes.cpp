#include "views/unit_shapes.h"

#include <GL/glu.h>

#include "views/sphere_bands.h"

namespace sprig {

namespace {

constexpr GLint kSlices = 20;
constexpr GLint kDiskLoops = 2;
constexpr GLint kCylinderStacks = 2;

// In the order of UnitShape.
enum ListOffset : GLuint { kSphere, kEndOuter, kStartOuter, kStartDisk, kEndDisk, kCylinder, kListCount };

void compileQuadric(GLuint list, GLUquadric* quadric, GLenum orientation, ListOffset shape)
{
    gluQuadricOrientation(quadric, orientation);
    glNewList(list, GL_COMPILE);
    if (shape == kSphere)
        gluSphere(quadric, 1.0, kSlices, kSphereStacks);
    else if (shape == kCylinder)
        gluCylinder(quadric, 1.0, 1.0, 1.0, kSlices, kCylinderStacks);
    else
        gluDisk(quadric, 0.0, 1.0, kSlices, kDiskLoops);
    glEndList();
}

// One band past the equator: where the cap meets the cylinder's rim, a
// sight line that slips between them by rounding still meets that band, as
// it meets the whole sphere.
void compileBands(GLuint list, int first, int end)
{
    glNewList(list, GL_COMPILE);
    drawSphereBands(first, end);
    glEndList();
}

}  // namespace

void UnitShapes::compile()
{
    release();
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr) return;
    base_ = glGenLists(kListCount);
    if (base_ != 0) {
        constexpr int kEquator = kSphereStacks / 2;
        compileQuadric(base_ + kSphere, quadric, GLU_OUTSIDE, kSphere);
        compileBands(base_ + kEndOuter, 0, kEquator + 1);
        compileBands(base_ + kStartOuter, kEquator - 1, kSphereStacks);
        compileQuadric(base_ + kStartDisk, quadric, GLU_INSIDE, kStartDisk);
        compileQuadric(base_ + kEndDisk, quadric, GLU_OUTSIDE, kEndDisk);
        compileQuadric(base_ + kCylinder, quadric, GLU_OUTSIDE, kCylinder);
    }
    gluDeleteQuadric(quadric);
}

void UnitShapes::release()
{
    if (base_ != 0) glDeleteLists(base_, kListCount);
    base_ = 0;
}

// A shape of size 0 that GLU does draw is flat and shows nothing, but it
// leaves its last normal current; scaling by 0 does the same.
void UnitShapes::draw(UnitShape shape, float radius, float length) const
{
    const bool disk = shape == UnitShape::kStartDisk || shape == UnitShape::kEndDisk;
    if (base_ == 0 || radius < 0.0f || (disk && radius == 0.0f) || (shape == UnitShape::kCylinder && length <= 0.0f))
        return;
    glPushMatrix();
    glScalef(radius, radius, length);
    glCallList(base_ + static_cast<GLuint>(shape));
    glPopMatrix();
}

}  // namespace sprig
