#include "views/picture_name.h"

#include "core/derive/string_file_name.h"

namespace sprig {

// Pictures are named like the working string files, so they land in the
// same folder even when a folder name holds a dot.
std::string numberedPictureName(const std::string& definitionPath, int step)
{
    return StringFileName(basePath(definitionPath), step, ".bmp");
}

std::string stringPictureName(const std::string& stringPath) { return basePath(stringPath) + ".bmp"; }

std::string chosenPictureName(const std::string& name) { return name.ends_with(".bmp") ? name : name + ".bmp"; }

}  // namespace sprig
