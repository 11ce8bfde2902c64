#include "core/derive/right_context_scan.h"

#include "platform/byte_file.h"

namespace sprig {

namespace {

bool windowMatches(const ContextBuffer& window, const PreparedProduction& p)
{
    for (int k = 0; k < window.count(); ++k) {
        const HeldSymbol e = window.entry(k);
        const auto i = static_cast<std::size_t>(k);
        if (e.symbol != p.rule->rightSymbols[i][0] || e.count != p.rightParamCounts[i]) return false;
    }
    return true;
}

// Skips the rest of the branch the scan stands in; false when the string
// ends first, so that nothing after its end line is read as context.
bool skipBranch(InFile& in)
{
    int depth = 1;
    while (depth > 0) {
        const int b = in.get();
        if (b == kEof || b == '\n') return false;
        if (b == '[') ++depth;
        else if (b == ']') --depth;
    }
    return true;
}

// An ignored symbol's parameter list is passed over unread.
bool skipIgnoredParameters(InFile& in)
{
    const int d = in.get();
    if (d == '(') return skipParameters(in);
    return d == kEof || in.unget();
}

}  // namespace

ScanResult scanRightContext(RightContextScan& scan, const PreparedProduction& p, std::vector<float>& binding)
{
    scan.window.clear();
    const int wanted = p.rule->rightSymbolCount;
    int depth = 0;
    while (depth >= 0) {
        const int b = scan.in.get();
        if (b == kEof || b == '\n') return ScanResult::NotMatched;
        if (b == ']') {
            scan.window.pop();
            --depth;
        }
        if (scan.ignored[static_cast<std::size_t>(b)]) {
            if (!skipIgnoredParameters(scan.in)) return ScanResult::Failed;
        } else if (scan.window.count() < wanted) {
            Symbol s;
            s.symbol = static_cast<char>(b);
            if (!readParameters(scan.in, s, scan.random)) return ScanResult::Failed;
            scan.window.append(s);
            if (scan.window.count() == wanted) {
                if (windowMatches(scan.window, p)) {
                    for (int k = 0; k < wanted; ++k) {
                        const HeldSymbol e = scan.window.entry(k);
                        binding.insert(binding.end(), e.values, e.values + e.count);
                    }
                    return ScanResult::Matched;
                }
                if (depth == 0) return ScanResult::NotMatched;
                // Skipping to the end of the string would end the scan unmatched.
                if (scan.ends.neverCloses(scan.in.tell(), scan.level + depth + (b == '[' ? 1 : 0)))
                    return ScanResult::NotMatched;
                if (!skipBranch(scan.in)) return ScanResult::NotMatched;
                scan.window.pop();
                --depth;
            }
        }
        if (b == '[') {
            scan.window.push();
            ++depth;
        }
    }
    return ScanResult::NotMatched;
}

bool rightContextFailsAhead(std::string_view ahead, const PreparedProduction& p, const std::array<bool, 256>& ignored)
{
    for (std::size_t i = 0; i < ahead.size(); ++i) {
        const auto b = static_cast<unsigned char>(ahead[i]);
        if (b == '\n') return true;
        // A parameter list is read or skipped only by the scan, which may
        // find it broken.
        if (i + 1 == ahead.size() || ahead[i + 1] == '(' || b == '[') return false;
        if (b == ']') return ignored[b];
        if (!ignored[b])
            return p.rule->rightSymbolCount == 1 && b != static_cast<unsigned char>(p.rule->rightSymbols[0][0]);
    }
    return false;
}

}  // namespace sprig
