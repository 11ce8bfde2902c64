#include "core/derive/context_buffer.h"

#include <algorithm>

namespace sprig {

void ContextBuffer::reset(int capacity)
{
    entries_.assign(static_cast<std::size_t>(capacity), Symbol{' ', 0, {}});
    count_ = 0;
    depth_ = 0;
}

void ContextBuffer::shiftIn(const Symbol& s)
{
    if (entries_.empty()) return;
    std::copy_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_[0] = s;
    if (count_ < static_cast<int>(entries_.size())) ++count_;
}

void ContextBuffer::append(const Symbol& s)
{
    if (count_ < static_cast<int>(entries_.size())) entries_[static_cast<std::size_t>(count_++)] = s;
}

void ContextBuffer::push()
{
    const std::size_t width = entries_.size();
    if (savedCounts_.size() <= depth_) {
        savedCounts_.resize(depth_ + 1);
        saved_.resize((depth_ + 1) * width);
    }
    std::copy(entries_.begin(), entries_.end(), saved_.begin() + static_cast<std::ptrdiff_t>(depth_ * width));
    savedCounts_[depth_] = count_;
    ++depth_;
}

void ContextBuffer::pop()
{
    if (depth_ == 0) return;
    --depth_;
    const std::size_t width = entries_.size();
    const auto from = saved_.begin() + static_cast<std::ptrdiff_t>(depth_ * width);
    std::copy(from, from + static_cast<std::ptrdiff_t>(width), entries_.begin());
    count_ = savedCounts_[depth_];
}

}  // namespace sprig
