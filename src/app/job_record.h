#pragma once
// What one worker runs on and what it hands back. Every run value and text
// a job reads is copied into its record when the job starts, and the worker
// writes only the record; the user-interface thread takes the results over
// each time the worker hands a routine to it. So a command pressed after
// Stop, while the worker is still ending, can change nothing under it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/run_state.h"
#include "core/lsystem/lsystem.h"
#include "platform/picture_format.h"
#include "platform/result.h"
#include "settings/settings.h"

namespace sprig {

struct JobRecord {
    // What the job runs on.
    StepJob job = StepJob::Forward;
    RunMode runMode = RunMode::LSRD;
    std::string definitionPath;
    std::string stringPath;
    int StepsDone = 0;
    int StepsToRun = 0;
    // The step the job derives or shows, named when it is stopped.
    int step = 0;
    std::int64_t symbolCount = 0;
    std::vector<std::string> definition;
    std::vector<std::string> options;
    // The settings in force, into which the job reads its options.
    Settings settings;
    // An export's file and the format its name asks for.
    std::string exportPath;
    PictureFormat exportFormat = PictureFormat::Svg;

    // What it hands back.
    int LastResult = kDone;
    ParseReport report;
    // The file failure that explains the job's last failed result.
    std::optional<FileFailure> failure;
    bool homomorphismShown = false;
    std::int64_t lengthKB = 0;
    std::int64_t segmentTotal = 0;
    std::int64_t polygonTotal = 0;
    // String files the job wrote, not yet in the run's list.
    std::vector<std::string> createdFiles;

    // The code of a pass's result; a failure that explains it becomes the job's.
    int codeOf(Result result)
    {
        if (result.failure) failure = std::move(result.failure);
        return result.code;
    }
};

// Calls visit(runValue, recordValue) for each run value that a job starts
// from and hands back, beside the record's copy of it.
template <typename Visit>
void forEachResult(RunState& run, JobRecord& record, Visit visit)
{
    visit(run.StepsDone, record.StepsDone);
    visit(run.LastResult, record.LastResult);
    visit(run.report, record.report);
    visit(run.failure, record.failure);
    visit(run.homomorphismShown, record.homomorphismShown);
    visit(run.symbolCount, record.symbolCount);
    visit(run.lengthKB, record.lengthKB);
    visit(run.segmentTotal, record.segmentTotal);
    visit(run.polygonTotal, record.polygonTotal);
}

// The step file of the step shown: <base>_NNN.stt, or in LSDr the string file.
std::string stepFileOf(RunMode mode, const std::string& definitionPath, const std::string& stringPath, int stepsDone);
std::string stepFileOf(const JobRecord& record);
// The file the job draws: the step file, or its homomorphism file.
std::string shownFileOf(const JobRecord& record, bool homomorphism);

}  // namespace sprig
