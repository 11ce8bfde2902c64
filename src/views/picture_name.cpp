#include "views/picture_name.h"

#include <cstdio>

namespace sprig {

namespace {

// Everything before the last "." anywhere in the path; all of it without one.
std::string cutAtLastDot(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(0, dot);
}

}  // namespace

std::string numberedPictureName(const std::string& definitionPath, int step)
{
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "_%03d.bmp", step);
    return cutAtLastDot(definitionPath) + suffix;
}

std::string stringPictureName(const std::string& stringPath)
{
    return cutAtLastDot(stringPath) + ".bmp";
}

std::string chosenPictureName(const std::string& name)
{
    return name.ends_with(".bmp") ? name : name + ".bmp";
}

}  // namespace sprig
