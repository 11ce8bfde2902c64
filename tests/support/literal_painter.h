#pragma once
// The 3D view painted with the GL calls exactly as the rules give them: three
// new quadrics per paint, one GLU call per cylinder and per cap, no culling,
// no display lists. The renderer's pictures are compared with its pictures,
// painted in a context of its own so that every paint starts from the state
// the rules' previous paints left, and its speed with the renderer's.

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>

#include "core/turtle/scene_record.h"
#include "settings/settings.h"
#include "views/element_pass.h"
#include "views/gl_colour.h"
#include "views/scene_view.h"

namespace sprig::testing {

// The fixed state of a new view and its projection, in a context of its own.
inline void initialiseLiterally(int width, int height)
{
    const GLfloat ambient[] = {0.5f, 0.5f, 0.5f, 1.0f}, diffuse[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat shininess[] = {50.0f}, light[] = {10000.0f, 10000.0f, 10000.0f, 1.0f};
    glEnable(GL_DEPTH_TEST);
    glFrontFace(GL_CW);
    glDisable(GL_CULL_FACE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glShadeModel(GL_SMOOTH);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), 1.0, 10000000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

inline void paintLiterally(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                           std::uint32_t background)
{
    glClearColor(static_cast<GLfloat>(background & 0xFFu) / 255.0f,
                 static_cast<GLfloat>((background >> 8) & 0xFFu) / 255.0f,
                 static_cast<GLfloat>((background >> 16) & 0xFFu) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    GLUquadric* cylinder = gluNewQuadric();
    GLUquadric* start = gluNewQuadric();
    GLUquadric* end = gluNewQuadric();
    const CameraState& camera = view.camera;
    glPushMatrix();
    glTranslated(0.0, 0.0, -camera.distance);
    glRotated(-static_cast<double>(camera.elevation), 1.0, 0.0, 0.0);
    glRotated(static_cast<double>(camera.azimuth), 0.0, 0.0, 1.0);
    if (scene.elementCount() > 0) {
        const float s = camera.groundHalfSize;
        glTranslatef(-camera.translationX, -camera.translationY, -camera.translationZ);
        if (options.drawGround) {
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
        if (camera.axesVisible) {
            glColor3f(1.0f, 1.0f, 1.0f);
            glBegin(GL_LINES);
            for (const int axis : {0, 1, 2}) {
                glVertex3f(0.0f, 0.0f, 0.0f);
                glVertex3f(axis == 0 ? s : 0.0f, axis == 1 ? s : 0.0f, axis == 2 ? s : 0.0f);
            }
            glEnd();
        }
    }
    FramePacing unpaced(nullptr);
    drawElements(scene, unpaced);
    const CylinderTable& table = view.cylinders;
    for (int i = 0; i < table.count(); ++i) {
        const CylinderRecord& c = table.record(i);
        glPushMatrix();
        glTranslatef(c.startX, c.startY, c.startZ);
        glRotatef(c.turn, 0.0f, 0.0f, 1.0f);
        glRotatef(c.tilt, 0.0f, 1.0f, 0.0f);
        setGlColour(table.colour(i));
        gluQuadricOrientation(cylinder, GLU_OUTSIDE);
        gluCylinder(cylinder, c.baseRadius, c.topRadius, c.length, 20, 2);
        if (options.segmentBeginSphere) {
            gluQuadricOrientation(start, GLU_OUTSIDE);
            gluSphere(start, c.baseRadius, 20, 20);
        } else {
            gluQuadricOrientation(start, GLU_INSIDE);
            gluDisk(start, 0.0, c.baseRadius, 20, 2);
        }
        glTranslatef(0.0f, 0.0f, c.length);
        gluQuadricOrientation(end, GLU_OUTSIDE);
        if (options.segmentEndSphere) gluSphere(end, c.topRadius, 20, 20);
        else gluDisk(end, 0.0, c.topRadius, 20, 2);
        glPopMatrix();
    }
    glPopMatrix();
    for (GLUquadric* q : {cylinder, start, end}) gluDeleteQuadric(q);
    glFlush();
}

}  // namespace sprig::testing
