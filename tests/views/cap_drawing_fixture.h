#pragma once
// A 200 x 200 off-screen view of the scene record, painted by the renderer
// or, as the reference, with a GLU quadric call for every cylinder and cap.

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "offscreen_view_fixture.h"
#include "views/element_pass.h"
#include "views/gl_colour.h"
#include "views/scene_renderer.h"
#include "views/unit_shapes.h"

namespace sprig::cap_drawing {

constexpr int kSize = testing::kViewSize;
constexpr std::uint32_t kRed = 0x000000FFu;  // 0x00BBGGRR
constexpr std::uint32_t kGreen = 0x0000FF00u;
constexpr std::uint32_t kBlue = 0x00FF0000u;

// The cylinder pass with a quadric call per cap, at each cap's radius.
class ImmediateCylinders {
public:
    ImmediateCylinders() : cylinder_(gluNewQuadric()), start_(gluNewQuadric()), end_(gluNewQuadric()) {}
    ~ImmediateCylinders()
    {
        for (GLUquadric* q : {cylinder_, start_, end_}) gluDeleteQuadric(q);
    }

    void draw(const CylinderTable& table, const OptionValues& options)
    {
        gluQuadricOrientation(cylinder_, GLU_OUTSIDE);
        gluQuadricOrientation(start_, options.segmentBeginSphere ? GLU_OUTSIDE : GLU_INSIDE);
        gluQuadricOrientation(end_, GLU_OUTSIDE);
        for (int i = 0; i < table.count(); ++i) {
            const CylinderRecord& c = table.record(i);
            glPushMatrix();
            setGlColour(table.colour(i));
            glTranslatef(c.startX, c.startY, c.startZ);
            glRotatef(c.turn, 0.0f, 0.0f, 1.0f);
            glRotatef(c.tilt, 0.0f, 1.0f, 0.0f);
            gluCylinder(cylinder_, c.baseRadius, c.topRadius, c.length, 20, 2);
            drawCap(start_, c.baseRadius, options.segmentBeginSphere);
            glTranslatef(0.0f, 0.0f, c.length);
            drawCap(end_, c.topRadius, options.segmentEndSphere);
            glPopMatrix();
        }
    }

private:
    static void drawCap(GLUquadric* q, float radius, bool sphere)
    {
        if (sphere)
            gluSphere(q, radius, 20, 20);
        else
            gluDisk(q, 0.0, radius, 20, 2);
    }

    GLUquadric* cylinder_;
    GLUquadric* start_;
    GLUquadric* end_;
};

// The renderer's own shapes with spheres at both ends and every face of
// every cap drawn: the picture that leaving faces out must not change.
inline void drawEveryFace(const CylinderTable& table)
{
    UnitShapes shapes;
    shapes.compile();
    GLUquadric* taper = gluNewQuadric();
    glEnable(GL_NORMALIZE);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    for (int i = 0; i < table.count(); ++i) {
        const CylinderRecord& c = table.record(i);
        const bool straight = c.baseRadius == c.topRadius;
        const bool halves = straight && c.baseRadius > 0.0f && c.length >= c.baseRadius;
        glPushMatrix();
        setGlColour(table.colour(i));
        glTranslatef(c.startX, c.startY, c.startZ);
        glRotatef(c.turn, 0.0f, 0.0f, 1.0f);
        glRotatef(c.tilt, 0.0f, 1.0f, 0.0f);
        if (straight)
            shapes.drawCylinder(c.baseRadius, c.length);
        else
            gluCylinder(taper, c.baseRadius, c.topRadius, c.length, 20, 2);
        if (!table.startInsidePrevious(i)) {
            if (halves)
                shapes.drawHemisphere(SphereHalf::kLower, c.baseRadius, {});
            else
                shapes.drawSphere(c.baseRadius);
        }
        glTranslatef(0.0f, 0.0f, c.length);
        if (halves)
            shapes.drawHemisphere(SphereHalf::kUpper, c.topRadius, {});
        else
            shapes.drawSphere(c.topRadius);
        glPopMatrix();
    }
    glDisable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glDisable(GL_NORMALIZE);
    gluDeleteQuadric(taper);
}

class CapDrawingTest : public testing::OffscreenViewTest {
protected:
    // Lines are lit with whatever normal is current: both kinds of picture
    // start from the same one.
    RgbImage paint()
    {
        glNormal3f(0.0f, 0.0f, 1.0f);
        return OffscreenViewTest::paint();
    }

    // The same camera and element pass as the renderer, then the cylinders
    // call by call.
    RgbImage paintImmediately()
    {
        return paintReference([this] { ImmediateCylinders().draw(view_.cylinders, options_); });
    }

    RgbImage paintEveryFace()
    {
        return paintReference([this] { drawEveryFace(view_.cylinders); });
    }

    template <typename DrawCylinders>
    RgbImage paintReference(DrawCylinders drawCylinders)
    {
        const CameraState& camera = view_.camera;
        glNormal3f(0.0f, 0.0f, 1.0f);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        glTranslated(0.0, 0.0, -camera.distance);
        glRotated(-static_cast<double>(camera.elevation), 1.0, 0.0, 0.0);
        glRotated(static_cast<double>(camera.azimuth), 0.0, 0.0, 1.0);
        glTranslatef(-camera.translationX, -camera.translationY, -camera.translationZ);
        drawElements(scene_);
        drawCylinders();
        glPopMatrix();
        glFlush();
        context_->swapBuffers();
        return context_->readPixels();
    }

    // Segments in many directions, widths and tapers, a very short one and a
    // zero-width one, overlapping, and a polygon drawn before them. (The two
    // flat caps of a zero-length segment coincide, and which of them shows in
    // a pixel is decided by rounding alone.)
    void recordMixedScene()
    {
        options_.segmentActiveWidth = true;
        scene_.recordPolygon(std::vector<Vec3>{{0, -3, -3}, {0, -1, -3}, {0, -1, -1}, {0, -3, -1}}, 1.0f, kBlue,
                             {1, 0, 0});
        taper(scene_.recordSegment({0, 0, 0}, {0, 2, 1}, 0.9f, kRed), 0.5f);
        scene_.recordSegment({0, 2, 1}, {1, 2, 3}, 0.5f, kGreen);
        taper(scene_.recordSegment({0, 0, 0}, {-1, -2, 2}, 0.7f, kBlue), 0.0f);
        scene_.recordSegment({-2, 1, -2}, {2, 3, -3}, 1.2f, kRed);
        scene_.recordSegment({1, -1, 2}, {1, -1, 2.1f}, 1.5f, kGreen);
        scene_.recordSegment({0, 3, -1}, {0, 3, 1}, 0.0f, kBlue);
        scene_.recordSegment({-1, 0, -3}, {1, 0, -3.5f}, 0.3f, kGreen);
        taper(scene_.recordSegment({2, -2, 2}, {2, -3, 3}, 1.6f, kRed), 0.2f);
        view_.camera.azimuth = -60.0f;
        view_.camera.elevation = 70.0f;
        view_.camera.distance = 14.0;
        makeReady();
    }

    void taper(std::optional<int> segment, float endWidth)
    {
        ASSERT_TRUE(segment.has_value());
        scene_.setEndWidth(*segment, endWidth);
    }

    void setCaps(bool startSphere, bool endSphere)
    {
        options_.segmentBeginSphere = startSphere;
        options_.segmentEndSphere = endSphere;
    }

};

// Pixels whose colour differs by more than a rounding step in some channel.
inline int differingPixels(const RgbImage& a, const RgbImage& b)
{
    int count = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const auto p = a.at(x, y);
            const auto q = b.at(x, y);
            for (int c = 0; c < 3; ++c) {
                if (std::abs(p[c] - q[c]) > 2) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

inline int litPixels(const RgbImage& image)
{
    int count = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (image.at(x, y) != std::array<std::uint8_t, 3>{0, 0, 0}) ++count;
    return count;
}

inline std::array<GLfloat, 3> currentNormal()
{
    std::array<GLfloat, 3> n{};
    glGetFloatv(GL_CURRENT_NORMAL, n.data());
    return n;
}

}  // namespace sprig::cap_drawing
