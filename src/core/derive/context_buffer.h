#pragma once
// The symbols held for context tests (the left history or the right window),
// saved at "[" and restored at "]". The symbols of all open branches stay in
// one stack, so a save is only a mark of its height and a restore drops what
// came after the mark: at most `capacity` symbols lie between two marks, and
// the branches share the symbols that stand before them.

#include <cstdint>
#include <vector>

#include "core/derive/string_file.h"

namespace sprig {

// One held symbol; `values` stays valid until the buffer next changes.
struct HeldSymbol {
    char symbol;
    int count;
    const float* values;
};

class ContextBuffer {
public:
    // Empties the buffer and its marks and sizes it for `capacity` symbols.
    void reset(int capacity);

    int count() const { return static_cast<int>(held_.size() < capacity_ ? held_.size() : capacity_); }
    // Right window: the k-th symbol collected.
    HeldSymbol entry(int k) const { return view(static_cast<std::size_t>(k)); }
    // Left history: the k-th nearest symbol, 0 the one shifted in last.
    HeldSymbol nearest(int k) const { return view(held_.size() - 1 - static_cast<std::size_t>(k)); }

    // Left history: the symbol becomes the nearest; beyond the capacity the
    // farthest one drops out.
    void shiftIn(const Symbol& s);
    // Right window: the symbol is stored after those collected so far while
    // there is room.
    void append(const Symbol& s);

    // Saves the symbols held, at "[".
    void push();
    // Restores the symbols saved last; does nothing when none are saved.
    void pop();
    // Forgets the symbols held and the saved marks, keeping the capacity.
    void clear();

private:
    struct Held {
        std::uint32_t firstValue;
        char symbol;
        std::uint8_t count;
    };

    HeldSymbol view(std::size_t i) const
    {
        const Held& h = held_[i];
        return {h.symbol, h.count, values_.data() + h.firstValue};
    }
    void add(const Symbol& s);

    std::size_t capacity_ = 0;
    std::vector<Held> held_;            // oldest first
    std::vector<float> values_;         // the values of held_, in the same order
    std::vector<std::uint32_t> marks_;  // the height of held_ at each open "["
};

}  // namespace sprig
