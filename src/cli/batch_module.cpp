#include "cli/batch_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>

namespace sprig {

void* loadBatchModule(const std::string& fileName, const char* symbol, int flags)
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return nullptr;
    const std::string module = (self.parent_path() / fileName).string();
    void* handle = dlopen(module.c_str(), flags);
    if (!handle) {
        std::fprintf(stderr, "sprigwork-batch: %s\n", dlerror());
        return nullptr;
    }
    return dlsym(handle, symbol);
}

}  // namespace sprig
