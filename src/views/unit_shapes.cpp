#include "views/unit_shapes.h"

#include <GL/glu.h>

#include <array>
#include <map>

namespace sprig {

namespace {

enum ListOffset : GLuint { kSphere, kStartDisk, kEndDisk, kCylinder, kListCount };
// The list of each UnitShape; the outer parts fall back on the sphere's.
constexpr GLuint kListOffsets[] = {kSphere, kSphere, kSphere, kStartDisk, kEndDisk, kCylinder};

void compileQuadric(GLuint list, GLUquadric* quadric, GLenum orientation, ListOffset shape)
{
    gluQuadricOrientation(quadric, orientation);
    glNewList(list, GL_COMPILE);
    if (shape == kSphere) gluSphere(quadric, 1.0, kSlices, kSphereStacks);
    else if (shape == kCylinder) gluCylinder(quadric, 1.0, 1.0, 1.0, kSlices, kCylinderStacks);
    else gluDisk(quadric, 0.0, 1.0, kSlices, kDiskLoops);
    glEndList();
}

// One coordinate of every vertex of this GLU's unit sphere, in the order
// of its triangles, read back as window x through GL feedback: the view
// turns the axes so that x is the coordinate `row` picks (0 for x, 1 for y,
// 2 for z), halves them, and leaves them otherwise as they are. Nothing
// when the GL gives other than triangles or they do not fit.
std::vector<GLfloat> sphereCoordinates(GLUquadric* quadric, int row)
{
    GLfloat turn[16] = {};
    for (int k = 0; k < 3; ++k) turn[((row + k) % 3) * 4 + k] = 0.5f;
    turn[15] = 1.0f;
    std::vector<GLfloat> feedback(std::size_t{1} << 16);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    glPushAttrib(GL_VIEWPORT_BIT | GL_ENABLE_BIT);
    glDisable(GL_CULL_FACE);
    glViewport(-1, -1, 2, 2);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadMatrixf(turn);
    gluSphere(quadric, 1.0, kSlices, kSphereStacks);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    const GLint used = glRenderMode(GL_RENDER);
    glFeedbackBuffer(0, GL_2D, nullptr);  // as in a fresh context, and nothing left pointing at the buffer
    std::vector<GLfloat> coordinates;
    for (GLint i = 0; i < used; i += 2 + 3 * 2) {
        if (feedback[i] != GL_POLYGON_TOKEN || feedback[i + 1] != 3.0f) return {};
        for (int k = 0; k < 3; ++k) coordinates.push_back(feedback[i + 2 + 2 * k] * 2.0f);
    }
    return coordinates;
}

// The triangles of this GLU's unit sphere whose vertices all lie on the
// outer side of the plane z = -0.2 (z = 0.2 for the start), in the sphere's
// order, each vertex given once: the half beyond a cylinder's end and one
// band inside, so that where the cap meets the cylinder's rim, a sight line
// that slips between them by rounding still meets that band, as it meets
// the whole sphere. Nothing when the triangles cannot be read back.
IndexedTriangles outerHalf(GLUquadric* quadric, bool end)
{
    gluQuadricOrientation(quadric, GLU_OUTSIDE);  // its windings show which faces are outer
    const std::vector<GLfloat> x = sphereCoordinates(quadric, 0);
    const std::vector<GLfloat> y = sphereCoordinates(quadric, 1);
    const std::vector<GLfloat> z = sphereCoordinates(quadric, 2);
    if (z.empty() || x.size() != z.size() || y.size() != z.size()) return {};
    IndexedTriangles half;
    std::map<std::array<GLfloat, 3>, GLushort> index;
    for (std::size_t t = 0; t < z.size(); t += 3) {
        const auto outer = [&](std::size_t v) { return end ? z[v] > -0.2f : z[v] < 0.2f; };
        if (!outer(t) || !outer(t + 1) || !outer(t + 2)) continue;
        for (std::size_t v = t; v < t + 3; ++v) {
            const auto [at, added] =
                index.try_emplace({x[v], y[v], z[v]}, static_cast<GLushort>(half.vertices.size() / 3));
            if (added) half.vertices.insert(half.vertices.end(), {x[v], y[v], z[v]});
            half.indices.push_back(at->second);
        }
    }
    return half;
}

// Leaves the normal gluSphere leaves: after an array draw the GL's current
// normal is undefined, and the next paint's lines are lit by it.
void drawIndexed(const IndexedTriangles& triangles, const GLfloat* lastNormal)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, triangles.vertices.data());
    glNormalPointer(GL_FLOAT, 0, triangles.vertices.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(triangles.indices.size()), GL_UNSIGNED_SHORT,
                   triangles.indices.data());
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glNormal3fv(lastNormal);
}

}  // namespace

// Reading the sphere back draws it, which changes the current normal; the
// context is left with the normal it had, so that the first paint's lines
// are lit as in a context that built nothing.
void UnitShapes::compile()
{
    release();
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr) return;
    GLfloat normal[3];
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    base_ = glGenLists(kListCount);
    if (base_ != 0) {
        compileQuadric(base_ + kSphere, quadric, GLU_OUTSIDE, kSphere);
        compileQuadric(base_ + kStartDisk, quadric, GLU_INSIDE, kStartDisk);
        compileQuadric(base_ + kEndDisk, quadric, GLU_OUTSIDE, kEndDisk);
        compileQuadric(base_ + kCylinder, quadric, GLU_OUTSIDE, kCylinder);
        for (const bool end : {false, true}) outer_[end] = outerHalf(quadric, end);
        glGetFloatv(GL_CURRENT_NORMAL, sphereLastNormal_);
    }
    glNormal3fv(normal);
    gluDeleteQuadric(quadric);
}

void UnitShapes::release()
{
    if (base_ != 0) glDeleteLists(base_, kListCount);
    base_ = 0;
    outer_[0] = outer_[1] = {};
}

// A shape of size 0 that GLU does draw is flat and shows nothing, but it
// leaves its last normal current; scaling by 0 does the same.
void UnitShapes::draw(UnitShape shape, float radius, float length) const
{
    const bool disk = shape == UnitShape::StartDisk || shape == UnitShape::EndDisk;
    if (base_ == 0 || radius < 0.0f || (disk && radius == 0.0f) || (shape == UnitShape::Cylinder && length <= 0.0f))
        return;
    const IndexedTriangles* outer = shape == UnitShape::StartOuter ? &outer_[0]
                                    : shape == UnitShape::EndOuter ? &outer_[1]
                                                                   : nullptr;
    glPushMatrix();
    glScalef(radius, radius, length);
    if (outer == nullptr || outer->indices.empty()) glCallList(base_ + kListOffsets[static_cast<int>(shape)]);
    else drawIndexed(*outer, sphereLastNormal_);
    glPopMatrix();
}

}  // namespace sprig
