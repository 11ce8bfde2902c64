#include "views/unit_shapes.h"

#include <GL/glu.h>

namespace sprig {

namespace {

constexpr GLint kSlices = 20;
constexpr GLint kSphereStacks = 20;
constexpr GLint kDiskLoops = 2;
constexpr GLint kCylinderStacks = 2;

enum ListOffset : GLuint { kSphere, kStartDisk, kEndDisk, kCylinder, kListCount };

void compileList(GLuint list, GLUquadric* quadric, GLenum orientation, ListOffset shape)
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
        compileList(base_ + kSphere, quadric, GLU_OUTSIDE, kSphere);
        compileList(base_ + kStartDisk, quadric, GLU_INSIDE, kStartDisk);
        compileList(base_ + kEndDisk, quadric, GLU_OUTSIDE, kEndDisk);
        compileList(base_ + kCylinder, quadric, GLU_OUTSIDE, kCylinder);
    }
    gluDeleteQuadric(quadric);
}

void UnitShapes::release()
{
    if (base_ != 0) glDeleteLists(base_, kListCount);
    base_ = 0;
}

void UnitShapes::drawSphere(float radius) const
{
    drawScaled(kSphere, radius, radius);
}

void UnitShapes::drawStartDisk(float radius) const
{
    drawScaled(kStartDisk, radius, radius);
}

void UnitShapes::drawEndDisk(float radius) const
{
    drawScaled(kEndDisk, radius, radius);
}

void UnitShapes::drawCylinder(float radius, float length) const
{
    drawScaled(kCylinder, radius, length);
}

void UnitShapes::drawScaled(GLuint offset, float radius, float length) const
{
    if (base_ == 0 || !(radius > 0.0f) || !(length > 0.0f)) return;
    glPushMatrix();
    glScalef(radius, radius, length);
    glCallList(base_ + offset);
    glPopMatrix();
}

}  // namespace sprig
