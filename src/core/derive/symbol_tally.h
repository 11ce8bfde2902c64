#pragma once
// The symbol count of a string taken while it is written: what
// ReadStringStatistics reads from the finished file, without reading it
// again. The reader takes a "(" right after a symbol for the start of its
// parameter list, whose bytes are no symbols, and any other byte but a
// newline for a symbol. Writers hand over symbol bytes (never "(" or a
// newline) and whole parameter lists; a string in which a "(" could be read
// otherwise than it was written (a symbol "(", a list at the start or right
// after another list) is left uncounted.

#include <cstdint>
#include <optional>

namespace sprig {

class SymbolTally {
public:
    // n symbol bytes, none of them "(" or a newline.
    void symbols(std::int64_t n)
    {
        count_ += n;
        if (n > 0) afterList_ = false;
    }
    // A parameter list, "(" to ")", holding no parenthesis and no newline.
    void list()
    {
        known_ = known_ && !afterList_;
        afterList_ = true;
    }
    // A symbol byte with a list when it has values.
    void symbol(char c, int values)
    {
        if (c == '(') known_ = false;
        symbols(1);
        if (values > 0) list();
    }
    std::optional<std::int64_t> count() const { return known_ ? std::optional(count_) : std::nullopt; }

private:
    std::int64_t count_ = 0;
    // The reader takes the first byte for a symbol, as it does the byte after a list.
    bool afterList_ = true;
    bool known_ = true;
};

}  // namespace sprig
