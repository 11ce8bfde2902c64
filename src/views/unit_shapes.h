#pragma once
// The segments' shapes made once at radius 1: the sphere, the two disks and
// a straight cylinder of length 1 as display lists, and the sphere's outer
// part at either end of a straight cylinder as triangles over shared
// vertices in arrays, which Mesa draws with less work than a list of them.
// Each draw scales a shape to its size. Scaled normals are only right with
// GL_NORMALIZE on, which the caller sets.

#include <GL/gl.h>

#include <vector>

#include "core/mesh/tessellation.h"

namespace sprig {

enum class UnitShape {
    Sphere,
    EndOuter,    // stacks 0 to 10 round +z: the half beyond a cylinder's end and one band inside
    StartOuter,  // the same round -z
    StartDisk,   // faces -z
    EndDisk,     // faces +z
    Cylinder,    // along +z from 0 to 1, open at both ends
};

// Triangles over shared vertices, each vertex its own normal.
struct IndexedTriangles {
    std::vector<GLfloat> vertices;  // x, y, z of each
    std::vector<GLushort> indices;  // three per triangle
};

class UnitShapes {
public:
    UnitShapes() = default;
    ~UnitShapes() { release(); }
    UnitShapes(const UnitShapes&) = delete;
    UnitShapes& operator=(const UnitShapes&) = delete;

    // Makes the shapes in the current context, replacing any made before.
    void compile();
    // Deletes the shapes; their context must be current.
    void release();

    // Scaled by radius across and by length along z. As GLU does, nothing
    // for a negative radius, a disk of radius 0 or a cylinder of length 0.
    void draw(UnitShape shape, float radius, float length) const;

private:
    GLuint base_ = 0;                                   // 0: nothing compiled
    IndexedTriangles outer_[2];                         // round -z and round +z; empty: drawn as the sphere
    GLfloat sphereLastNormal_[3] = {0.0f, 0.0f, 1.0f};  // the one gluSphere leaves current
};

}  // namespace sprig
