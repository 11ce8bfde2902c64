#include "core/lsystem/defaults_and_constants.h"

#include <algorithm>

#include "core/lsystem/parentheses.h"

namespace sprig {

namespace {

constexpr std::size_t npos = std::string_view::npos;

const DefaultEntry* defaultFor(char symbol, const std::vector<DefaultEntry>& defaults)
{
    for (const DefaultEntry& entry : defaults)
        if (!entry.empty() && entry[0] == symbol) return &entry;
    return nullptr;
}

// Values in list, the text between a symbol's '(' and its ')'.
std::size_t countValues(std::string_view list)
{
    std::size_t commas = 0;
    int depth = 0;
    for (char c : list) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 0) ++commas;
    }
    return commas + 1;
}

// Index of the n-th ',' (n >= 1) of entry.
std::size_t nthComma(std::string_view entry, std::size_t n)
{
    std::size_t at = entry.find(',');
    for (std::size_t found = 1; found < n; ++found) at = entry.find(',', at + 1);
    return at;
}

// written is a symbol with its explicit list, without the closing ')'.
void completeList(std::string_view written, std::string_view entry, std::string& out)
{
    out.append(written);
    const std::size_t given = countValues(written.substr(2));
    const std::size_t wanted = static_cast<std::size_t>(std::count(entry.begin(), entry.end(), ',')) + 1;
    if (given < wanted) out.append(entry.substr(nthComma(entry, given)));
    else out.push_back(')');
}

int withinLimit(const std::string& out) { return out.size() > kMaxExpandedText ? kIoError : kDone; }

}  // namespace

int ApplyDefaults(std::string_view text, const std::vector<DefaultEntry>& defaults, std::string& out)
{
    out.clear();
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') ++depth;
        if (c == ')') --depth;
        const DefaultEntry* entry = depth == 0 ? defaultFor(c, defaults) : nullptr;
        if (!entry) {
            out.push_back(c);
        } else if (i + 1 == text.size() || text[i + 1] != '(') {
            out.append(*entry);
        } else {
            const std::size_t close = matchingParen(text, i + 1);
            if (close == npos) return kIoError;
            completeList(text.substr(i, close - i), *entry, out);
            i = close;
        }
    }
    return withinLimit(out);
}

namespace {

// The constant that replaces text at its earliest name occurrence from
// `from` on, or null when no name occurs; at is set to that occurrence.
const Constant* nextConstant(std::string_view text, std::size_t from, const std::vector<Constant>& constants,
                             std::size_t& at)
{
    const Constant* chosen = nullptr;
    at = npos;
    for (const Constant& constant : constants) {
        if (constant.name.empty()) continue;
        const std::size_t found = text.find(constant.name, from);
        if (found == npos || found > at) continue;
        // At a shared earliest place the first of the list wins, except that
        // the list's last constant beats every other.
        if (found < at || &constant == &constants.back()) chosen = &constant;
        at = found;
    }
    return chosen;
}

}  // namespace

int SubstituteConstants(std::string_view text, const std::vector<Constant>& constants, std::string& out)
{
    out.clear();
    std::size_t from = 0;
    std::size_t at = npos;
    while (const Constant* constant = nextConstant(text, from, constants, at)) {
        out.append(text.substr(from, at - from));
        out.append(constant->value);
        from = at + constant->name.size();
        if (out.size() > kMaxExpandedText) return kIoError;
    }
    out.append(text.substr(from));
    return withinLimit(out);
}

}  // namespace sprig
