#pragma once
// Draws the scene record with OpenGL 1.1 and GLU into whatever GL context is
// current: lit cylinders with spherical or flat end caps, filled polygons,
// the ground square and the axes, seen from the view's camera.

#include <cstdint>

#include "core/turtle/scene_record.h"
#include "settings/settings.h"
#include "views/cap_filter.h"
#include "views/cylinder_frame.h"
#include "views/scene_view.h"
#include "views/unit_shapes.h"

struct GLUquadric;

namespace sprig {

// The part of a paint one renderer does when several renderers share it, each
// in its own context: the ground, the axes and the scene record's lines and
// polygons, and a range of the cylinder table (to its end when cylinderEnd
// is negative).
struct PaintShare {
    bool withElements = true;
    int firstCylinder = 0;
    int cylinderEnd = -1;
};

class SceneRenderer {
public:
    SceneRenderer();
    ~SceneRenderer();
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // The fixed GL state: depth test, lighting and material, and the display
    // lists of the cylinders and caps. Once, with the context current; the renderer must be
    // destroyed while that context is still current, which frees the lists.
    void initialise();
    // Viewport and perspective for a new client size (a height of 0 counts as 1).
    void resize(int width, int height);
    // Clears to the background and draws the scene; does nothing at all while
    // the scene is not ready. True when it drew, so the caller swaps buffers.
    bool paint(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
               std::uint32_t backgroundColour, const PaintShare& share = {});

private:
    void drawScene(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                   const PaintShare& share);
    struct CapFilters {
        CapFilter start;
        CapFilter end;
    };

    struct CylinderRange {
        int first = 0;
        int end = 0;
    };
    // The eye, and whether caps may leave out what lies inside their joined
    // neighbours in this picture.
    struct CapSight {
        Vector3d eye;
        bool joinedHidden = false;
    };

    void drawCylinders(const CylinderTable& table, CylinderRange range, const OptionValues& options,
                       const CapSight& sight);
    void drawCylinder(const CylinderTable& table, int i, const OptionValues& options, const CapSight& sight);
    static CapFilters capFilters(const CylinderTable& table, int i, const CapSight& sight);
    static CapFilter facingEye(int cell);
    void drawWall(const CylinderRecord& cylinder);
    static bool hidesInnerHalves(const CylinderRecord& cylinder);
    void drawStartCap(const CylinderRecord& cylinder, bool sphere, const CapFilter& filter);
    void drawEndCap(const CylinderRecord& cylinder, bool sphere, const CapFilter& filter);
    void cullInnerFaces(bool on);

    GLUquadric* cylinderQuadric_;
    UnitShapes shapes_;
    bool culling_ = false;
};

}  // namespace sprig
