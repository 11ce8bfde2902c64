#include "core/lsystem/expression_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/random_source.h"

namespace sprig {
namespace {

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

// What a group carries on, by the C library: printf "%f", then strtof.
float throughPrintf(float value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f", static_cast<double>(value));
    return std::strtof(buf, nullptr);
}

TEST(ExpressionNumber, NumberTextsAndTheirLeadingNumber)
{
    EXPECT_TRUE(isNumberText(""));
    EXPECT_TRUE(isNumberText("12.-3"));
    EXPECT_FALSE(isNumberText("1e5"));
    EXPECT_FALSE(isNumberText("1?2"));
    EXPECT_EQ(readNumber("-.5"), -0.5f);
    EXPECT_EQ(readNumber("5."), 5.0f);
    EXPECT_EQ(readNumber("1.2.3"), 1.2f);
    EXPECT_EQ(readNumber("12-3"), 12.0f);
    EXPECT_EQ(readNumber("--1"), 0.0f);
    EXPECT_EQ(readNumber("abc"), 0.0f);
    EXPECT_EQ(readNumber("inf"), 0.0f);
    EXPECT_EQ(readNumber(""), 0.0f);
}

TEST(ExpressionNumber, GroupValuesRoundLikePrintfAndStrtof)
{
    EXPECT_EQ(roundThroughText(0.0078125f), 0.007812f);  // exact ties go to the even digit
    EXPECT_EQ(roundThroughText(0.0234375f), 0.023438f);
    EXPECT_EQ(roundThroughText(1e-7f), 0.0f);
    EXPECT_EQ(bits(roundThroughText(-1e-9f)), bits(-0.0f));
    EXPECT_EQ(bits(roundThroughText(-0.0f)), bits(-0.0f));
    EXPECT_EQ(roundThroughText(0.1234567f), 0.123457f);
    EXPECT_EQ(roundThroughText(3e38f), 3e38f);

    LcgRandom random(77);
    for (int i = 0; i < 300000; ++i) {
        const auto pattern = static_cast<std::uint32_t>(random.next()) << 17 ^ static_cast<std::uint32_t>(random.next()) << 2 ^
                             static_cast<std::uint32_t>(random.next() & 3);
        const float value = std::bit_cast<float>(pattern);
        if (!std::isfinite(value)) continue;
        ASSERT_EQ(bits(roundThroughText(value)), bits(throughPrintf(value))) << value;
    }
    for (float value = 7.9e9f; value < 8.1e9f; value = std::nextafter(value, 1e10f)) {
        ASSERT_EQ(bits(roundThroughText(value)), bits(throughPrintf(value))) << value;
    }
}

}  // namespace
}  // namespace sprig
