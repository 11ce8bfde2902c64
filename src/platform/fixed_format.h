#pragma once
// Number text as the string files and expressions use it: values are written
// with printf's "%f" (six decimals, exactly rounded) and read back as a
// leading decimal number.

#include <charconv>
#include <concepts>
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

// Characters taken by the leading number of text: an optional sign, digits,
// an optional point and fraction, and, when withExponent is set, an optional
// exponent. 0 when text holds no digit there.
std::size_t leadingNumberLength(std::string_view text, bool withExponent = false);

// An ASCII digit, whatever the locale says.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the leading number of text into value. Returns false when no digit
// can be read, or when the number is too large for a float: that would be
// infinity, which no reader of this program can use. A number too small for
// a float reads as zero or a subnormal, as strtof gives it.
bool readLeadingNumber(std::string_view text, float& value, bool withExponent = false);

// Reads text that is one number, exponent allowed, as readLeadingNumber does.
bool readNumber(std::string_view text, float& value);

// Reads text that is one whole decimal number that fits T (a minus sign is
// taken only by signed types); false leaves value as it was or unspecified.
template <std::integral T>
bool readWholeNumber(std::string_view text, T& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size();
}

}  // namespace sprig
