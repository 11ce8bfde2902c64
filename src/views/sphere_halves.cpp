#include "views/sphere_halves.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace sprig {

namespace {

constexpr int kSlices = 20;
constexpr int kStacks = 20;
constexpr int kEquator = kStacks / 2;

// Vertex j of ring i: polar angle pi i / stacks from +z, azimuth 2 pi j /
// slices from +y towards +x. On the unit sphere the normal is the point.
void ringNormal(int ring, int slice, GLfloat n[3])
{
    const float polar = static_cast<float>(std::numbers::pi * ring / kStacks);
    const float azimuth = static_cast<float>(2.0 * std::numbers::pi * (slice % kSlices) / kSlices);
    const float sinPolar = static_cast<float>(std::sin(polar));
    n[0] = static_cast<float>(std::sin(azimuth)) * sinPolar;
    n[1] = static_cast<float>(std::cos(azimuth)) * sinPolar;
    n[2] = static_cast<float>(std::cos(polar));
}

// The last normal that gluSphere sends: slice 0 of the ring before the last.
// The lower half ends with it anyway.
void leaveLastNormal()
{
    GLfloat n[3];
    ringNormal(kStacks - 2, 0, n);
    glNormal3fv(n);
}

void emitPole(float z)
{
    glNormal3f(0.0f, 0.0f, z);
    glVertex3f(0.0f, 0.0f, z);
}

void emitRingVertex(int ring, int slice)
{
    GLfloat n[3];
    ringNormal(ring, slice, n);
    glNormal3fv(n);
    glVertex3fv(n);
}

// The band between ring i and ring i + 1, two triangles per slice.
void emitBand(int ring)
{
    for (int j = 0; j < kSlices; ++j) {
        emitRingVertex(ring + 1, j + 1);
        emitRingVertex(ring + 1, j);
        emitRingVertex(ring, j + 1);
        emitRingVertex(ring + 1, j);
        emitRingVertex(ring, j);
        emitRingVertex(ring, j + 1);
    }
}

}  // namespace

void drawUpperUnitHemisphere()
{
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < kSlices; ++k) {
        emitPole(1.0f);
        emitRingVertex(1, kSlices - k);
        emitRingVertex(1, 2 * kSlices - 1 - k);
    }
    for (int ring = 1; ring < kEquator; ++ring) emitBand(ring);
    glEnd();
    leaveLastNormal();
}

void drawLowerUnitHemisphere()
{
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < kSlices; ++k) {
        emitPole(-1.0f);
        emitRingVertex(kStacks - 1, k);
        emitRingVertex(kStacks - 1, k + 1);
    }
    for (int ring = kEquator; ring < kStacks - 1; ++ring) emitBand(ring);
    glEnd();
}

}  // namespace sprig
