#pragma once
// Testing a production's right context by reading ahead in the input. The
// caller returns the input to where it was afterwards.

#include <array>
#include <string_view>
#include <vector>

#include "core/derive/branch_ends.h"
#include "core/derive/context_buffer.h"
#include "core/derive/prepared_production.h"

namespace sprig {

class InFile;
class RandomSource;

enum class ScanResult { Matched, NotMatched, Failed };

struct RightContextScan {
    InFile& in;
    ContextBuffer& window;
    const std::array<bool, 256>& ignored;
    RandomSource& random;
    const BranchEnds& ends;
    // Brackets before the scan's start, "[" counting 1 and "]" -1.
    std::int64_t level;
};

// On a match the values of the context symbols are appended to binding.
ScanResult scanRightContext(RightContextScan& scan, const PreparedProduction& p, std::vector<float>& binding);

// Most scans end within a few bytes: at the "]" that closes the symbol's
// branch, or at a first symbol that differs from a context of one symbol.
// True when the bytes `ahead` show the scan would end so, unmatched; false
// when only the scan can tell.
bool rightContextFailsAhead(std::string_view ahead, const PreparedProduction& p, const std::array<bool, 256>& ignored);

}  // namespace sprig
