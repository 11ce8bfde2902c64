#include "platform/file_failure.h"

#include <cstring>

namespace sprig {

namespace {

thread_local std::optional<FileFailure> lastFailure;

}  // namespace

void noteFileFailure(const std::string& path, int error) { noteFileFailure(path, std::strerror(error)); }

void noteFileFailure(const std::string& path, std::string reason)
{
    lastFailure = FileFailure{path, std::move(reason)};
}

std::optional<FileFailure> lastFileFailure() { return lastFailure; }

void forgetFileFailure() { lastFailure.reset(); }

}  // namespace sprig
