#include "views/unit_shapes.h"

#include <GL/glu.h>

#include <vector>

#include "views/direction_cells.h"
#include "views/sphere_halves.h"

namespace sprig {

namespace {

constexpr GLint kSlices = 20;
constexpr GLint kSphereStacks = 20;
constexpr GLint kDiskLoops = 2;
constexpr GLint kCylinderStacks = 2;

enum ListOffset : GLuint { kSphere, kStartDisk, kEndDisk, kCylinder, kUpperHalf, kLowerHalf, kListCount };

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

void compileList(GLuint list, const std::vector<UnitTriangle>& triangles)
{
    glNewList(list, GL_COMPILE);
    drawUnitTriangles(triangles);
    glEndList();
}

// After the whole shapes, each half once per filter that leaves faces out
// and per cell.
constexpr GLuint kLeavingKinds = kCapFilterKinds - 1;
constexpr GLuint kFilteredLists = 2 * kLeavingKinds * DirectionCells::kCount;
constexpr GLsizei kAllLists = kListCount + kFilteredLists;

GLuint filteredList(SphereHalf half, const CapFilter& filter)
{
    const GLuint kind = static_cast<GLuint>(filter.kind) - 1;
    const GLuint halfIndex = half == SphereHalf::kUpper ? 0 : 1;
    return (halfIndex * kLeavingKinds + kind) * DirectionCells::kCount + static_cast<GLuint>(filter.cell);
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
    base_ = glGenLists(kAllLists);
    if (base_ != 0) {
        compileList(base_ + kSphere, quadric, GLU_OUTSIDE, kSphere);
        compileList(base_ + kStartDisk, quadric, GLU_INSIDE, kStartDisk);
        compileList(base_ + kEndDisk, quadric, GLU_OUTSIDE, kEndDisk);
        compileList(base_ + kCylinder, quadric, GLU_OUTSIDE, kCylinder);
        compileList(base_ + kUpperHalf, hemisphereTriangles(SphereHalf::kUpper));
        compileList(base_ + kLowerHalf, hemisphereTriangles(SphereHalf::kLower));
        compiled_.assign(kFilteredLists, false);
    }
    gluDeleteQuadric(quadric);
}

void UnitShapes::release()
{
    if (base_ != 0) glDeleteLists(base_, kAllLists);
    base_ = 0;
    compiled_.clear();
}

// GLU draws nothing for a negative radius, a disk of radius 0 or a cylinder
// of length 0. Any other shape of size 0 it draws flat, which shows nothing
// but leaves the shape's last normal current, and that normal lights the
// lines drawn next; scaling by 0 does the same.
void UnitShapes::drawSphere(float radius) const
{
    if (radius >= 0.0f) drawScaled(kSphere, radius, radius);
}

void UnitShapes::drawHemisphere(SphereHalf half, float radius, const CapFilter& filter)
{
    if (radius > 0.0f && base_ != 0) drawScaled(hemisphereList(half, filter), radius, radius);
}

// A filtered half is compiled the first time it is needed: a picture uses
// few of them, and compiling is quick.
GLuint UnitShapes::hemisphereList(SphereHalf half, const CapFilter& filter)
{
    if (filter.kind == CapFilterKind::kWhole) return half == SphereHalf::kUpper ? kUpperHalf : kLowerHalf;
    const GLuint list = filteredList(half, filter);
    if (!compiled_[list]) {
        compileList(base_ + kListCount + list, filteredTriangles(hemisphereTriangles(half), filter));
        compiled_[list] = true;
    }
    return kListCount + list;
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
