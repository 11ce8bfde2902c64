#pragma once
// What each symbol without parameters becomes when nothing about it needs
// computing: the first production that can apply to it has no context, no
// condition, no probability below 1 and no parameter list to compute, or no
// production can apply to it at all. The symbol loop settles such symbols
// straight from the input's buffer; every other one takes the production
// search.

#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

#include "core/derive/prepared_production.h"

namespace sprig {

class PlainRules {
public:
    // `byPredecessor` lists each symbol's productions in the order they are
    // tried. With contexts, a symbol that enters the context buffers (one not
    // ignored) always takes the search, and a bracket that is settled leaves
    // its move between branches to the symbol loop.
    void prepare(const std::array<std::vector<const PreparedProduction*>, 256>& byPredecessor,
                 const std::array<bool, 256>& ignored, bool contexts);

    bool settles(unsigned char c) const { return rules_[c].settled; }
    // A settled "[" or "]" of a pass that keeps contexts.
    bool movesBranch(unsigned char c) const { return rules_[c].movesBranch; }
    // A settled symbol that no production with parameters can apply to: with
    // a parameter list it is copied unchanged, values and all.
    bool copiesLists(unsigned char c) const { return rules_[c].copiesLists; }
    // Writes what a settled symbol becomes at `to`, which has room for
    // longest() bytes; returns the end of what was written.
    char* write(unsigned char c, char* to) const
    {
        const Rule& r = rules_[c];
        if (r.length <= kShort) std::memcpy(to, r.shortText, kShort);
        else std::memcpy(to, r.text, r.length);
        return to + r.length;
    }
    std::size_t longest() const { return longest_; }
    // Whether any symbol is settled here at all.
    bool any() const { return any_; }

private:
    // Short texts are copied whole, however long they are, in one move.
    static constexpr std::size_t kShort = 16;
    struct Rule {
        char shortText[kShort];
        std::size_t length;
        const char* text;
        bool settled;
        bool movesBranch;
        bool copiesLists;
    };

    std::array<Rule, 256> rules_{};
    std::size_t longest_ = kShort;
    bool any_ = false;
};

}  // namespace sprig
