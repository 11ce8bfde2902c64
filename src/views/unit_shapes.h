#pragma once
// The segments' shapes compiled once into display lists of radius 1: the
// sphere, its outer part at either end of a straight cylinder, the two disks
// and a straight cylinder of length 1. Each draw scales a list to the
// shape's size, so the GL replays stored vertices instead of receiving each
// one by call. Scaled normals are only right with GL_NORMALIZE on, which the
// caller sets.

#include <GL/gl.h>

namespace sprig {

// The tessellation of every GLU shape the rules draw.
inline constexpr GLint kSlices = 20;
inline constexpr GLint kSphereStacks = 20;
inline constexpr GLint kCylinderStacks = 2;
inline constexpr GLint kDiskLoops = 2;

enum class UnitShape {
    Sphere,
    EndOuter,    // stacks 0 to 10 round +z: the half beyond a cylinder's end and one band inside
    StartOuter,  // the same round -z
    StartDisk,   // faces -z
    EndDisk,     // faces +z
    Cylinder,    // along +z from 0 to 1, open at both ends
};

class UnitShapes {
public:
    UnitShapes() = default;
    ~UnitShapes() { release(); }
    UnitShapes(const UnitShapes&) = delete;
    UnitShapes& operator=(const UnitShapes&) = delete;

    // Compiles the lists in the current context, replacing any compiled before.
    void compile();
    // Deletes the lists; their context must be current.
    void release();

    // Scaled by radius across and by length along z. As GLU does, nothing
    // for a negative radius, a disk of radius 0 or a cylinder of length 0.
    void draw(UnitShape shape, float radius, float length) const;

private:
    GLuint base_ = 0;  // 0: nothing compiled
};

}  // namespace sprig
