#pragma once
// Draws the scene record with OpenGL 1.1 and GLU into whatever GL context is
// current: lit cylinders with spherical or flat end caps, filled polygons,
// the ground square and the axes, seen from the view's camera.

#include <cstdint>

#include "core/turtle/scene_record.h"
#include "settings/settings.h"
#include "views/scene_view.h"
#include "views/unit_shapes.h"

struct GLUquadric;

namespace sprig {

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
               std::uint32_t backgroundColour);

private:
    void drawScene(const SceneView& view, const SceneRecord& scene, const OptionValues& options);
    void drawCylinders(const CylinderTable& table, const OptionValues& options);
    void drawCylinder(const CylinderRecord& cylinder, const OptionValues& options, bool startHidden);
    void drawWall(const CylinderRecord& cylinder);
    static bool hidesInnerHalves(const CylinderRecord& cylinder);
    void drawStartCap(const CylinderRecord& cylinder, bool sphere);
    void drawEndCap(const CylinderRecord& cylinder, bool sphere);
    void cullInnerFaces(bool on);

    GLUquadric* cylinderQuadric_;
    UnitShapes shapes_;
    bool culling_ = false;
};

}  // namespace sprig
