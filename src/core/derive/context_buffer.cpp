#include "core/derive/context_buffer.h"

#include <algorithm>
#include <limits>
#include <new>

namespace sprig {

namespace {

// Held symbols and their values are found by 32-bit offsets; a stack that
// outgrows them is out of memory like any other.
constexpr std::size_t kMaxOffset = std::numeric_limits<std::uint32_t>::max() - kMaxParams;

}  // namespace

void ContextBuffer::reset(int capacity)
{
    capacity_ = static_cast<std::size_t>(std::max(capacity, 0));
    clear();
}

void ContextBuffer::add(const Symbol& s)
{
    if (values_.size() > kMaxOffset) throw std::bad_alloc();
    held_.push_back({static_cast<std::uint32_t>(values_.size()), s.symbol, static_cast<std::uint8_t>(s.count)});
    if (s.count > 0) values_.insert(values_.end(), s.values.begin(), s.values.begin() + s.count);
}

// The history is the last `capacity` symbols of the stack. Those before the
// last mark belong to the saved branches and stay; of those after it, the
// oldest drops out once there are more than `capacity`.
void ContextBuffer::shiftIn(const Symbol& s)
{
    if (capacity_ == 0) return;
    add(s);
    const std::size_t base = marks_.empty() ? 0 : marks_.back();
    if (held_.size() - base <= capacity_) return;
    const auto gone = held_.begin() + static_cast<std::ptrdiff_t>(base);
    if (gone->count > 0) {
        const auto first = values_.begin() + gone->firstValue;
        values_.erase(first, first + gone->count);
        for (auto h = gone + 1; h != held_.end(); ++h) h->firstValue -= gone->count;
    }
    held_.erase(gone);
}

void ContextBuffer::append(const Symbol& s)
{
    if (held_.size() < capacity_) add(s);
}

void ContextBuffer::push()
{
    if (held_.size() > kMaxOffset) throw std::bad_alloc();
    marks_.push_back(static_cast<std::uint32_t>(held_.size()));
}

void ContextBuffer::pop()
{
    if (marks_.empty()) return;
    const std::size_t mark = marks_.back();
    marks_.pop_back();
    if (mark == held_.size()) return;
    values_.resize(held_[mark].firstValue);
    held_.resize(mark);
}

void ContextBuffer::clear()
{
    held_.clear();
    values_.clear();
    marks_.clear();
}

}  // namespace sprig
