#pragma once
// The keyword lines of a definition: axiom, ignore, define, default, angle.

#include <string_view>

#include "core/lsystem/lsystem.h"

namespace sprig {

// Each reader gets the space-free line without its keyword and returns kDone,
// or kDefinitionLineError with report.ErrorDetail set (a malformed default line sets none).
[[nodiscard]] int readAxiomLine(std::string_view rest, LSystem& model, ParseReport& report);
[[nodiscard]] int readIgnoreLine(std::string_view rest, LSystem& model, ParseReport& report);
[[nodiscard]] int readDefineLine(std::string_view rest, LSystem& model, ParseReport& report);
[[nodiscard]] int readDefaultLine(std::string_view rest, LSystem& model, ParseReport& report);
[[nodiscard]] int readAngleLine(std::string_view rest, LSystem& model, ParseReport& report);

// The line that starts the homomorphism section, exactly.
inline constexpr std::string_view kHomomorphismLine = "homomorphism";

struct Keyword {
    std::string_view word;
    int (*read)(std::string_view rest, LSystem& model, ParseReport& report);
};

// The keyword that begins a space-free line, tested in the order of the
// language's table; null when the line begins with none.
const Keyword* keywordOf(std::string_view line);

}  // namespace sprig
