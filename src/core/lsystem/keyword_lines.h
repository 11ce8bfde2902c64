#pragma once
// The keyword lines of a definition: axiom, ignore, define, default, angle.

#include <string_view>

#include "core/lsystem/lsystem.h"

namespace sprig {

// Each reader gets the space-free line without its keyword and returns kDone,
// or kDefinitionLineError with report.ErrorDetail set (a malformed default line sets none).
int ReadAxiomLine(std::string_view rest, LSystem& model, ParseReport& report);
int ReadIgnoreLine(std::string_view rest, LSystem& model, ParseReport& report);
int ReadDefineLine(std::string_view rest, LSystem& model, ParseReport& report);
int ReadDefaultLine(std::string_view rest, LSystem& model, ParseReport& report);
int ReadAngleLine(std::string_view rest, LSystem& model, ParseReport& report);

}  // namespace sprig
