#pragma once
// Names of the working string files beside the definition file.

#include <cstdint>
#include <string>
#include <string_view>

namespace sprig {

inline constexpr std::string_view kStepExt = ".stt";
inline constexpr std::string_view kCutExt = ".st1";
inline constexpr std::string_view kHomomorphismExt = ".sth";

// The definition path without its extension (everything from the last '.'
// of the file name).
std::string basePath(const std::string& definitionPath);

// base + "_" + step printed with "%03d" + extension.
std::string StringFileName(const std::string& base, int step, std::string_view extension);

// A file's length as shown to the user: whole kilobytes plus one.
std::int64_t lengthKB(std::int64_t sizeInBytes);

}  // namespace sprig
