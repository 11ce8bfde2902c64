#include "views/unit_shapes.h"

#include <GL/glu.h>

#include "views/sphere_bands.h"

namespace sprig {

namespace {

constexpr GLint kSlices = 20;
constexpr GLint kDiskLoops = 2;
constexpr GLint kCylinderStacks = 2;

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

GLuint partOffset(SpherePart part)
{
    if (part == SpherePart::kEndOuter) return kEndOuter;
    return part == SpherePart::kStartOuter ? kStartOuter : kSphere;
}

}  // namespace

UnitShapes::~UnitShapes()
{
    release();
}

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

void UnitShapes::drawSphere(SpherePart part, float radius) const
{
    if (radius >= 0.0f) drawScaled(partOffset(part), radius, radius);
}

void UnitShapes::drawStartDisk(float radius) const
{
    if (radius > 0.0f) drawScaled(kStartDisk, radius, radius);
}

void UnitShapes::drawEndDisk(float radius) const
{
    if (radius > 0.0f) drawScaled(kEndDisk, radius, radius);
}

void UnitShapes::drawCylinder(float radius, float length) const
{
    if (radius >= 0.0f && length > 0.0f) drawScaled(kCylinder, radius, length);
}

void UnitShapes::drawScaled(GLuint offset, float radius, float length) const
{
    if (base_ == 0) return;
    glPushMatrix();
    glScalef(radius, radius, length);
    glCallList(base_ + offset);
    glPopMatrix();
}

}  // namespace sprig
