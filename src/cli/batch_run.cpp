#include "cli/batch_run.h"

#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "platform/byte_file.h"
#include "platform/job.h"
#include "platform/random_source.h"
#include "platform/text_lines.h"
#include "settings/options_file.h"

namespace sprig {

BatchRun::BatchRun(const BatchArguments& arguments, Job& job, RandomSource& random)
    : arguments_(arguments), job_(job), random_(random), drawing_(arguments.drawing, job)
{
}

BatchOutcome BatchRun::run()
{
    int code = open();
    for (int step = 0; code == kDone && step <= arguments_.steps; ++step) code = forward();
    if (code == kDone && settings_.hasHomomorphism && !arguments_.drawing.drawSteps) code = derive(true);
    // A stop that comes between passes ends the run as one within a pass does.
    if (code == kDone && job_.stopRequested()) code = kStopped;
    if (arguments_.clean) deleteCreatedFiles();
    return {code, code == kOptionsSyntaxError || code == kDefinitionLineError ? report_.ErrorRow : 0};
}

int BatchRun::open()
{
    if (!readTextLines(arguments_.definitionPath, definitionLines_)) return kIoError;
    const std::string optionsPath = optionsPathFor(arguments_.definitionPath);
    if (fileExists(optionsPath) && !readTextLines(optionsPath, optionsLines_)) return kIoError;
    return kDone;
}

int BatchRun::forward()
{
    if (const int result = ReadOptions(definitionLines_, optionsLines_, settings_, report_.ErrorRow, job_))
        return result;
    if (const int result = derive(false)) return result;
    ++stepsDone_;
    const std::string stepFile = StringFileName(basePath(arguments_.definitionPath), stepsDone_ - 1, kStepExt);
    if (arguments_.drawing.drawSteps) return drawStep(stepFile);
    return showStatistics(stepFile);
}

// Run mode LSR&D: the homomorphism file, when there are rules, is drawn
// instead of the step file; the last step's 2D picture is kept.
int BatchRun::drawStep(const std::string& stepFile)
{
    const std::string base = basePath(arguments_.definitionPath);
    const int step = stepsDone_ - 1;
    const bool homomorphism = settings_.hasHomomorphism;
    if (homomorphism) {
        if (const int result = derive(true)) return result;
    }
    const ShownString shown{homomorphism ? StringFileName(base, step, kHomomorphismExt) : stepFile, stepFile,
                            homomorphism};
    return drawing_.show(shown, settings_, step == arguments_.steps ? StringFileName(base, step, ".bmp") : "");
}

int BatchRun::derive(bool homomorphismSwitch)
{
    DeriveRequest request;
    request.definitionLines = &definitionLines_;
    request.definitionPath = arguments_.definitionPath;
    request.stepsDone = stepsDone_;
    request.stepsToRun = stepsDone_ == 0 ? 0 : 1;
    request.symbolCount = symbolCount_;
    request.homomorphism = homomorphismSwitch;
    SystemClock clock;
    const auto seed = arguments_.seed;
    DeriveServices services{job_, random_, [seed, &clock](int step) {
                                return seed ? *seed + static_cast<std::uint32_t>(step)
                                            : static_cast<std::uint32_t>(clock.nowSeconds());
                            }};
    const int result = DeriveStrings(request, settings_, services, report_, createdFiles_);
    // The homomorphism file is this run's too, to delete with the steps.
    if (homomorphismSwitch && result == kDone)
        createdFiles_.push_back(StringFileName(basePath(arguments_.definitionPath), stepsDone_ - 1, kHomomorphismExt));
    return result;
}

// A string that cannot be counted has no statistics to show: a failure.
int BatchRun::showStatistics(const std::string& shownFile)
{
    StringStatistics stats;
    if (const int result = ReadStringStatistics(shownFile, stats)) return result;
    symbolCount_ = stats.symbolCount;
    report_.IsParametric = stats.isParametric;
    appendStatistics(job_, lengthKB(fileSize(shownFile)), symbolCount_, nullptr);
    return kDone;
}

void BatchRun::deleteCreatedFiles()
{
    for (const std::string& name : createdFiles_) removeFile(name);
    createdFiles_.clear();
}

}  // namespace sprig
