#include "core/lsystem/expression_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

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
    for (const char* text : {"", "12.-3"}) EXPECT_TRUE(isNumberText(text)) << text;
    for (const char* text : {"1e5", "1?2"}) EXPECT_FALSE(isNumberText(text)) << text;
    // 10^39 is above the largest float (about 3.4 * 10^38): no value; 10^-46
    // is below the smallest and reads as 0.
    const std::pair<std::string, float> numbers[] = {{"-.5", -0.5f}, {"5.", 5.0f},  {"1.2.3", 1.2f}, {"12-3", 12.0f},
                                                     {"--1", 0.0f},  {"abc", 0.0f}, {"inf", 0.0f},   {"", 0.0f}};
    for (const auto& [text, value] : numbers) EXPECT_EQ(readNumber(text), value) << text;
    EXPECT_EQ(readNumber("0." + std::string(45, '0') + "1"), 0.0f);
    const std::string huge = "1" + std::string(39, '0');
    for (const std::string& text : {huge, "-" + huge + ".5"}) EXPECT_EQ(readNumber(text), std::nullopt) << text;
}

TEST(ExpressionNumber, GroupValuesRoundLikePrintfAndStrtof)
{
    // Exact ties go to the even digit; signs and large values are kept.
    const std::pair<float, float> rounded[] = {
        {0.0078125f, 0.007812f}, {0.0234375f, 0.023438f}, {1e-7f, 0.0f}, {-1e-9f, -0.0f},
        {-0.0f, -0.0f},          {0.1234567f, 0.123457f}, {3e38f, 3e38f}};
    for (const auto& [value, expected] : rounded) EXPECT_EQ(bits(roundThroughText(value)), bits(expected)) << value;

    LcgRandom random(77);
    for (int i = 0; i < 300000; ++i) {
        const auto pattern = static_cast<std::uint32_t>(random.next()) << 17 ^
                             static_cast<std::uint32_t>(random.next()) << 2 ^
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
