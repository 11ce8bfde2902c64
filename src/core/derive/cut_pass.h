#pragma once
// Dropping the branches cut by "%" before a string is rewritten.

#include <string>

namespace sprig {

struct LSystem;

// Copies the string of `from` into `to` under the header of `system`,
// leaving out every "%" and what follows it up to (not including) the "]"
// that closes its branch. Returns kDone, or kIoError when a file cannot be opened,
// read or written.
int CutBranches(const std::string& from, const std::string& to, const LSystem& system);

}  // namespace sprig
