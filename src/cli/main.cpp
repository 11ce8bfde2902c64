// sprigwork-batch: derives an L-system without a window. See kBatchUsage.

#include <cstdio>
#include <string>

#include "app/result_messages.h"
#include "cli/batch_arguments.h"
#include "cli/batch_drawing.h"
#include "cli/batch_run.h"
#include "cli/console_job.h"
#include "core/result_codes.h"
#include "platform/file_failure.h"
#include "platform/random_source.h"

namespace {

// The dialog text and log line, then which file failed and why, when a file
// operation or the file's content explains the failure.
void printError(const sprig::ResultMessage& message)
{
    std::fprintf(stderr, "%s\n%s\n", message.dialog.c_str(), message.logLine.c_str());
    if (const auto failure = sprig::lastFileFailure())
        std::fprintf(stderr, "reason: %s: %s\n", failure->path.c_str(), failure->reason.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    sprig::BatchArguments arguments;
    if (const auto error = sprig::parseBatchArguments(argc, argv, arguments)) {
        std::fprintf(stderr, "sprigwork-batch: %s\n\n%s", error->c_str(), sprig::kBatchUsage);
        return sprig::kUsageError;
    }
    if (arguments.help) {
        std::fputs(sprig::kBatchUsage, stdout);
        std::fputs(sprig::kDrawingUsage, stdout);
        std::fputs(sprig::kPicture3dUsage, stdout);
        return 0;
    }
    sprig::ConsoleJob job;
    sprig::LcgRandom random;
    sprig::BatchRun run(arguments, job, random);
    const bool savedString = !arguments.drawing.stringPath.empty();
    const sprig::BatchOutcome outcome = savedString ? sprig::drawSavedString(arguments.drawing, job) : run.run();
    if (outcome.code == sprig::kStopped) std::fputs("Stopped.\n", stderr);
    else if (const auto drawing = sprig::drawingFailureMessage(outcome.code)) printError(*drawing);
    else if (outcome.code != 0) printError(sprig::jobErrorMessage(outcome.code, outcome.errorRow));
    return outcome.code;
}
