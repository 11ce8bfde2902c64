#pragma once
// How moves and turns act on the turtle in the plane (2D: a heading angle)
// and in space (3D: the H, L, U frame). The interpretation passes are
// written once over either of these.

#include <limits>

#include "core/turtle/turtle.h"

namespace sprig {

class PlaneMotion {
public:
    // x grows to the right, y downwards: a heading of pi/2 moves up.
    void advance(Turtle& turtle, float distance)
    {
        if (turtle.heading2D != heading_) refresh(turtle.heading2D);
        turtle.position.x += distance * cos_;
        turtle.position.y -= distance * sin_;
    }
    // '+', '-'; the 3D-only turns do nothing here.
    static void turn(Turtle& turtle, unsigned char symbol, float radians);
    static void reverse(Turtle& turtle) { reverse2D(turtle); }
    static void level(Turtle& turtle) { turtle.heading2D = kHalfPi; }

private:
    void refresh(float heading);

    // cos and sin of the last heading moved along, which changes far less
    // often than the turtle moves. NaN: nothing computed yet.
    float heading_ = std::numeric_limits<float>::quiet_NaN();
    float cos_ = 0.0f;
    float sin_ = 0.0f;
};

class SpaceMotion {
public:
    static void advance(Turtle& turtle, float distance)
    {
        turtle.position.x += distance * turtle.H.x;
        turtle.position.y += distance * turtle.H.y;
        turtle.position.z += distance * turtle.H.z;
    }
    // '+', '-' about U; '&', '^' about L; '\', '/' about H.
    static void turn(Turtle& turtle, unsigned char symbol, float radians);
    // '|': half a turn about U.
    static void reverse(Turtle& turtle);
    // '$': L horizontal, H unchanged.
    static void level(Turtle& turtle);
};

// Rotations of the frame by theta radians about one of its own axes.
void rotateAboutU(Turtle& turtle, float theta);
void rotateAboutL(Turtle& turtle, float theta);
void rotateAboutH(Turtle& turtle, float theta);

}  // namespace sprig
