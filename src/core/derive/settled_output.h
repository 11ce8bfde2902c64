#pragma once
// Where a run of settled symbols is written: straight into the output's
// buffer, with room reserved ahead, and tallied as the run ends. The bytes
// of copied parameter lists are no symbols; a run that ends with a list
// leaves the tally after a list.

#include <cstdint>
#include <cstring>

#include "core/derive/plain_rules.h"
#include "core/derive/symbol_tally.h"
#include "platform/byte_file.h"

namespace sprig {

class SettledOutput {
public:
    SettledOutput(OutFile& out, const PlainRules& plain) : out_(out), plain_(plain) { reserve(plain.longest()); }

    // What the settled symbol c becomes.
    void text(unsigned char c)
    {
        room(plain_.longest());
        to_ = plain_.write(c, to_);
    }
    // The symbol c unchanged with the `length` bytes of its list.
    void withList(char c, const char* list, std::size_t length)
    {
        room(length + 1);
        *to_++ = c;
        std::memcpy(to_, list, length);
        to_ += length;
        listBytes_ += static_cast<std::int64_t>(length);
        listEnd_ = to_;
    }
    // Commits what was written and tallies it.
    void finish(SymbolTally& tally)
    {
        commit();
        tally.symbols(written_ - listBytes_);
        if (listEnd_ == to_) tally.list();
    }

private:
    void room(std::size_t n)
    {
        if (static_cast<std::size_t>(end_ - to_) >= n) return;
        commit();
        const bool afterList = listEnd_ == to_;
        reserve(n);
        if (afterList) listEnd_ = to_;
    }
    void commit()
    {
        written_ += to_ - from_;
        out_.commit(to_);
    }
    void reserve(std::size_t n)
    {
        std::size_t room = 0;
        to_ = out_.reserve(n, room);
        end_ = to_ + room;
        from_ = to_;
    }

    OutFile& out_;
    const PlainRules& plain_;
    char* to_ = nullptr;
    const char* end_ = nullptr;
    const char* from_ = nullptr;
    std::int64_t written_ = 0;  // in the spans committed before from_
    std::int64_t listBytes_ = 0;
    const char* listEnd_ = nullptr;  // just after the last list copied, while nothing follows it
};

}  // namespace sprig
