#pragma once
// A random source that hands out a fixed sequence of integers, then zeros,
// so that tests can state what every draw gives.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/random_source.h"

namespace sprig::testing {

class ScriptedRandom final : public RandomSource {
public:
    std::vector<int> script;
    std::size_t next_ = 0;
    void seed(std::uint32_t) override {}
    int next() override { return next_ < script.size() ? script[next_++] : 0; }
};

}  // namespace sprig::testing
