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
// slices from +y towards +x.
UnitVertex ringVertex(int ring, int slice)
{
    const float polar = static_cast<float>(std::numbers::pi * ring / kStacks);
    const float azimuth = static_cast<float>(2.0 * std::numbers::pi * (slice % kSlices) / kSlices);
    const float sinPolar = static_cast<float>(std::sin(polar));
    return {static_cast<float>(std::sin(azimuth)) * sinPolar, static_cast<float>(std::cos(azimuth)) * sinPolar,
            static_cast<float>(std::cos(polar))};
}

// The band between ring i and ring i + 1, two triangles per slice.
void addBand(std::vector<UnitTriangle>& triangles, int ring)
{
    for (int j = 0; j < kSlices; ++j) {
        triangles.push_back({ringVertex(ring + 1, j + 1), ringVertex(ring + 1, j), ringVertex(ring, j + 1)});
        triangles.push_back({ringVertex(ring + 1, j), ringVertex(ring, j), ringVertex(ring, j + 1)});
    }
}

std::vector<UnitTriangle> upperTriangles()
{
    std::vector<UnitTriangle> triangles;
    const UnitVertex pole{0.0f, 0.0f, 1.0f};
    for (int k = 0; k < kSlices; ++k)
        triangles.push_back({pole, ringVertex(1, kSlices - k), ringVertex(1, 2 * kSlices - 1 - k)});
    for (int ring = 1; ring < kEquator; ++ring) addBand(triangles, ring);
    return triangles;
}

std::vector<UnitTriangle> lowerTriangles()
{
    std::vector<UnitTriangle> triangles;
    const UnitVertex pole{0.0f, 0.0f, -1.0f};
    for (int k = 0; k < kSlices; ++k)
        triangles.push_back({pole, ringVertex(kStacks - 1, k), ringVertex(kStacks - 1, k + 1)});
    for (int ring = kEquator; ring < kStacks - 1; ++ring) addBand(triangles, ring);
    return triangles;
}

}  // namespace

const std::vector<UnitTriangle>& hemisphereTriangles(SphereHalf half)
{
    static const std::vector<UnitTriangle> upper = upperTriangles();
    static const std::vector<UnitTriangle> lower = lowerTriangles();
    return half == SphereHalf::kUpper ? upper : lower;
}

// gluSphere's last normal is that of slice 0 on the ring before the last.
void drawUnitTriangles(const std::vector<UnitTriangle>& triangles)
{
    glBegin(GL_TRIANGLES);
    for (const UnitTriangle& triangle : triangles) {
        for (const UnitVertex& v : triangle) {
            glNormal3f(v.x, v.y, v.z);
            glVertex3f(v.x, v.y, v.z);
        }
    }
    glEnd();
    const UnitVertex last = ringVertex(kStacks - 2, 0);
    glNormal3f(last.x, last.y, last.z);
}

}  // namespace sprig
