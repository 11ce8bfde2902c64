#include "cli/batch_picture3d.h"

#include <cstdio>
#include <exception>
#include <new>

#include "platform/bmp_writer.h"
#include "views/fit_view.h"
#include "views/offscreen/offscreen_picture.h"

namespace sprig {

namespace {

void applyCamera(CameraState& camera, const Picture3dCamera& options)
{
    if (options.azimuth) camera.azimuth = *options.azimuth;
    if (options.elevation) camera.elevation = *options.elevation;
    if (options.distance) camera.distance = *options.distance;
}

Result drawAndWrite(const std::string& path, const Picture3dRequest& request)
{
    const auto offscreen = OffscreenPicture::create(request.width, request.height);
    if (!offscreen) return kGraphicsError;
    SceneView view;
    fitView(view, request.scene, request.settings);
    applyCamera(view.camera, request.camera);
    RgbImage own;
    RgbImage& picture = request.picture ? *request.picture : own;
    const Painted painted =
        offscreen->paint(view, request.scene, request.settings.effective, request.background, picture, request.job);
    if (painted == Painted::Stopped) return kStopped;
    if (painted != Painted::Picture) return kGraphicsError;
    if (request.picture) return kDone;
    Result written = writeBmp(path, picture.rows());
    return written.failed() ? Result{kGraphicsError, std::move(written.failure)} : written;
}

}  // namespace

Result writePicture3d(const std::string& path, const Picture3dRequest& request)
{
    try {
        return drawAndWrite(path, request);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "sprigwork-batch: no memory for a 3D picture of %dx%d pixels\n", request.width,
                     request.height);
        return kOutOfMemory;
    }
}

}  // namespace sprig

// The entry the batch command looks up after loading this module. A picture
// that cannot be drawn for any other reason is one that cannot be written.
extern "C" int sprigWritePicture3d(const char* path, const sprig::Picture3dRequest* request)
{
    sprig::Result result = sprig::kGraphicsError;
    try {
        result = sprig::writePicture3d(path, *request);
    } catch (const std::exception&) {
    }
    if (result.failure && request->failure) *request->failure = *result.failure;
    return result.code;
}
