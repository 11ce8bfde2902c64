#pragma once
// Reads a string file for interpretation: the header with the default
// turning angle, then one symbol at a time with its parameter list, whose
// entries must be plain decimal numbers.

#include <array>

#include "core/turtle/symbol_params.h"
#include "platform/byte_file.h"
#include "platform/result_codes.h"

namespace sprig {

// Longest parameter text, in bytes; a longer one makes the string unreadable.
inline constexpr int kMaxParamText = 511;

class SymbolReader {
public:
    explicit SymbolReader(InFile& file) : file_(file) {}

    // Reads the header token and, for a non-parametric file ("n"), its
    // angle, and the whitespace after them. angle becomes the file's angle,
    // else defaultAngle. Returns kDone, or kIoError when the angle cannot be read.
    [[nodiscard]] int readHeader(float defaultAngle, float& angle);

    // Reads the next symbol (a byte, or kEof at the end) and its parameters.
    // last is set when nothing follows it. Returns kDone, or kIoError for a parameter
    // list that is unterminated, has more than 20 entries, an entry longer
    // than 511 bytes or an entry that is not a number.
    [[nodiscard]] int next(int& symbol, SymbolParams& params, bool& last)
    {
        params.clear();
        symbol = file_.get();
        const int lookahead = file_.get();
        if (lookahead == '(') {
            last = false;
            return readParams(params);
        }
        last = lookahead == kEof;
        if (!last && !file_.unget()) return kIoError;
        return kDone;
    }

private:
    [[nodiscard]] int readParams(SymbolParams& params);
    [[nodiscard]] int readAngle(float& angle);
    int skipSpace();

    InFile& file_;
    // Holds one parameter text; its size is the limit the reading loops keep.
    std::array<char, kMaxParamText> text_{};
};

// Converts one parameter text: leading spaces, then a decimal number whose
// trailing text is ignored. An empty text leaves value unchanged. False when
// no number can be read.
bool parseParameterText(const char* text, int length, float& value);

}  // namespace sprig
