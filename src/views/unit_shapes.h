#pragma once
// The segments' shapes compiled into display lists of radius 1: a sphere,
// its two halves (whole, or with some faces left out as a cap filter
// chooses), the two disks and a straight cylinder of length 1. Each draw
// scales a list to the shape's size, so the GL replays stored vertices
// instead of receiving each one by call. Scaled normals are only right with
// GL_NORMALIZE on, which the caller sets. Each draw leaves the same normal
// current as the GLU call for that shape and size.

#include <GL/gl.h>

#include <vector>

#include "views/cap_filter.h"
#include "views/sphere_halves.h"

namespace sprig {

class UnitShapes {
public:
    UnitShapes() = default;
    ~UnitShapes();
    UnitShapes(const UnitShapes&) = delete;
    UnitShapes& operator=(const UnitShapes&) = delete;

    // Compiles the lists in the current context, replacing any compiled
    // before. A filtered half is compiled when first drawn.
    void compile();
    // Deletes the lists; their context must be current.
    void release();

    void drawSphere(float radius) const;
    // Nothing for a radius of 0 or less. A filter that leaves faces out
    // needs culling on.
    void drawHemisphere(SphereHalf half, float radius, const CapFilter& filter);
    void drawStartDisk(float radius) const;  // faces -z
    void drawEndDisk(float radius) const;    // faces +z
    // Along +z from 0 to length, open at both ends.
    void drawCylinder(float radius, float length) const;

private:
    GLuint hemisphereList(SphereHalf half, const CapFilter& filter);
    void drawScaled(GLuint offset, float radius, float length) const;

    GLuint base_ = 0;  // 0: nothing compiled
    std::vector<bool> compiled_;  // per filtered half list
};

}  // namespace sprig
