#include "views/sphere_bands.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sprig {

namespace {

constexpr int kSlices = 20;

struct UnitVertex {
    float x, y, z;
};

// Vertex j of ring i: polar angle pi i / stacks from +z, azimuth 2 pi j /
// slices from +y towards +x. On the unit sphere it is its own normal.
UnitVertex ringVertex(int ring, int slice)
{
    const float polar = static_cast<float>(std::numbers::pi * ring / kSphereStacks);
    const float azimuth = static_cast<float>(2.0 * std::numbers::pi * (slice % kSlices) / kSlices);
    const float sinPolar = static_cast<float>(std::sin(polar));
    if (ring == 0 || ring == kSphereStacks) return {0.0f, 0.0f, ring == 0 ? 1.0f : -1.0f};
    return {static_cast<float>(std::sin(azimuth)) * sinPolar, static_cast<float>(std::cos(azimuth)) * sinPolar,
            static_cast<float>(std::cos(polar))};
}

void send(int ring, int slice)
{
    const UnitVertex v = ringVertex(ring, slice);
    glNormal3f(v.x, v.y, v.z);
    glVertex3f(v.x, v.y, v.z);
}

// The fan round the pole of ring 0 or ring 20 and the ring next to it, in
// the order that makes its faces look outward like the strips'.
void sendFan(bool top)
{
    glBegin(GL_TRIANGLE_FAN);
    send(top ? 0 : kSphereStacks, 0);
    for (int k = 0; k <= kSlices; ++k) send(top ? 1 : kSphereStacks - 1, top ? kSlices - k : k);
    glEnd();
}

// The band between ring stack + 1 and ring stack.
void sendBand(int stack)
{
    glBegin(GL_QUAD_STRIP);
    for (int slice = 0; slice <= kSlices; ++slice) {
        send(stack + 1, slice);
        send(stack, slice);
    }
    glEnd();
}

}  // namespace

// The fans first, then the bands from +z down.
void drawSphereBands(int first, int end)
{
    if (first == 0) sendFan(true);
    if (end == kSphereStacks) sendFan(false);
    for (int stack = std::max(first, 1); stack < std::min(end, kSphereStacks - 1); ++stack) sendBand(stack);
}

}  // namespace sprig
