#include "core/derive/branch_ends.h"

#include <algorithm>

#include "platform/byte_file.h"
#include "platform/job.h"

namespace sprig {

bool BranchEnds::survey(InFile& in, const Job& job)
{
    closings_.clear();
    known_ = false;
    const std::uint64_t start = in.tell();
    std::int64_t level = 0;
    // A bracket in a parameter list is no symbol, and the survey cannot tell
    // then. Parentheses are counted over all bytes, which finds every such
    // bracket, and perhaps a few that are symbols after all.
    for (int parens = 0;;) {
        const int c = in.get();
        if (job.stopRequested()) return false;
        if (c == kEof || c == '\n') {
            end_ = in.tell() - (c == '\n' ? 1 : 0);
            known_ = (c == kEof || in.get() == kEof) && !in.failed();
            break;
        }
        if (c == '(') {
            ++parens;
        } else if (c == ')') {
            if (parens > 0) --parens;
        } else if ((c == '[' || c == ']') && parens > 0) {
            break;
        } else if (c == '[') {
            ++level;
        } else if (c == ']') {
            --level;
            while (!closings_.empty() && closings_.back().level >= level) closings_.pop_back();
            closings_.push_back({level, in.tell() - 1});
        }
    }
    return in.seek(start);
}

bool BranchEnds::neverCloses(std::uint64_t position, std::int64_t level) const
{
    if (!known_ || position > end_) return false;
    const auto below = std::upper_bound(closings_.begin(), closings_.end(), level - 1,
                                        [](std::int64_t l, const Closing& c) { return l < c.level; });
    return below == closings_.begin() || std::prev(below)->position < position;
}

}  // namespace sprig
