#pragma once
// Which branches of a string close, learnt by reading the string once before
// a pass. The left history saved at a "[" whose branch never closes would
// never come back, so it is not saved; and a right-context scan need not read
// such a branch to the end of the string, where the scan ends unmatched.

#include <cstdint>
#include <vector>

namespace sprig {

class InFile;
class Job;

class BranchEnds {
public:
    // Reads the string from the input's position to its end and returns the
    // input to that position. False when it cannot be returned, and when the
    // job asks to stop.
    bool survey(InFile& in, const Job& job);

    // True when the rest of the branch that stands at byte `position` runs to
    // the end of the file. `level` counts the "[" before `position` as 1 and
    // the "]" as -1 from where the survey started. False whenever the survey
    // cannot tell, so that the branch is read as before.
    bool neverCloses(std::uint64_t position, std::int64_t level) const;

private:
    struct Closing {
        std::int64_t level;  // after the "]"
        std::uint64_t position;
    };

    // The "]" that no later "]" brings to the same level or lower, oldest
    // first: their levels and positions both rise. A "]" after a position
    // lowers the level below L there exactly when the last "]" that ends at
    // L - 1 or lower comes after it.
    std::vector<Closing> closings_;
    std::uint64_t end_ = 0;  // where the string ends
    // The string ends the file, and every bracket in it is a symbol (none
    // stands in a parameter list), so that the level at a symbol is that of
    // the symbols before it.
    bool known_ = false;
};

}  // namespace sprig
