#pragma once
// The two rewrites a successor goes through once the whole definition is
// read: missing parameters are filled in from the default entries, then
// constant names are replaced by their values.

#include <string>
#include <string_view>
#include <vector>

#include "core/lsystem/lsystem.h"

namespace sprig {

// Outside parameter lists, a symbol that has a default entry (the first for
// that symbol counts) becomes the whole entry when it has no list, and gets
// the entry's trailing values when its own list is shorter: with U(1.67,7),
// U gives U(1.67,7) and U(5) gives U(5,7). Returns kDone with out set, or kIoError for
// a list without its ')' or a result longer than kMaxExpandedText.
[[nodiscard]] int ApplyDefaults(std::string_view text, const std::vector<DefaultEntry>& defaults, std::string& out);

// Replaces every occurrence of a constant name, wherever its letters stand,
// by the value; a value is not searched again. Returns kDone with out set, or kIoError
// for a result longer than kMaxExpandedText.
[[nodiscard]] int SubstituteConstants(std::string_view text, const std::vector<Constant>& constants, std::string& out);

}  // namespace sprig
