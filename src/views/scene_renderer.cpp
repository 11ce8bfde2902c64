#include "views/scene_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "views/element_pass.h"
#include "views/gl_colour.h"

namespace sprig {

namespace {

constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 10000000.0;

void setLightsAndMaterial()
{
    const GLfloat ambient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    const GLfloat diffuse[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat specular[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat shininess[] = {50.0f};
    const GLfloat lightPosition[] = {10000.0f, 10000.0f, 10000.0f, 1.0f};
    const GLfloat sceneAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, sceneAmbient);
}

void placeCamera(const CameraState& camera)
{
    glTranslated(0.0, 0.0, -camera.distance);
    glRotated(-static_cast<double>(camera.elevation), 1.0, 0.0, 0.0);
    glRotated(static_cast<double>(camera.azimuth), 0.0, 0.0, 1.0);
}

void drawGround(float s)
{
    glColor3f(0.7f, 0.5f, 0.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_POLYGON);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glVertex3f(s, s, 0.0f);
    glVertex3f(-s, s, 0.0f);
    glVertex3f(-s, -s, 0.0f);
    glVertex3f(s, -s, 0.0f);
    glEnd();
}

void drawAxes(float s)
{
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_LINES);
    for (const int axis : {0, 1, 2}) {
        glVertex3f(0.0f, 0.0f, 0.0f);
        glVertex3f(axis == 0 ? s : 0.0f, axis == 1 ? s : 0.0f, axis == 2 ? s : 0.0f);
    }
    glEnd();
}

// Whether a cylinder and its caps lie wholly beyond the near plane, with
// room for the GL's single-precision rounding: then the eye is outside them
// and no clipping opens them, and only then may what they hide be left out.
class NearPlaneTest {
public:
    explicit NearPlaneTest(const CameraState& camera)
        : centre_{camera.translationX, camera.translationY, camera.translationZ}, distance_(camera.distance)
    {
        const double elevation = static_cast<double>(camera.elevation) * std::numbers::pi / 180.0;
        const double azimuth = static_cast<double>(camera.azimuth) * std::numbers::pi / 180.0;
        along_ = {std::sin(elevation) * std::sin(azimuth), std::sin(elevation) * std::cos(azimuth),
                  -std::cos(elevation)};
    }

    bool clear(const CylinderRecord& c, const Vec3& end) const
    {
        const Vec3 start{c.startX, c.startY, c.startZ};
        const double reach = std::max({static_cast<double>(c.baseRadius), static_cast<double>(c.topRadius), 0.0});
        const double rounding = 1e-5 * (std::abs(distance_) + size(centre_) + size(start) + size(end) + reach);
        return std::min(depth(start), depth(end)) - reach * 1.001 - rounding > kNearPlane;
    }

private:
    // Along the line of sight from the eye, which the near plane cuts at 1.
    double depth(const Vec3& p) const
    {
        return along_[0] * (static_cast<double>(p.x) - centre_.x) + along_[1] * (static_cast<double>(p.y) - centre_.y) +
               along_[2] * (static_cast<double>(p.z) - centre_.z) + distance_;
    }

    static double size(const Vec3& p) { return std::abs(p.x) + std::abs(p.y) + std::abs(p.z); }

    std::array<double, 3> along_;
    Vec3 centre_;
    double distance_;
};

// Half of each sphere lies inside a straight cylinder at least as long as
// the radius, shut in by the wall and the other end's cap.
bool hidesInnerHalves(const CylinderRecord& c)
{
    return c.baseRadius == c.topRadius && c.baseRadius > 0.0f && c.length >= c.baseRadius;
}

void setBackground(std::uint32_t colour)
{
    glClearColor(static_cast<GLfloat>(colour & 0xFFu) / 255.0f, static_cast<GLfloat>((colour >> 8) & 0xFFu) / 255.0f,
                 static_cast<GLfloat>((colour >> 16) & 0xFFu) / 255.0f, 1.0f);
}

}  // namespace

SceneRenderer::SceneRenderer(FrameFlushes flushes) : quadric_(gluNewQuadric()), flushes_(flushes) {}

SceneRenderer::~SceneRenderer()
{
    if (quadric_ != nullptr) gluDeleteQuadric(quadric_);
}

void SceneRenderer::initialise()
{
    glEnable(GL_DEPTH_TEST);
    glFrontFace(GL_CW);
    glDisable(GL_CULL_FACE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    setLightsAndMaterial();
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glShadeModel(GL_SMOOTH);
    shapes_.compile();
}

void SceneRenderer::resize(int width, int height)
{
    const float w = static_cast<float>(width);
    const float h = height == 0 ? 1.0f : static_cast<float>(height);
    glViewport(0, 0, static_cast<GLsizei>(w), static_cast<GLsizei>(h));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(w / h), kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

Painted SceneRenderer::paint(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                             std::uint32_t backgroundColour, const Job* job)
{
    if (!view.sceneReady.load(std::memory_order_acquire)) return Painted::Nothing;
    setBackground(backgroundColour);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    FramePacing pacing(job, flushes_);
    const bool finished = drawScene(view, scene, options, pacing);
    glFlush();
    return finished ? Painted::Picture : Painted::Stopped;
}

bool SceneRenderer::drawScene(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                              FramePacing& pacing)
{
    if (scene.elementCount() == 0) return true;
    const CameraState& camera = view.camera;
    glPushMatrix();
    placeCamera(camera);
    glTranslatef(-camera.translationX, -camera.translationY, -camera.translationZ);
    if (options.drawGround) drawGround(camera.groundHalfSize);
    if (camera.axesVisible) drawAxes(camera.groundHalfSize);
    const bool finished = drawElements(scene, pacing) && drawCylinders(view, options, pacing);
    glPopMatrix();
    return finished;
}

// A shape clear of the near plane is seen from outside, so with spheres at
// both ends its back faces are hidden by its front ones and are culled
// (with the clockwise front faces chosen at initialise, the outer faces are
// the back ones), and the inner halves of its spheres are left out. Its
// successor's start sphere, when it lies inside it, cannot be seen. Any
// other shape is drawn whole with culling off, and so is the last one, so
// that the normal left current for the next paint's lines is the one the
// rules leave.
bool SceneRenderer::drawCylinders(const SceneView& view, const OptionValues& options, FramePacing& pacing)
{
    if (quadric_ == nullptr) return true;
    const CylinderTable& table = view.cylinders;
    const NearPlaneTest nearPlane(view.camera);
    const bool closed = options.segmentBeginSphere && options.segmentEndSphere;
    glEnable(GL_NORMALIZE);
    glCullFace(GL_FRONT);
    bool previousClear = false;
    bool going = true;
    for (int i = 0; going && i < table.count(); ++i) {
        const bool clear = nearPlane.clear(table.record(i), table.end(i));
        const Shape shape{clear && i + 1 < table.count(), closed && previousClear && table.startInsidePrevious(i)};
        cullHiddenFaces(closed && shape.reduced);
        glPushMatrix();
        setGlColour(table.colour(i));
        drawCylinder(table.record(i), options, shape);
        glPopMatrix();
        previousClear = clear;
        going = pacing.next();
    }
    cullHiddenFaces(false);
    glCullFace(GL_BACK);
    glDisable(GL_NORMALIZE);
    return going;
}

// Built along +z from the start point, then turned onto the segment; the
// start disk faces -z and the end disk +z.
void SceneRenderer::drawCylinder(const CylinderRecord& c, const OptionValues& options, Shape shape)
{
    glTranslatef(c.startX, c.startY, c.startZ);
    glRotatef(c.turn, 0.0f, 0.0f, 1.0f);
    glRotatef(c.tilt, 0.0f, 1.0f, 0.0f);
    if (!shape.reduced) return drawWhole(c, options, shape.skipStart);
    if (c.baseRadius == c.topRadius) shapes_.draw(UnitShape::Cylinder, c.baseRadius, c.length);
    else gluCylinder(quadric_, c.baseRadius, c.topRadius, c.length, kSlices, kCylinderStacks);
    const bool halves = hidesInnerHalves(c);
    const float base = c.baseRadius;
    const float top = c.topRadius;
    if (!options.segmentBeginSphere) shapes_.draw(UnitShape::StartDisk, base, base);
    else if (!shape.skipStart) shapes_.draw(halves ? UnitShape::StartOuter : UnitShape::Sphere, base, base);
    glTranslatef(0.0f, 0.0f, c.length);
    if (options.segmentEndSphere) shapes_.draw(halves ? UnitShape::EndOuter : UnitShape::Sphere, top, top);
    else shapes_.draw(UnitShape::EndDisk, top, top);
}

// One GLU call per shape, as in the rules: where the eye may see inside,
// surfaces that meet at equal depth then keep the same one.
void SceneRenderer::drawWhole(const CylinderRecord& c, const OptionValues& options, bool skipStart)
{
    gluCylinder(quadric_, c.baseRadius, c.topRadius, c.length, kSlices, kCylinderStacks);
    if (!options.segmentBeginSphere) {
        gluQuadricOrientation(quadric_, GLU_INSIDE);
        gluDisk(quadric_, 0.0, c.baseRadius, kSlices, kDiskLoops);
        gluQuadricOrientation(quadric_, GLU_OUTSIDE);
    } else if (!skipStart) {
        gluSphere(quadric_, c.baseRadius, kSlices, kSphereStacks);
    }
    glTranslatef(0.0f, 0.0f, c.length);
    if (options.segmentEndSphere) gluSphere(quadric_, c.topRadius, kSlices, kSphereStacks);
    else gluDisk(quadric_, 0.0, c.topRadius, kSlices, kDiskLoops);
}

void SceneRenderer::cullHiddenFaces(bool on)
{
    if (on != culling_) (on ? glEnable : glDisable)(GL_CULL_FACE);
    culling_ = on;
}

}  // namespace sprig
