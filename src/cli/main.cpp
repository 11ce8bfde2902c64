// sprigwork-batch: derives an L-system without a window. See kBatchUsage.

#include <cstdio>
#include <string>

#include "app/result_messages.h"
#include "cli/batch_arguments.h"
#include "cli/batch_session.h"
#include "platform/result.h"
#include "platform/result_codes.h"

namespace {

// The dialog text and log line, then which file failed and why, when a file
// operation or the file's content explains the failure.
void printError(const sprig::ResultMessage& message, const std::optional<sprig::FileFailure>& failure)
{
    std::fprintf(stderr, "%s\n%s\n", message.dialog.c_str(), message.logLine.c_str());
    if (failure) std::fprintf(stderr, "reason: %s: %s\n", failure->path.c_str(), failure->reason.c_str());
}

// The exit status is the result code, or the drawing failure base plus the
// drawing result when a drawing failed.
void printFailure(const sprig::BatchOutcome& outcome)
{
    using namespace sprig;
    if (outcome.code == kStopped) {
        std::fputs("Stopped.\n", stderr);
        return;
    }
    const int drawResult = outcome.code - kDrawingFailureBase;
    const bool drawing = drawResult == kOutOfMemory || drawResult == kIoError || drawResult == kGraphicsError;
    printError(drawing ? drawErrorMessage(drawResult) : jobErrorMessage(outcome.code, outcome.errorRow),
               outcome.failure);
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
    sprig::BatchSession session(arguments);
    const sprig::BatchOutcome outcome = session.run();
    if (outcome.code != sprig::kDone) printFailure(outcome);
    return outcome.code;
}
