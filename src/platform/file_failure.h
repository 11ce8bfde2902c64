#pragma once
// The last file operation that failed on this thread: which file and the
// system's reason. Result codes say only that input or output failed; this
// lets the one who reports the failure name the file and the cause. Each
// thread has its own, so a worker's failure reaches the user-interface
// thread only as the worker hands it back with its results.

#include <optional>
#include <string>

namespace sprig {

struct FileFailure {
    std::string path;
    std::string reason;
};

// Notes a failure with the reason errno gives.
void noteFileFailure(const std::string& path, int error);
// Notes a failure with a reason of our own, for files the system could
// read but that hold something unusable.
void noteFileFailure(const std::string& path, std::string reason);

std::optional<FileFailure> lastFileFailure();
void forgetFileFailure();

}  // namespace sprig
