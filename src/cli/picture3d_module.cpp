#include "cli/picture3d_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>

#include "core/result_codes.h"

namespace sprig {

namespace {

using WritePicture = int (*)(const char*, const Picture3dRequest*);

WritePicture loadWriter()
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return nullptr;
    const std::string module = (self.parent_path() / "sprigwork-picture3d.so").string();
    // Deep binding makes the module's GL calls reach Mesa, not the GL
    // dispatch library the windowing libraries may already have loaded.
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
    if (!handle) {
        std::fprintf(stderr, "sprigwork-batch: %s\n", dlerror());
        return nullptr;
    }
    return reinterpret_cast<WritePicture>(dlsym(handle, "sprigWritePicture3d"));
}

}  // namespace

int writePicture3dThroughModule(const std::string& path, const Picture3dRequest& request)
{
    static const WritePicture write = loadWriter();
    return write ? write(path.c_str(), &request) : kGraphicsError;
}

}  // namespace sprig
