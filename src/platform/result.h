#pragma once
// A result code together with the file failure that explains it. Codes say
// only that input or output failed; the failure names the file and the
// cause, so that whoever reports the result can say both. It travels with
// the code it explains, from the file that failed up to the report.

#include <optional>
#include <string>
#include <utility>

#include "platform/result_codes.h"

namespace sprig {

struct FileFailure {
    std::string path;
    std::string reason;
};

struct [[nodiscard]] Result {
    // A code that no file failure explains, as every code but kIoError and
    // kGraphicsError is.
    Result(int resultCode = kDone) : code(resultCode) {}  // NOLINT(google-explicit-constructor)
    Result(int resultCode, std::optional<FileFailure> cause) : code(resultCode), failure(std::move(cause)) {}

    bool failed() const { return code != kDone; }
    friend bool operator==(const Result& result, int resultCode) { return result.code == resultCode; }

    int code = kDone;
    std::optional<FileFailure> failure;
};

// An input failure that no file operation explains lies in what the file
// holds: the result is then put down to the file, with the reason given.
inline Result explained(Result result, const std::string& path, const std::string& reason)
{
    if (result.code == kIoError && !result.failure) result.failure = FileFailure{path, reason};
    return result;
}

// An input failure of a string file put down to what it holds.
inline Result unreadableString(Result result, const std::string& path)
{
    return explained(std::move(result), path, "unreadable string or parameter value");
}

}  // namespace sprig
