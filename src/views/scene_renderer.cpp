#include "views/scene_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "views/element_pass.h"
#include "views/cylinder_frame.h"
#include "views/direction_cells.h"
#include "views/gl_colour.h"

namespace sprig {

namespace {

constexpr GLint kSlices = 20;
constexpr GLint kCylinderStacks = 2;
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
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(s, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, s, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, s);
    glEnd();
}

double depthAlong(const Vector3d& forward, const Vector3d& eye, float x, float y, float z)
{
    return forward.x * (static_cast<double>(x) - eye.x) + forward.y * (static_cast<double>(y) - eye.y) +
           forward.z * (static_cast<double>(z) - eye.z);
}

// Every cylinder and its caps lie beyond the near plane or wholly behind the
// eye. Otherwise clipping may cut a closed chain of cylinders open, and what
// lies inside it could be seen.
bool clearOfNearPlane(const CylinderTable& table, const CameraState& camera, const Vector3d& eye)
{
    if (!(camera.distance > 0.0)) return false;
    const Vector3d forward{(static_cast<double>(camera.translationX) - eye.x) / camera.distance,
                          (static_cast<double>(camera.translationY) - eye.y) / camera.distance,
                          (static_cast<double>(camera.translationZ) - eye.z) / camera.distance};
    for (int i = 0; i < table.count(); ++i) {
        const CylinderRecord& c = table.record(i);
        const Vec3& end = table.end(i);
        const double start = depthAlong(forward, eye, c.startX, c.startY, c.startZ);
        const double finish = depthAlong(forward, eye, end.x, end.y, end.z);
        const double reach = static_cast<double>(std::max(c.baseRadius, c.topRadius)) * 1.01;
        const bool behind = std::max(start, finish) + reach < 0.0;
        if (!behind && std::min(start, finish) - reach <= kNearPlane * 1.001) return false;
    }
    return true;
}

void setBackground(std::uint32_t colour)
{
    glClearColor(static_cast<GLfloat>(colour & 0xFFu) / 255.0f, static_cast<GLfloat>((colour >> 8) & 0xFFu) / 255.0f,
                 static_cast<GLfloat>((colour >> 16) & 0xFFu) / 255.0f, 1.0f);
}

}  // namespace

SceneRenderer::SceneRenderer() : cylinderQuadric_(gluNewQuadric()) {}

SceneRenderer::~SceneRenderer()
{
    if (cylinderQuadric_ != nullptr) gluDeleteQuadric(cylinderQuadric_);
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

bool SceneRenderer::paint(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                          std::uint32_t backgroundColour, const PaintShare& share)
{
    if (!view.sceneReady.load(std::memory_order_acquire)) return false;
    setBackground(backgroundColour);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScene(view, scene, options, share);
    glFlush();
    return true;
}

void SceneRenderer::drawScene(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                              const PaintShare& share)
{
    if (scene.elementCount() == 0) return;
    const CameraState& camera = view.camera;
    glPushMatrix();
    placeCamera(camera);
    glTranslatef(-camera.translationX, -camera.translationY, -camera.translationZ);
    if (share.withElements) {
        if (options.drawGround) drawGround(camera.groundHalfSize);
        if (camera.axesVisible) drawAxes(camera.groundHalfSize);
        drawElements(scene);
    }
    const int count = view.cylinders.count();
    const int end = share.cylinderEnd < 0 ? count : std::min(share.cylinderEnd, count);
    const Vector3d eye = eyePosition(camera);
    const bool closed = options.segmentBeginSphere && options.segmentEndSphere;
    const bool joinedHidden = closed && clearOfNearPlane(view.cylinders, camera, eye);
    drawCylinders(view.cylinders, {share.firstCylinder, end}, options, {eye, joinedHidden});
    glPopMatrix();
}

// Straight cylinders and the caps are unit shapes scaled to their size, so
// their normals need renormalising. A sphere is closed: only its outer faces
// can be seen, and with the clockwise front faces chosen at initialise those
// are the back faces, so the front ones are culled while spheres are drawn.
// Both states are off again for the rest of the picture.
void SceneRenderer::drawCylinders(const CylinderTable& table, CylinderRange range, const OptionValues& options,
                                  const CapSight& sight)
{
    if (cylinderQuadric_ == nullptr) return;
    gluQuadricOrientation(cylinderQuadric_, GLU_OUTSIDE);
    glEnable(GL_NORMALIZE);
    glCullFace(GL_FRONT);
    for (int i = range.first; i < range.end; ++i) {
        glPushMatrix();
        setGlColour(table.colour(i));
        drawCylinder(table, i, options, sight);
        glPopMatrix();
    }
    cullInnerFaces(false);
    glCullFace(GL_BACK);
    glDisable(GL_NORMALIZE);
}

// Built along +z from the start point, then turned onto the segment; the
// start disk faces -z and the end disk +z. The end cap is always drawn, so
// leaving out the start cap does not change the normal left current. With
// spheres at both ends every cylinder is closed: a start sphere that the
// table finds inside the previous cylinder and its end sphere is left out,
// as in branches that go straight on or narrow.
void SceneRenderer::drawCylinder(const CylinderTable& table, int i, const OptionValues& options,
                                 const CapSight& sight)
{
    const CylinderRecord& c = table.record(i);
    const bool closed = options.segmentBeginSphere && options.segmentEndSphere;
    glTranslatef(c.startX, c.startY, c.startZ);
    glRotatef(c.turn, 0.0f, 0.0f, 1.0f);
    glRotatef(c.tilt, 0.0f, 1.0f, 0.0f);
    cullInnerFaces(closed);
    drawWall(c);
    const CapFilters filters = hidesInnerHalves(c) ? capFilters(table, i, sight) : CapFilters{};
    if (!(closed && table.startInsidePrevious(i))) drawStartCap(c, options.segmentBeginSphere, filters.start);
    glTranslatef(0.0f, 0.0f, c.length);
    drawEndCap(c, options.segmentEndSphere, filters.end);
}

// A cap joined to a closed neighbour leaves out what lies inside it; any
// other cap leaves out the faces that surely face away from the eye.
SceneRenderer::CapFilters SceneRenderer::capFilters(const CylinderTable& table, int i, const CapSight& sight)
{
    CapFilters filters;
    if (sight.joinedHidden) filters = {table.startJoined(i), table.endJoined(i)};
    if (filters.start.kind != CapFilterKind::kWhole && filters.end.kind != CapFilterKind::kWhole) return filters;
    const CylinderRecord& c = table.record(i);
    const Vector3d& eye = sight.eye;
    const Vector3d e = eyeInCylinderFrame(eye, c);
    const double scale = std::abs(eye.x) + std::abs(eye.y) + std::abs(eye.z) + std::abs(c.startX) +
                         std::abs(c.startY) + std::abs(c.startZ) + static_cast<double>(c.length);
    if (filters.start.kind == CapFilterKind::kWhole)
        filters.start = facingEye(DirectionCells::cellOf(e.x, e.y, e.z, scale));
    if (filters.end.kind == CapFilterKind::kWhole)
        filters.end = facingEye(DirectionCells::cellOf(e.x, e.y, e.z - static_cast<double>(c.length), scale));
    return filters;
}

CapFilter SceneRenderer::facingEye(int cell)
{
    if (cell == DirectionCells::kUnknown) return {};
    return {CapFilterKind::kFacingEye, cell};
}

// A tapering cylinder is not a scaled unit one: GLU builds it each time.
void SceneRenderer::drawWall(const CylinderRecord& c)
{
    if (c.baseRadius == c.topRadius)
        shapes_.drawCylinder(c.baseRadius, c.length);
    else
        gluCylinder(cylinderQuadric_, c.baseRadius, c.topRadius, c.length, kSlices, kCylinderStacks);
}

// Half of each sphere lies inside a straight cylinder that is at least as
// long as the radius. Shut in by the wall, the other end's cap and the
// sphere's outer half, that inner half can never be seen, so only the outer
// half is drawn.
bool SceneRenderer::hidesInnerHalves(const CylinderRecord& c)
{
    return c.baseRadius == c.topRadius && c.baseRadius > 0.0f && c.length >= c.baseRadius;
}

void SceneRenderer::drawStartCap(const CylinderRecord& c, bool sphere, const CapFilter& filter)
{
    cullInnerFaces(sphere);
    if (!sphere)
        shapes_.drawStartDisk(c.baseRadius);
    else if (hidesInnerHalves(c))
        shapes_.drawHemisphere(SphereHalf::kLower, c.baseRadius, filter);
    else
        shapes_.drawSphere(c.baseRadius);
}

void SceneRenderer::drawEndCap(const CylinderRecord& c, bool sphere, const CapFilter& filter)
{
    cullInnerFaces(sphere);
    if (!sphere)
        shapes_.drawEndDisk(c.topRadius);
    else if (hidesInnerHalves(c))
        shapes_.drawHemisphere(SphereHalf::kUpper, c.topRadius, filter);
    else
        shapes_.drawSphere(c.topRadius);
}

// Changes the culling only when it differs. A cylinder with a sphere of its
// own end radius at each end is closed too, and then the culling stays on
// for the whole pass. (Where a cylinder meets a disk, the rounding of the
// scaled shapes may leave a crack that a culled inside would show through.)
void SceneRenderer::cullInnerFaces(bool on)
{
    if (on == culling_) return;
    culling_ = on;
    if (on)
        glEnable(GL_CULL_FACE);
    else
        glDisable(GL_CULL_FACE);
}

}  // namespace sprig
