#pragma once
// Reading the options text at the start of a job: it overrides the dialog's
// choices for that job and tells whether the definition has homomorphism rules.

#include <string>
#include <vector>

#include "platform/result_codes.h"
#include "settings/settings.h"

namespace sprig {

class Job;

// The options file that belongs to a definition: its name with the last two
// characters replaced by "op".
std::string optionsPathFor(const std::string& definitionPath);

// Applies the options lines to settings.effective and the options-file values,
// logs the job separator and recomputes settings.hasHomomorphism. Returns kDone,
// or kOptionsSyntaxError with errorRow set to the 1-based row of the first unrecognised line.
// Placing the picture windows for the dimension is left to the caller.
[[nodiscard]] int ReadOptions(const std::vector<std::string>& definitionLines,
                              const std::vector<std::string>& optionsLines, Settings& settings, int& errorRow,
                              Job& job);

}  // namespace sprig
