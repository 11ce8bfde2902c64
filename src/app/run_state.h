#pragma once
// The run values: which files are open, how far the derivation is and how
// the last job ended. Only the user-interface thread changes them; a worker
// works on a copy (JobRecord) and hands its results back.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/lsystem/lsystem.h"
#include "platform/result.h"

namespace sprig {

enum class RunMode { LSR = 0, LSRD = 1, LSDr = 2 };

// Export writes the drawing of the step shown to a file (see exportString).
enum class StepJob { Show = 0, Forward = 1, Redraw = 2, Back = 3, ModeRedraw = 4, Export = 5 };

// The last step a forward command may derive.
inline constexpr int kMaxStep = 999;

struct RunState {
    std::string definitionPath;
    std::string optionsPath;
    std::string stringPath;
    RunMode runMode = RunMode::LSRD;
    // Strings made so far; the string shown is that of step StepsDone - 1.
    int StepsDone = 0;
    int StepsToRun = 0;
    int LastResult = 0;
    // Set when a worker is created, cleared by the end-of-job routine the
    // worker hands over as its last act.
    std::atomic<bool> threadRunning{false};
    int repeatRemaining = 0;
    bool repeatStop = false;
    bool homomorphismShown = false;
    // Statistics of the string shown.
    std::int64_t symbolCount = 0;
    std::int64_t lengthKB = 0;
    std::int64_t segmentTotal = 0;
    std::int64_t polygonTotal = 0;
    // String files written in this run, for DeleteCreatedFiles.
    std::vector<std::string> createdFiles;
    bool errorShowing = false;
    // IsParametric, ErrorRow and ErrorDetail of the definition or string.
    ParseReport report;
    // The file the last job failed on, and why, when a file explains it.
    std::optional<FileFailure> failure;
};

}  // namespace sprig
