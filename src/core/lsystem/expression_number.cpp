#include "core/lsystem/expression_number.h"

#include <algorithm>
#include <cmath>

#include "platform/fixed_format.h"

namespace sprig {

bool isNumberText(std::string_view text) { return std::all_of(text.begin(), text.end(), isNumberChar); }

std::optional<float> readNumber(std::string_view text)
{
    float value = 0.0f;
    if (readLeadingNumber(text, value)) return value;
    if (leadingNumberLength(text) == 0) return 0.0f;
    return std::nullopt;
}

namespace {

float roundThroughWriting(float value)
{
    char buf[kFixedTextMax];
    // The exact decimal of a finite float always fits a float again.
    return readNumber(std::string_view(buf, formatFixed(value, buf))).value_or(0.0f);
}

}  // namespace

// Below 8e9 the same value comes from arithmetic. A float times 10^6 is
// exact in a double (24 + 14 significant bits); rounding it to an integer k
// with ties to even is what "%f" does. The decimal text's value x = k / 10^6
// is then divided out to the nearest double q. Rounding q to float gives the
// float nearest x: a float midpoint m is a double, so q stays on x's side of
// m, and q cannot reach m unless x = m, because a decimal x != m lies at
// least 1/(10^6 * 2^25) of m away from it (or 10^-6 when m is an integer),
// more than q's rounding error of 2^-53 of x (below 10^-6 under 8e9).
float roundThroughText(float value)
{
    const double wide = value;
    if (!(std::fabs(wide) < 8.0e9)) return roundThroughWriting(value);
    const double micros = std::nearbyint(wide * 1.0e6);
    return static_cast<float>(micros / 1.0e6);
}

}  // namespace sprig
