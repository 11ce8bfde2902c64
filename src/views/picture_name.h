#pragma once
// The names under which a picture window saves what it shows.

#include <string>
#include <vector>

namespace sprig {

// While deriving and drawing: the definition path without its extension,
// with "_%03d.bmp" of the step appended (tree.ls, step 7: tree_007.bmp).
std::string numberedPictureName(const std::string& definitionPath, int step);

// While drawing a saved string: the string path without its extension, with
// ".bmp" appended.
std::string stringPictureName(const std::string& stringPath);

// What "Uložiť obrázok &ako" offers in the 2D or the 3D window, the bitmap
// first: each filter's text, as "Bitmaps (*.bmp)", and its extension.
struct PictureFilter {
    std::string text;
    std::string extension;  // ".bmp"
};
std::vector<PictureFilter> pictureFilters(int drawDimensions);

// A name chosen in the save dialog keeps an extension the window offers,
// written exactly as offered; any other name gets the extension of the
// filter chosen (".bmp" for the first).
std::string chosenPictureName(const std::string& name, int drawDimensions, const std::string& chosenExtension = ".bmp");

}  // namespace sprig
