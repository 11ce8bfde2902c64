#pragma once
// Draws the scene record with OpenGL 1.1 and GLU into whatever GL context is
// current: lit cylinders with spherical or flat end caps, filled polygons,
// the ground square and the axes, seen from the view's camera.

#include <cstdint>

#include "core/turtle/scene_record.h"
#include "settings/settings.h"
#include "views/frame_pacing.h"
#include "views/scene_view.h"
#include "views/unit_shapes.h"

struct GLUquadric;

namespace sprig {

enum class Painted {
    Nothing,  // the scene is not ready: the surface is left as it was
    Picture,
    Stopped,  // a stop was requested part way: the picture is unfinished
};

class SceneRenderer {
public:
    // A window's renderer flushes each frame once, at its end.
    explicit SceneRenderer(FrameFlushes flushes = FrameFlushes::InBatches);
    ~SceneRenderer();
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // The fixed GL state: depth test, lighting and material, and the display
    // lists of the shapes. Once, with the context current; the renderer must
    // be destroyed while that context is still current, which frees the lists.
    void initialise();
    // Viewport and perspective for a new client size (a height of 0 counts as 1).
    void resize(int width, int height);
    // Clears to the background and draws the scene, polling the job (when
    // given) for a stop request between shapes. On Painted::Picture the caller
    // swaps buffers.
    Painted paint(const SceneView& view, const SceneRecord& scene, const OptionValues& options,
                  std::uint32_t backgroundColour, const Job* job = nullptr);

private:
    // How one cylinder and its caps are drawn.
    struct Shape {
        bool reduced = false;    // closed to the eye: hidden faces may be left out
        bool skipStart = false;  // its start sphere lies inside the previous shape
    };

    bool drawScene(const SceneView& view, const SceneRecord& scene, const OptionValues& options, FramePacing& pacing);
    bool drawCylinders(const SceneView& view, const OptionValues& options, FramePacing& pacing);
    void drawCylinder(const CylinderRecord& c, const OptionValues& options, Shape shape);
    void drawWhole(const CylinderRecord& c, const OptionValues& options, bool skipStart);
    void cullHiddenFaces(bool on);

    GLUquadric* quadric_;  // GLU_OUTSIDE between calls
    UnitShapes shapes_;
    bool culling_ = false;
    FrameFlushes flushes_;
};

}  // namespace sprig
