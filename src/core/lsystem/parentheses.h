#pragma once
// Finding the parenthesis that closes a group, for the definition texts,
// the expression evaluator and its compiled form alike.

#include <string_view>

namespace sprig {

// Position of the ')' that closes the '(' at text[open], or npos.
std::size_t matchingParen(std::string_view text, std::size_t open);

}  // namespace sprig
