#pragma once
// Number texts inside expressions: which characters make a number, how a
// number is read, and how a group's value is carried on as "%f" text.

#include <cstddef>
#include <optional>
#include <string_view>

namespace sprig {

// Longest text the evaluator works on; a longer span, or a longer text after
// its parenthesised groups are replaced by their values, fails. This bounds
// the recursion so that no input can exhaust the stack.
inline constexpr std::size_t kMaxExpressionText = 4096;

inline bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }

// True when every character of text is one of "0123456789.-" (true for "").
bool isNumberText(std::string_view text);

// The leading decimal number of text (optional sign, digits, optional point
// and fraction); 0 when text holds no number. Nothing when the number is too
// large for a float: such a text has no value, and its evaluation fails.
std::optional<float> readNumber(std::string_view text);

// The value a group carries on: value written with "%f" and read back.
// Meaningful for finite values only ("inf" and "nan" texts read as nothing).
float roundThroughText(float value);

}  // namespace sprig
