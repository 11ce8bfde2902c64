#include "core/lsystem/rule_order.h"

#include <algorithm>
#include <array>

namespace sprig {

namespace {

bool hasRepeat(const std::string& names)
{
    std::array<bool, 256> seen{};
    for (char c : names) {
        const auto byte = static_cast<unsigned char>(c);
        if (seen[byte]) return true;
        seen[byte] = true;
    }
    return false;
}

void appendNames(std::string& names, const ContextSymbol& symbol) { names.append(symbol, 1); }

}  // namespace

bool bindFormalParams(Production& rule)
{
    std::string names = rule.predecessorParams;
    if (rule.leftContextLength > 0)
        std::for_each(rule.leftSymbols.rbegin(), rule.leftSymbols.rend(),
                      [&](const ContextSymbol& s) { appendNames(names, s); });
    if (rule.rightContextLength > 0)
        for (const ContextSymbol& s : rule.rightSymbols) appendNames(names, s);
    rule.formalParamCount = static_cast<int>(names.size());
    rule.formalParams = std::move(names);
    return !hasRepeat(rule.formalParams);
}

void reorderProductions(std::vector<Production>& rules)
{
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i].leftContextLength > 0) continue;
        const char predecessor = rules[i].predecessor;
        const auto later = rules.begin() + static_cast<std::ptrdiff_t>(i) + 1;
        const auto movedEnd = std::stable_partition(later, rules.end(), [&](const Production& r) {
            return r.predecessor == predecessor && r.leftContextLength > 0;
        });
        const auto moved = movedEnd - later;
        std::rotate(rules.begin() + static_cast<std::ptrdiff_t>(i), later, movedEnd);
        i += static_cast<std::size_t>(moved);
    }
}

}  // namespace sprig
