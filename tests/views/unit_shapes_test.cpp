// The caps drawn from scaled display lists against the same scene drawn
// call by call with GLU quadrics of the caps' own radii, and the size of a
// sphere cap worked out from the camera.

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/gl/osmesa_context.h"
#include "views/element_pass.h"
#include "views/gl_colour.h"
#include "views/scene_renderer.h"

namespace sprig {
namespace {

constexpr int kSize = 200;
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

class CapDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        context_ = OsMesaContext::create(kSize, kSize);
        ASSERT_NE(context_, nullptr);
        renderer_.initialise();
        renderer_.resize(kSize, kSize);
        view_.camera.distance = 10.0;
    }

    void makeReady()
    {
        view_.cylinders.build(scene_, options_.segmentActiveWidth);
        view_.sceneReady = true;
    }

    RgbImage paint()
    {
        EXPECT_TRUE(renderer_.paint(view_, scene_, options_, 0u));
        context_->swapBuffers();
        return context_->readPixels();
    }

    // The same camera and element pass as the renderer, then the cylinders
    // call by call.
    RgbImage paintImmediately()
    {
        const CameraState& camera = view_.camera;
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        glTranslated(0.0, 0.0, -camera.distance);
        glRotated(-static_cast<double>(camera.elevation), 1.0, 0.0, 0.0);
        glRotated(static_cast<double>(camera.azimuth), 0.0, 0.0, 1.0);
        glTranslatef(-camera.translationX, -camera.translationY, -camera.translationZ);
        drawElements(scene_);
        ImmediateCylinders().draw(view_.cylinders, options_);
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
        const float w = 0.9f;
        scene_.recordSegment({0, 0, 0}, {0, 2, 1}, w, kRed);
        scene_.setEndWidth(1, 0.5f);
        scene_.recordSegment({0, 2, 1}, {1, 2, 3}, 0.5f, kGreen);
        scene_.recordSegment({0, 0, 0}, {-1, -2, 2}, 0.7f, kBlue);
        scene_.setEndWidth(3, 0.0f);
        scene_.recordSegment({-2, 1, -2}, {2, 3, -3}, 1.2f, kRed);
        scene_.recordSegment({1, -1, 2}, {1, -1, 2.1f}, 1.5f, kGreen);
        scene_.recordSegment({0, 3, -1}, {0, 3, 1}, 0.0f, kBlue);
        scene_.recordSegment({-1, 0, -3}, {1, 0, -3.5f}, 0.3f, kGreen);
        view_.camera.azimuth = -60.0f;
        view_.camera.elevation = 70.0f;
        view_.camera.distance = 14.0;
        makeReady();
    }

    void setCaps(bool startSphere, bool endSphere)
    {
        options_.segmentBeginSphere = startSphere;
        options_.segmentEndSphere = endSphere;
    }

    std::unique_ptr<OsMesaContext> context_;
    SceneRenderer renderer_;
    SceneView view_;
    SceneRecord scene_;
    OptionValues options_;
};

// Pixels whose colour differs by more than a rounding step in some channel.
int differingPixels(const RgbImage& a, const RgbImage& b)
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

int litPixels(const RgbImage& image)
{
    int count = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (image.at(x, y) != std::array<std::uint8_t, 3>{0, 0, 0}) ++count;
    return count;
}

// At most a few pixels out of the 40000 may round differently.
constexpr int kRoundingPixels = 10;

TEST_F(CapDrawingTest, EveryCapChoiceLooksAsWithQuadricCalls)
{
    recordMixedScene();
    for (const auto& [startSphere, endSphere] : {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
        setCaps(startSphere, endSphere);
        const RgbImage reference = paintImmediately();
        EXPECT_GT(litPixels(reference), 4000);
        EXPECT_LE(differingPixels(paint(), reference), kRoundingPixels) << startSphere << endSphere;
    }
}

// The pictures compared above differ widely between the cap kinds, so a cap
// drawn the wrong way would show.
TEST_F(CapDrawingTest, SpheresAndDisksGiveDifferentPictures)
{
    recordMixedScene();
    setCaps(true, true);
    const RgbImage spheres = paintImmediately();
    setCaps(false, false);
    EXPECT_GT(differingPixels(spheres, paintImmediately()), 500);
}

// Culling and renormalising are on only during the cylinder pass: the next
// paint's polygon, whose normals are not unit length, still looks the same.
TEST_F(CapDrawingTest, TheNextPaintStartsFromTheFixedState)
{
    recordMixedScene();
    setCaps(true, true);
    paint();
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
    GLint cullFace = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullFace);
    EXPECT_EQ(cullFace, GL_BACK);
    const RgbImage second = paint();
    EXPECT_LE(differingPixels(second, paintImmediately()), kRoundingPixels);
}

// A zero-length segment at the origin, 10 units in front of the camera,
// with the sphere's poles towards the viewer. The perspective maps a point
// at depth d and distance s from the view axis to 100 / tan(22.5°) · s / d
// = 241.42 · s / d pixels from the centre. The vertex ring k of the sphere
// (20 stacks) lies at polar angle 9k degrees: for radius 1 ring 9 reaches
// furthest, 241.42 · sin 81° / (10 − cos 81°) = 24.22 pixels, and the
// outline is the 20-gon through its vertices, at least 24.22 · cos 9° =
// 23.93 pixels from the centre. For radius 0.5 the equator reaches furthest:
// 12.07 pixels, the 20-gon at least 11.92.
TEST_F(CapDrawingTest, ASphereCoversTheDiscItsRadiusProjectsTo)
{
    setCaps(true, true);
    struct Case {
        float width;
        double inside;   // pixel centres this near the centre are covered
        double outside;  // and those this far are not
    };
    for (const Case& c : {Case{2.0f, 23.5, 24.6}, Case{1.0f, 11.5, 12.5}}) {
        scene_.reset();
        scene_.recordSegment({0, 0, 0}, {0, 0, 0}, c.width, kRed);
        makeReady();
        const RgbImage image = paint();
        for (int y = 60; y < 140; ++y) {
            for (int x = 60; x < 140; ++x) {
                const double r = std::hypot(x + 0.5 - 100.0, y + 0.5 - 100.0);
                const auto p = image.at(x, y);
                if (r <= c.inside) {
                    EXPECT_GT(p[0], 100) << c.width << ": " << x << "," << y;
                } else if (r >= c.outside) {
                    EXPECT_EQ(p[0], 0) << c.width << ": " << x << "," << y;
                }
            }
        }
    }
}

// A sphere of radius 0 has nothing to show and must not spoil the picture:
// only the axis line of the zero-width segment is drawn.
TEST_F(CapDrawingTest, ASphereOfRadiusZeroDrawsNothing)
{
    setCaps(true, true);
    scene_.recordSegment({0, 0, -2}, {0, 0, 2}, 0.0f, kRed);
    scene_.recordSegment({0, 2, 0}, {0, 2, 0}, 0.0f, kRed);
    makeReady();
    const RgbImage image = paint();
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool onAxisLine = x >= 98 && x <= 101 && y >= 50 && y <= 150;
            if (!onAxisLine) {
                EXPECT_EQ(image.at(x, y), (std::array<std::uint8_t, 3>{0, 0, 0})) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace sprig
