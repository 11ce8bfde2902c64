#pragma once
// The run values that the user-interface thread and the worker share: which
// files are open, how far the derivation is, what the next worker does and
// how the last one ended.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/lsystem/lsystem.h"

namespace sprig {

enum class RunMode { LSR = 0, LSRD = 1, LSDr = 2 };

enum class StepJob { Show = 0, Forward = 1, Redraw = 2, Back = 3, ModeRedraw = 4 };

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
    StepJob stepJob = StepJob::Forward;
    int LastResult = 0;
    // Set when a worker is created, cleared by the worker as its last act;
    // the repeat timer reads it on the user-interface thread.
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
};

}  // namespace sprig
