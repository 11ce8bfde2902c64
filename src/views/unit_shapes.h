#pragma once
// The segments' shapes compiled once into display lists of radius 1: a
// sphere and its two halves, the two disks and a straight cylinder of length
// 1. Each draw scales a list to the shape's size, so the GL replays stored
// vertices instead of receiving each one by call. Scaled normals are only
// right with GL_NORMALIZE on, which the caller sets. Each draw leaves the
// same normal current as the GLU call for that shape and size.

#include <GL/gl.h>

namespace sprig {

class UnitShapes {
public:
    UnitShapes() = default;
    ~UnitShapes();
    UnitShapes(const UnitShapes&) = delete;
    UnitShapes& operator=(const UnitShapes&) = delete;

    // Compiles the lists in the current context, replacing any compiled before.
    void compile();
    // Deletes the lists; their context must be current.
    void release();

    void drawSphere(float radius) const;
    // The halves draw nothing for a radius of 0 or less.
    void drawUpperHemisphere(float radius) const;  // z >= 0
    void drawLowerHemisphere(float radius) const;  // z <= 0
    void drawStartDisk(float radius) const;  // faces -z
    void drawEndDisk(float radius) const;    // faces +z
    // Along +z from 0 to length, open at both ends.
    void drawCylinder(float radius, float length) const;

private:
    void drawScaled(GLuint offset, float radius, float length) const;

    GLuint base_ = 0;  // 0: nothing compiled
};

}  // namespace sprig
