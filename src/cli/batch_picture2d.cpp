#include "cli/batch_picture2d.h"

#include <exception>

#include "platform/qt/image_png.h"
#include "platform/qt/qimage_canvas.h"

namespace {

sprig::Canvas* create(int width, int height)
{
    try {
        return new sprig::QImageCanvas(width, height);
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The reason a file could not be written goes back through failure.
bool handOver(const sprig::Result& written, sprig::FileFailure& failure)
{
    if (written.failure) failure = *written.failure;
    return !written.failed();
}

bool save(const sprig::Canvas& canvas, const char* path, sprig::PictureFormat format, sprig::FileFailure& failure)
{
    const auto& bitmap = static_cast<const sprig::QImageCanvas&>(canvas);
    return handOver(format == sprig::PictureFormat::Png ? bitmap.savePng(path) : bitmap.saveBmp(path), failure);
}

bool savePng(const sprig::RgbRows& picture, const char* path, sprig::FileFailure& failure)
{
    return handOver(sprig::writeRowsPng(path, picture), failure);
}

void destroy(sprig::Canvas* canvas) { delete canvas; }

}  // namespace

// The entry the batch command looks up after loading this module.
extern "C" const sprig::Picture2dModule sprigPicture2d{create, save, savePng, destroy};
