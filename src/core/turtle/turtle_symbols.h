#pragma once
// The symbols the turtle acts on; every other symbol of a string is passed
// over when it is drawn. E and e count only while they are read as F and f.

#include <string_view>

namespace sprig {

inline constexpr std::string_view kTurtleSymbols = "FfGg+-&^\\/|$\"'!#;,:[]{}.";

constexpr bool isTurtleSymbol(int symbol)
{
    return symbol >= 0 && symbol < 128 && kTurtleSymbols.find(static_cast<char>(symbol)) != std::string_view::npos;
}

}  // namespace sprig
