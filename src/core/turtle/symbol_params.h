#pragma once
// The parameters of the symbol being interpreted.

#include <array>

namespace sprig {

inline constexpr int kMaxSymbolParams = 20;

struct SymbolParams {
    SymbolParams() { p.fill(1.0f); }

    // Every slot is 1.0 unless the parameter list gives it.
    std::array<float, kMaxSymbolParams> p;
    // Parameters given; 0 when the symbol has no parameter list, at least 1
    // when it has one (an empty list gives one parameter of 1.0).
    int n = 0;

    // Back to no parameters. Slots from n on are still 1.0, so only the
    // given ones are reset.
    void clear()
    {
        for (int i = 0; i < n; ++i) p[static_cast<std::size_t>(i)] = 1.0f;
        n = 0;
    }
    float p1() const { return p[0]; }
};

}  // namespace sprig
