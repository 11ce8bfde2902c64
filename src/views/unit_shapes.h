#pragma once
// The segments' shapes compiled once into display lists of radius 1: the
// sphere, its outer part at either end of a straight cylinder, the two disks
// and a straight cylinder of length 1. Each draw scales a list to the
// shape's size, so the GL replays stored vertices instead of receiving each
// one by call. Scaled normals are only right with GL_NORMALIZE on, which the
// caller sets.

#include <GL/gl.h>

namespace sprig {

enum class SpherePart {
    kWhole,
    kEndOuter,    // stacks 0 to 10 round +z: the half beyond the cylinder's end and one band inside
    kStartOuter,  // the same round -z
};

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

    // GLU draws nothing for a negative radius, a disk of radius 0 or a
    // cylinder of length 0. Any other shape of size 0 it draws flat, which
    // shows nothing but leaves the shape's last normal current for the lines
    // drawn next; scaling by 0 does the same.
    void drawSphere(SpherePart part, float radius) const;
    void drawStartDisk(float radius) const;  // faces -z
    void drawEndDisk(float radius) const;    // faces +z
    // Along +z from 0 to length, open at both ends.
    void drawCylinder(float radius, float length) const;

private:
    void drawScaled(GLuint offset, float radius, float length) const;

    GLuint base_ = 0;  // 0: nothing compiled
};

}  // namespace sprig
