#pragma once
// Parameter-name lists of rule heads: "(k,l)" declares 'k' and 'l'.

#include <string>
#include <string_view>
#include <vector>

#include "core/lsystem/lsystem.h"

namespace sprig {

// Appends the names of the list whose '(' stands at text[open]: every
// character up to the next ')' except ','. Returns the index of that ')',
// or npos when text holds none.
std::size_t readParamNames(std::string_view text, std::size_t open, std::string& names);

// Splits a context into its symbols, each followed by its parameter names,
// and adds the number of names to paramTotal. Returns kDone, or kIoError for a list
// without its ')', a '(' that follows no symbol, or more than kMaxParams
// names on one symbol.
[[nodiscard]] int splitContext(std::string_view context, std::vector<ContextSymbol>& symbols, int& paramTotal);

}  // namespace sprig
