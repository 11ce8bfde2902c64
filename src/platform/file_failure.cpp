#include "platform/file_failure.h"

#include <cstring>
#include <mutex>

namespace sprig {

namespace {

std::mutex guard;
std::optional<FileFailure> lastFailure;

}  // namespace

void noteFileFailure(const std::string& path, int error) { noteFileFailure(path, std::strerror(error)); }

void noteFileFailure(const std::string& path, std::string reason)
{
    const std::lock_guard lock(guard);
    lastFailure = FileFailure{path, std::move(reason)};
}

std::optional<FileFailure> lastFileFailure()
{
    const std::lock_guard lock(guard);
    return lastFailure;
}

void forgetFileFailure()
{
    const std::lock_guard lock(guard);
    lastFailure.reset();
}

}  // namespace sprig
