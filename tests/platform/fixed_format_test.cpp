#include "platform/fixed_format.h"

#include <gtest/gtest.h>

namespace sprig {
namespace {

// How much of a text its leading number takes: an exponent, 'e' or 'E' with
// an optional sign and at least one digit, only when asked for.
TEST(FixedFormat, LeadingNumberTakesAnExponentOnlyWhenAskedAndWhole)
{
    const struct {
        const char* text;
        bool withExponent;
        std::size_t length;
    } cases[] = {
        {"1e5", false, 1}, {"1e5", true, 3}, {"2.5E-3", true, 6}, {"-.5e+2x", true, 6},
        {"1x5", true, 1},  {"1E", true, 1},  {"1e+x", true, 1},   {".e5", true, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingNumberLength(c.text, c.withExponent), c.length) << c.text << ' ' << c.withExponent;
}

}  // namespace
}  // namespace sprig
