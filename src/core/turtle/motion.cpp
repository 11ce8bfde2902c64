#include "core/turtle/motion.h"

#include <cmath>

namespace sprig {

void PlaneMotion::refresh(float heading)
{
    heading_ = heading;
    cos_ = std::cos(heading);
    sin_ = std::sin(heading);
}

void PlaneMotion::turn(Turtle& turtle, unsigned char symbol, float radians)
{
    if (symbol == '+') turnLeft2D(turtle, radians);
    else if (symbol == '-') turnRight2D(turtle, radians);
}

namespace {

Vec3 combine(float a, const Vec3& u, float b, const Vec3& v)
{
    return {a * u.x + b * v.x, a * u.y + b * v.y, a * u.z + b * v.z};
}

Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

void rotateAboutU(Turtle& t, float theta)
{
    const float c = std::cos(theta), s = std::sin(theta);
    const Vec3 h = t.H, l = t.L;
    t.H = combine(c, h, -s, l);
    t.L = combine(s, h, c, l);
}

void rotateAboutL(Turtle& t, float theta)
{
    const float c = std::cos(theta), s = std::sin(theta);
    const Vec3 h = t.H, u = t.U;
    t.H = combine(c, h, s, u);
    t.U = combine(-s, h, c, u);
}

void rotateAboutH(Turtle& t, float theta)
{
    const float c = std::cos(theta), s = std::sin(theta);
    const Vec3 l = t.L, u = t.U;
    t.L = combine(c, l, s, u);
    t.U = combine(-s, l, c, u);
}

void SpaceMotion::turn(Turtle& turtle, unsigned char symbol, float radians)
{
    switch (symbol) {
    case '+': rotateAboutU(turtle, -radians); break;
    case '-': rotateAboutU(turtle, radians); break;
    case '&': rotateAboutL(turtle, -radians); break;
    case '^': rotateAboutL(turtle, radians); break;
    case '\\': rotateAboutH(turtle, -radians); break;
    case '/': rotateAboutH(turtle, radians); break;
    default: break;
    }
}

void SpaceMotion::reverse(Turtle& turtle) { rotateAboutU(turtle, kPi); }

void SpaceMotion::level(Turtle& turtle)
{
    const Vec3 vertical{0.0f, 0.0f, 1.0f};
    const Vec3 side = cross(vertical, turtle.H);
    const float length = std::sqrt(side.x * side.x + side.y * side.y + side.z * side.z);
    // With H vertical there is no horizontal left; the frame stays as it is.
    if (!(length > 0.0f)) return;
    turtle.L = {side.x / length, side.y / length, side.z / length};
    turtle.U = cross(turtle.H, turtle.L);
}

}  // namespace sprig
