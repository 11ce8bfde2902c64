#include "cli/batch_picture2d.h"

#include <exception>

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

// The module keeps its own record of file failures, which the command
// cannot see: the reason is handed over.
bool save(const sprig::Canvas& canvas, const char* path, sprig::FileFailure& failure)
{
    sprig::forgetFileFailure();
    if (static_cast<const sprig::QImageCanvas&>(canvas).saveBmp(path)) return true;
    if (const auto noted = sprig::lastFileFailure()) failure = *noted;
    return false;
}

void destroy(sprig::Canvas* canvas) { delete canvas; }

}  // namespace

// The entry the batch command looks up after loading this module.
extern "C" const sprig::Picture2dModule sprigPicture2d{create, save, destroy};
