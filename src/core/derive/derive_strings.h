#pragma once
// One derivation call: parse the definition, write step 0 when no string
// exists yet, then rewrite step by step; or, with the homomorphism switch,
// rewrite the step shown by the homomorphism rules into the file to draw.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/derive/string_file.h"
#include "core/lsystem/lsystem.h"

namespace sprig {

class Job;
class RandomSource;
struct Settings;

struct DeriveRequest {
    const std::vector<std::string>* definitionLines = nullptr;
    std::string definitionPath;
    int stepsDone = 0;
    int stepsToRun = 0;
    // Symbols of the string last shown; scales the progress bar (0: none).
    std::int64_t symbolCount = 0;
    bool homomorphism = false;
};

struct DeriveServices {
    Job& job;
    RandomSource& random;
    // Seed for the pass starting at the given step; the clock in seconds
    // unless a repeatable run asks otherwise.
    std::function<std::uint32_t(int step)> seedFor;
};

// The statistics of a string file as its pass counted them while writing
// it: what ReadStringStatistics would read from the file.
struct WrittenString {
    std::string path;
    StringStatistics statistics;
};

// Returns kDone, a parse code of ParseLSystem, kOutOfMemory, kIoError (with
// the file that failed and why) or kStopped. Step files written
// are appended to createdFiles; a step that fails or is stopped leaves no
// file of its own, and the cut file is always deleted. `written` receives
// the last file a rewriting or homomorphism pass finished, when its pass
// could count it; otherwise it is left empty.
Result DeriveStrings(const DeriveRequest& request, const Settings& settings, DeriveServices& services,
                     ParseReport& report, std::vector<std::string>& createdFiles,
                     std::optional<WrittenString>& written);

}  // namespace sprig
