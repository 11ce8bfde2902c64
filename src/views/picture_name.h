#pragma once
// The names under which a picture window saves what it shows.

#include <string>

namespace sprig {

// While deriving and drawing: the definition path without its extension,
// with "_%03d.bmp" of the step appended (tree.ls, step 7: tree_007.bmp).
std::string numberedPictureName(const std::string& definitionPath, int step);

// While drawing a saved string: the string path without its extension, with
// ".bmp" appended.
std::string stringPictureName(const std::string& stringPath);

// A name chosen in the save dialog gets ".bmp" unless it already ends with
// exactly ".bmp".
std::string chosenPictureName(const std::string& name);

}  // namespace sprig
