#pragma once
// The pseudo-random integer source (0 .. 32767) and the wall clock in whole
// seconds that seeds it. Passes take them as interfaces so runs can be
// repeated in tests and from the batch command.

#include <cstdint>

namespace sprig {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t s) = 0;
    virtual int next() = 0;  // 0 .. 32767
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowSeconds() = 0;
};

// Linear congruential generator with 15-bit output.
class LcgRandom final : public RandomSource {
public:
    explicit LcgRandom(std::uint32_t s = 1) : state_(s) {}
    void seed(std::uint32_t s) override { state_ = s; }
    int next() override
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

class SystemClock final : public Clock {
public:
    std::int64_t nowSeconds() override;
};

}  // namespace sprig
