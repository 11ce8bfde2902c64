#pragma once
// Finding the first of a few bytes eight at a time: parameter lists are
// counted by the parentheses that open and close them, which stand some
// ten bytes apart.

#include <bit>
#include <cstdint>
#include <cstring>

namespace sprig {

static_assert(std::endian::native == std::endian::little, "the first byte found is the lowest of a word");

// The first byte in [p, end) that is one of `bytes`, or end.
template <char... bytes>
const char* findFirstOf(const char* p, const char* end)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highs = 0x8080808080808080u;
    // The lowest high bit marks the first zero byte of v (those above it may be false).
    const auto zeroBytes = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t hits = (zeroBytes(word ^ (ones * static_cast<unsigned char>(bytes))) | ...);
        if (hits != 0) return p + std::countr_zero(hits) / 8;
    }
    while (p < end && ((*p != bytes) && ...)) ++p;
    return p;
}

}  // namespace sprig
