#pragma once
// Dropping the branches cut by "%" before a string is rewritten.

#include <string>

#include "platform/result.h"

namespace sprig {

class InFile;
class Job;
struct LSystem;

// Copies the string of `from` into `to` under the header of `system`,
// leaving out every "%" and what follows it up to (not including) the "]"
// that closes its branch. Returns kDone, kStopped when the job asks to stop,
// or kIoError when a file cannot be opened, read or written.
Result CutBranches(const std::string& from, const std::string& to, const LSystem& system, const Job& job);

// Whether cutting would change the string of `in`, read from its position
// to the end of the string: true when the string holds a "%", and when it
// cannot be read, or when the job asks to stop (cutting then stops at once).
// The input is left at the end of the string.
bool holdsCuts(InFile& in, const Job& job);

}  // namespace sprig
