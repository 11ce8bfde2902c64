#include "views/element_pass.h"

#include <GL/gl.h>

#include "views/gl_colour.h"

namespace sprig {

namespace {

// Each normal of a polygon has its x component scaled by a factor that grows
// by 1.05 per normal, so the shading drifts along the polygon's vertices.
constexpr float kNormalGrowth = 1.05f;

class ElementPass {
public:
    explicit ElementPass(const SceneRecord& scene) : scene_(scene) {}

    bool draw(FramePacing& pacing)
    {
        bool going = true;
        for (int i = 0; going && i < scene_.elementCount(); ++i) {
            drawElement(scene_.element(i));
            going = pacing.next(openPolygon_ != 0);
        }
        closePolygon();
        return going;
    }

private:
    void drawElement(const SceneElement& e)
    {
        if (e.polygonNumber == 0) {
            drawSegmentLine(e);
        } else if (e.polygonNumber != openPolygon_) {
            openPolygonWith(e);
        } else {
            emitVertex(e.start);
            emitNormal();
            emitVertex(e.end);
            emitNormal();
        }
    }

    void drawSegmentLine(const SceneElement& e)
    {
        closePolygon();
        setGlColour(e.colour);
        glBegin(GL_LINES);
        emitVertex(e.start);
        emitVertex(e.end);
        glEnd();
    }

    void openPolygonWith(const SceneElement& e)
    {
        closePolygon();
        setGlColour(e.colour);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glBegin(GL_POLYGON);
        openPolygon_ = e.polygonNumber;
        normalFactor_ = kNormalGrowth;
        emitNormal();
        emitVertex(e.start);
        emitNormal();
        emitVertex(e.end);
        emitNormal();
    }

    void closePolygon()
    {
        if (openPolygon_ == 0) return;
        glEnd();
        openPolygon_ = 0;
    }

    void emitNormal()
    {
        const Vec3& n = scene_.polygonNormal(openPolygon_);
        glNormal3f(n.x * normalFactor_, n.y, n.z);
        normalFactor_ *= kNormalGrowth;
    }

    static void emitVertex(const Vec3& p) { glVertex3f(p.x, p.y, p.z); }

    const SceneRecord& scene_;
    int openPolygon_ = 0;
    float normalFactor_ = kNormalGrowth;
};

}  // namespace

bool drawElements(const SceneRecord& scene, FramePacing& pacing) { return ElementPass(scene).draw(pacing); }

}  // namespace sprig
