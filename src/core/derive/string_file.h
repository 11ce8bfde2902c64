#pragma once
// The text format shared by all string files: a header ("p", or "n" and the
// default angle), then the string on one line. A symbol is one byte, possibly
// followed by "(" parameters separated by "," ")".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lsystem/lsystem.h"
#include "platform/byte_file.h"

namespace sprig {

class Job;
class RandomSource;

// A symbol with its parameter values.
struct Symbol {
    char symbol = 0;
    int count = 0;
    std::array<float, kMaxParams> values{};
};

enum class SymbolRead { Symbol, End, Failure };

// Longest parameter text a string file may hold.
inline constexpr std::size_t kMaxParamText = 255;

// Writes the header of the parsed system: "p\n", or "n\n" and "%f\n" of its angle.
void writeHeader(OutFile& out, const LSystem& system);

// Reads line 1 and, when it starts with 'n', line 2. False when a line is missing.
bool readHeader(InFile& in);

// Writes step 0: the header and, when the axiom is not empty, the axiom and a newline.
Result WriteAxiomFile(const LSystem& system, const std::string& path);

// Reads one symbol and evaluates its parameter texts. random serves RND in them.
SymbolRead ReadSymbol(InFile& in, Symbol& out, RandomSource& random);

// Reads the parameter list that follows a symbol, if any (the byte after the
// symbol is examined and pushed back when it is no "(").
bool readParameters(InFile& in, Symbol& out, RandomSource& random);

// Skips a parameter list whose "(" was just read; false when the string ends inside.
bool skipParameters(InFile& in);

void WriteSymbol(OutFile& out, char symbol, const float* values, int count);

// The length of the parameter list that opens `text`, "(" to ")", when
// WriteSymbol writes the values read from it as the very same bytes, so that
// a symbol copied unchanged may copy its list; 0 when it may not, or when
// the list does not end within text.
std::size_t verbatimListLength(std::string_view text);

struct StringStatistics {
    std::int64_t symbolCount = 0;
    bool isParametric = true;
};

// Counts the symbols of a string file. Returns kDone, kStopped when the job
// (if any) asks to stop, or kIoError when the file cannot be read or a
// parameter list is not closed (the count so far is kept).
Result ReadStringStatistics(const std::string& path, StringStatistics& stats, const Job* job = nullptr);

// Copies a string file byte for byte; kIoError on any failure.
Result copyStringFile(const std::string& from, const std::string& to);

}  // namespace sprig
