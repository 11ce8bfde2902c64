#pragma once
// Number text as the string files and expressions use it: values are written
// with printf's "%f" (six decimals, exactly rounded) and read back as a
// leading decimal number.

#include <cstddef>
#include <string>
#include <string_view>

namespace sprig {

// Longest text formatFixed can produce: "%f" of the largest float.
inline constexpr std::size_t kFixedTextMax = 64;

// Writes "%f" of value into out (at least kFixedTextMax bytes); returns the
// length. Infinities and NaN come out as "inf", "-inf", "nan", "-nan".
std::size_t formatFixed(float value, char* out);
std::string formatFixed(float value);
void appendFixed(std::string& text, float value);

// Reads an optional sign, digits, an optional point and fraction, and, when
// withExponent is set, an optional exponent, from the start of text. Returns
// false when no digit can be read.
bool readLeadingNumber(std::string_view text, float& value, bool withExponent = false);

}  // namespace sprig
