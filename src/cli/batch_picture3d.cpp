#include "cli/batch_picture3d.h"

#include "platform/bmp_writer.h"
#include "platform/gl/osmesa_context.h"
#include "views/fit_view.h"
#include "views/scene_renderer.h"

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
    const auto context = OsMesaContext::create(request.width, request.height);
    if (!context) return false;
    SceneRenderer renderer;
    renderer.initialise();
    renderer.resize(request.width, request.height);
    SceneView view;
    fitView(view, request.scene, request.settings);
    applyCamera(view.camera, request.camera);
    renderer.paint(view, request.scene, request.settings.effective, request.background);
    context->swapBuffers();
    return writeBmp(path, context->readPixels().rows());
}

}  // namespace sprig

// The entry the batch command looks up after loading this module.
extern "C" bool sprigWritePicture3d(const char* path, const sprig::Picture3dRequest* request)
{
    return sprig::writePicture3d(path, *request);
}
