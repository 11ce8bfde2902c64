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

std::vector<PictureFilter> pictureFilters(int drawDimensions)
{
    std::vector<PictureFilter> filters{{"Bitmaps (*.bmp)", ".bmp"}, {"PNG (*.png)", ".png"}};
    if (drawDimensions == 2) {
        filters.push_back({"SVG (*.svg)", ".svg"});
    } else {
        filters.push_back({"Wavefront OBJ (*.obj)", ".obj"});
        filters.push_back({"PLY (*.ply)", ".ply"});
    }
    return filters;
}

std::string chosenPictureName(const std::string& name, int drawDimensions, const std::string& chosenExtension)
{
    for (const PictureFilter& filter : pictureFilters(drawDimensions))
        if (name.ends_with(filter.extension)) return name;
    return name + chosenExtension;
}

}  // namespace sprig
