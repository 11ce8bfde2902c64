#pragma once
// The keyword lines of a definition: axiom, ignore, define, default, angle.

#include <string_view>

#include "core/lsystem/lsystem.h"

namespace sprig {

// Each reader gets the space-free line without its keyword and returns kDone,
// or kDefinitionLineError with report.ErrorDetail set (a malformed default line sets none).
int readAxiomLine(std::string_view rest, LSystem& model, ParseReport& report);
int readIgnoreLine(std::string_view rest, LSystem& model, ParseReport& report);
int readDefineLine(std::string_view rest, LSystem& model, ParseReport& report);
int readDefaultLine(std::string_view rest, LSystem& model, ParseReport& report);
int readAngleLine(std::string_view rest, LSystem& model, ParseReport& report);

}  // namespace sprig
