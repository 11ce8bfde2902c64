#pragma once
// A fixed number of symbols held for context tests (the left history or the
// right window), with a stack of saved copies taken at "[" and restored at "]".

#include <vector>

#include "core/derive/string_file.h"

namespace sprig {

class ContextBuffer {
public:
    // Empties the buffer and its stack and sizes it for `capacity` symbols.
    void reset(int capacity);

    int count() const { return count_; }
    const Symbol& entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }

    // Left history: the new symbol becomes entry 0, the farthest one drops out.
    void shiftIn(const Symbol& s);
    // Right window: the symbol is stored after those collected so far.
    void append(const Symbol& s);

    void push();
    // Restores the copy saved last; does nothing on an empty stack.
    void pop();
    // Forgets the symbols held and the saved copies, keeping the capacity.
    void clear()
    {
        count_ = 0;
        depth_ = 0;
    }

private:
    std::vector<Symbol> entries_;
    int count_ = 0;
    // Saved copies, one block of entries_.size() symbols per level.
    std::vector<Symbol> saved_;
    std::vector<int> savedCounts_;
    std::size_t depth_ = 0;
};

}  // namespace sprig
