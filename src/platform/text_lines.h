#pragma once
// Loading a text file into lines as a text view holds them: split at line
// feeds, a carriage return before a line feed dropped, every other byte kept.

#include <string>
#include <vector>

namespace sprig {

// False when the file cannot be read.
bool readTextLines(const std::string& path, std::vector<std::string>& lines);

std::vector<std::string> splitLines(const std::string& text);

}  // namespace sprig
