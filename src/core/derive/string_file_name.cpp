#include "core/derive/string_file_name.h"

#include <cstdio>

namespace sprig {

std::string basePath(const std::string& definitionPath)
{
    // Only a dot in the file name counts: a dot in a folder name must not
    // send the working files into another folder.
    const auto dot = definitionPath.rfind('.');
    const auto slash = definitionPath.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return definitionPath;
    return definitionPath.substr(0, dot);
}

std::string StringFileName(const std::string& base, int step, std::string_view extension)
{
    char number[16];
    std::snprintf(number, sizeof number, "%03d", step);
    return base + "_" + number + std::string(extension);
}

std::int64_t lengthKB(std::int64_t sizeInBytes) { return sizeInBytes / 1024 + 1; }

}  // namespace sprig
