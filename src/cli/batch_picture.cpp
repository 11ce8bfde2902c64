#include "cli/batch_picture.h"

#include "cli/batch_picture2d.h"
#include "core/turtle/scene_record.h"
#include "platform/canvas.h"
#include "settings/settings.h"
#ifdef SPRIG_HAVE_QT_CANVAS
#include <dlfcn.h>

#include "cli/batch_module.h"
#endif
#ifdef SPRIG_HAVE_GL_PICTURE
#include "cli/picture3d_module.h"
#endif

namespace sprig {

namespace {

// Without the 2D module lines go nowhere and no picture can be written.
class NoCanvas final : public Canvas {
public:
    void setPenColour(std::uint32_t) override {}
    void setPenWidth(int) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void fill(std::uint32_t) override {}
};

const Picture2dModule* loadPicture2d()
{
#ifdef SPRIG_HAVE_QT_CANVAS
    return static_cast<const Picture2dModule*>(
        loadBatchModule("sprigwork-picture2d.so", "sprigPicture2d", RTLD_NOW | RTLD_LOCAL));
#else
    return nullptr;
#endif
}

// The program's start-up background.
constexpr std::uint32_t kBackgroundColour = 0x00000000;

// A module's result, with the reason it handed back for a file it could not write.
Result handedOver(int code, FileFailure failure)
{
    if (code == kDone) return kDone;
    return {code, failure.path.empty() ? std::nullopt : std::optional(std::move(failure))};
}

}  // namespace

struct BatchPicture::Bitmap {
    Bitmap(int width, int height) : module(loadPicture2d()), made(module ? module->create(width, height) : nullptr) {}
    ~Bitmap()
    {
        if (made) module->destroy(made);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    Canvas& canvas() { return made ? *made : none; }
    Result save(const std::string& path, PictureFormat format) const
    {
        if (!made) return kGraphicsError;
        FileFailure failure;
        const bool written = module->save(*made, path.c_str(), format, failure);
        return handedOver(written ? kDone : kGraphicsError, std::move(failure));
    }
    Result savePng(const std::string& path, const RgbImage& picture) const
    {
        if (!module) return kGraphicsError;
        FileFailure failure;
        const bool written = module->savePng(picture.rows(), path.c_str(), failure);
        return handedOver(written ? kDone : kGraphicsError, std::move(failure));
    }

    const Picture2dModule* module;
    Canvas* made;
    NoCanvas none;
};

BatchPicture::BatchPicture(const DrawingArguments& arguments)
    : arguments_(arguments), bitmap_(std::make_unique<Bitmap>(arguments.width, arguments.height))
{
}

BatchPicture::~BatchPicture() = default;

Canvas& BatchPicture::canvas() { return bitmap_->canvas(); }

Result BatchPicture::write(const std::string& path, PictureFormat format, const SceneRecord& scene,
                           const Settings& settings, const Job& job)
{
    if (settings.effective.drawDimensions == 3) return writeScene(path, format, scene, settings, job);
    return bitmap_->save(path, format);
}

// Built without OpenGL, no 3D picture can be written: a graphics error.
Result BatchPicture::writeScene([[maybe_unused]] const std::string& path, [[maybe_unused]] PictureFormat format,
                                [[maybe_unused]] const SceneRecord& scene, [[maybe_unused]] const Settings& settings,
                                [[maybe_unused]] const Job& job)
{
#ifdef SPRIG_HAVE_GL_PICTURE
    const bool sized = arguments_.sizeGiven;
    Picture3dRequest request{scene,
                             settings,
                             sized ? arguments_.width : kPicture3dWidth,
                             sized ? arguments_.height : kPicture3dHeight,
                             arguments_.camera,
                             kBackgroundColour,
                             &job};
    FileFailure failure;
    request.failure = &failure;
    // A PNG is encoded by the 2D module, which holds the image libraries.
    RgbImage picture;
    if (format == PictureFormat::Png) request.picture = &picture;
    const int result = writePicture3dThroughModule(path, request);
    if (result == kDone && request.picture) return bitmap_->savePng(path, picture);
    return handedOver(result, std::move(failure));
#else
    return kGraphicsError;
#endif
}

}  // namespace sprig
