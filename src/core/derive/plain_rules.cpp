#include "core/derive/plain_rules.h"

#include <algorithm>
#include <string_view>

namespace sprig {

namespace {

// Applied outright to every symbol it meets, with nothing to evaluate or draw.
bool appliesOutright(const PreparedProduction& p)
{
    const Production& rule = *p.rule;
    // A probability that is no number is never below 1 either.
    const bool certain = rule.probabilityIsConstant && !(rule.probability < 1.0f);
    const bool literal = !p.successorBroken && std::none_of(p.successor.begin(), p.successor.end(),
                                                            [](const SuccessorPiece& piece) { return piece.hasList; });
    return certain && literal && !rule.hasCondition && rule.leftSymbolCount == 0 && rule.rightSymbolCount == 0;
}

}  // namespace

void PlainRules::prepare(const std::array<std::vector<const PreparedProduction*>, 256>& byPredecessor,
                         const std::array<bool, 256>& ignored, bool contexts)
{
    static const std::array<char, 256> bytes = [] {
        std::array<char, 256> all{};
        for (std::size_t c = 0; c < 256; ++c) all[c] = static_cast<char>(c);
        return all;
    }();
    any_ = false;
    longest_ = kShort;
    for (std::size_t c = 0; c < 256; ++c) {
        Rule& r = rules_[c];
        r = Rule{};
        // A "(" written as a symbol may read back as a parameter list; the
        // production search writes it, and the count of the string is then
        // left to the reading.
        if (c == '\n' || c == '(' || (contexts && !ignored[c])) continue;
        // Productions that want parameters never apply to a symbol without any.
        const auto& candidates = byPredecessor[c];
        const auto first = std::find_if(candidates.begin(), candidates.end(), [](const PreparedProduction* p) {
            return p->rule->predecessorParamCount == 0;
        });
        std::string_view text(&bytes[c], 1);
        if (first != candidates.end()) {
            if (!appliesOutright(**first)) continue;
            text = (*first)->successor.empty() ? std::string_view() : (*first)->successor.front().literal;
        }
        r.settled = true;
        r.movesBranch = contexts && (c == '[' || c == ']');
        r.copiesLists = !r.movesBranch &&
                        std::none_of(candidates.begin(), candidates.end(),
                                     [](const PreparedProduction* p) { return p->rule->predecessorParamCount > 0; });
        r.length = text.size();
        r.text = text.data();
        text.copy(r.shortText, std::min(text.size(), kShort));
        longest_ = std::max(longest_, text.size());
        any_ = true;
    }
}

}  // namespace sprig
