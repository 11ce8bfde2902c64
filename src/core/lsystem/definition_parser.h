#pragma once
// Turning the definition text into an LSystem.

#include <string>
#include <vector>

#include "core/lsystem/lsystem.h"

namespace sprig {

class RandomSource;
struct Settings;

// Parses every line of the definition text. In rules mode only the
// production lines before the "homomorphism" line are kept, in homomorphism
// mode only those after it. Returns kDone with out filled, or kOutOfMemory,
// kIoError, kSyntaxError or kDefinitionLineError;
// report.ErrorRow, report.ErrorDetail and report.IsParametric are written as
// the parse goes. random serves RND in constant probabilities.
[[nodiscard]] int ParseLSystem(const std::vector<std::string>& lines, ParseMode mode, const Settings& settings,
                               RandomSource& random, LSystem& out, ParseReport& report);

}  // namespace sprig
