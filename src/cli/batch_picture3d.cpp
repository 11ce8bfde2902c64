#include "cli/batch_picture3d.h"

#include <exception>
#include <optional>

#include "platform/bmp_writer.h"
#include "views/fit_view.h"
#include "views/offscreen/parallel_scene_painter.h"

namespace sprig {

namespace {

void applyCamera(CameraState& camera, const Picture3dCamera& options)
{
    if (options.azimuth) camera.azimuth = *options.azimuth;
    if (options.elevation) camera.elevation = *options.elevation;
    if (options.distance) camera.distance = *options.distance;
}

}  // namespace

bool writePicture3d(const std::string& path, const Picture3dRequest& request)
{
    const auto painter = ParallelScenePainter::create(request.width, request.height,
                                                      ParallelScenePainter::partsForThisMachine());
    if (!painter) return false;
    SceneView view;
    fitView(view, request.scene, request.settings);
    applyCamera(view.camera, request.camera);
    const std::optional<RgbImage> picture =
        painter->paint(view, request.scene, request.settings.effective, request.background);
    return picture && writeBmp(path, picture->rows());
}

}  // namespace sprig

// The entry the batch command looks up after loading this module. A
// picture that cannot be drawn, for want of memory or of a thread, is one
// that cannot be written.
extern "C" bool sprigWritePicture3d(const char* path, const sprig::Picture3dRequest* request)
{
    try {
        return sprig::writePicture3d(path, *request);
    } catch (const std::exception&) {
        return false;
    }
}
