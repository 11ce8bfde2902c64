#pragma once
// Loading a text file into lines as a text view holds them: split at line
// feeds, a carriage return before a line feed dropped, every other byte kept;
// and the form in which the definition and options readers look at a line.

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace sprig {

// kIoError, with the failure, when the file cannot be read.
Result readTextLines(const std::string& path, std::vector<std::string>& lines);

std::vector<std::string> splitLines(const std::string& text);

// Longest definition or options line that is looked at; longer lines are cut.
inline constexpr std::size_t kMaxLineLength = 254;

// A line as both readers see it: cut to its first 254 bytes, without its
// line feed and without any space character.
std::string prepareLine(std::string_view line);

}  // namespace sprig
