#include "platform/fixed_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace sprig {

std::size_t formatFixed(float value, char* out)
{
    auto result = std::to_chars(out, out + kFixedTextMax, static_cast<double>(value), std::chars_format::fixed, 6);
    return static_cast<std::size_t>(result.ptr - out);
}

std::string formatFixed(float value)
{
    char buf[kFixedTextMax];
    return std::string(buf, formatFixed(value, buf));
}

void appendFixed(std::string& text, float value)
{
    char buf[kFixedTextMax];
    text.append(buf, formatFixed(value, buf));
}

std::size_t leadingNumberLength(std::string_view text, bool withExponent)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (withExponent && i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '-' || text[j] == '+')) ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

bool readLeadingNumber(std::string_view text, float& value, bool withExponent)
{
    const std::size_t len = leadingNumberLength(text, withExponent);
    if (len == 0) return false;
    std::string_view number = text.substr(0, len);
    if (number.front() == '+') number.remove_prefix(1);
    float read = 0.0f;
    auto result = std::from_chars(number.data(), number.data() + number.size(), read);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range both ways: strtof tells overflow (infinity) from
        // underflow (zero or a subnormal, which is kept).
        read = std::strtof(std::string(number).c_str(), nullptr);
        if (std::isinf(read)) return false;
    }
    value = read;
    return true;
}

bool readNumber(std::string_view text, float& value)
{
    return leadingNumberLength(text, true) == text.size() && readLeadingNumber(text, value, true);
}

}  // namespace sprig
