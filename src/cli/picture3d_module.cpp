#include "cli/picture3d_module.h"

#include <dlfcn.h>

#include "cli/batch_module.h"
#include "platform/result_codes.h"

namespace sprig {

namespace {

using WritePicture = int (*)(const char*, const Picture3dRequest*);

// Deep binding makes the module's GL calls reach Mesa, not the GL dispatch
// library the windowing libraries may already have loaded.
WritePicture loadWriter()
{
    return reinterpret_cast<WritePicture>(
        loadBatchModule("sprigwork-picture3d.so", "sprigWritePicture3d", RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND));
}

}  // namespace

int writePicture3dThroughModule(const std::string& path, const Picture3dRequest& request)
{
    static const WritePicture write = loadWriter();
    return write ? write(path.c_str(), &request) : kGraphicsError;
}

}  // namespace sprig
