// What the worker does: read the options, rewrite (forward only), then show
// the step. Every touch of a window goes through onUi().

#include "app/my_thread.h"
#include "app/step_driver.h"
#include "app/user_interface.h"
#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "core/turtle/interpret_string.h"
#include "platform/file_failure.h"
#include "settings/options_file.h"

namespace sprig {

namespace {

// The statistics of a string file as its pass counted them while writing it
// in this job, or else as read from the file.
int statisticsOf(const std::string& path, const std::optional<WrittenString>& written, StringStatistics& stats,
                 const Job& job)
{
    if (!written || written->path != path) return ReadStringStatistics(path, stats, &job);
    stats = written->statistics;
    return kDone;
}

}  // namespace

void StepDriver::onUi(const std::function<void()>& routine) { ui_.runOnUiThread(routine); }

void StepDriver::runJob(MyThread& worker)
{
    state_.LastResult = kDone;
    JobTexts texts;
    onUi([&] {
        texts.definition = ui_.lines(TextView::Definition);
        texts.options = ui_.lines(TextView::Options);
    });
    state_.LastResult = ReadOptions(texts.definition, texts.options, settings_, state_.report.ErrorRow, worker);
    if (state_.LastResult != kDone) {
        onUi([&] { showJobError(state_.LastResult); });
    } else {
        onUi([this] { applyDimension(); });
        const StepJob job = state_.stepJob;
        std::optional<WrittenString> written;
        if (job == StepJob::Forward) forward(worker, texts, written);
        if (state_.LastResult == kDone) {
            DisplayStep(worker, texts, written);
            if (job == StepJob::Forward) onUi([this] { endForward(); });
        }
        if (job == StepJob::Show || job == StepJob::Redraw) onUi([this] { endView(pictureWindow()); });
        if (job == StepJob::Back || job == StepJob::ModeRedraw) onUi([this] { endView(Window::ControlPanel); });
    }
    // Handed over, so that a user-interface thread waiting for the worker
    // sees it end at once.
    onUi([this] { state_.threadRunning = false; });
}

void StepDriver::forward(MyThread& worker, const JobTexts& texts, std::optional<WrittenString>& written)
{
    state_.LastResult = deriveStrings(worker, texts.definition, false, written);
    if (state_.LastResult == kDone) ++state_.StepsDone;
    else endFailedJob();
}

// A stopped pass only hides the progress window; any other failure is shown.
void StepDriver::endFailedJob()
{
    if (state_.LastResult == kStopped) onUi([this] { ui_.setVisible(Window::Progress, false); });
    else onUi([this] { showJobError(state_.LastResult); });
}

int StepDriver::deriveStrings(Job& job, const std::vector<std::string>& definition, bool homomorphism,
                              std::optional<WrittenString>& written)
{
    DeriveRequest request;
    request.definitionLines = &definition;
    request.definitionPath = state_.definitionPath;
    request.stepsDone = state_.StepsDone;
    request.stepsToRun = state_.StepsToRun;
    request.symbolCount = state_.symbolCount;
    request.homomorphism = homomorphism;
    DeriveServices services{job, services_.random, services_.seedFor};
    return DeriveStrings(request, settings_, services, state_.report, state_.createdFiles, written);
}

int StepDriver::deriveHomomorphism(Job& job)
{
    std::vector<std::string> definition;
    onUi([&] { definition = ui_.lines(TextView::Definition); });
    std::optional<WrittenString> written;
    return deriveStrings(job, definition, true, written);
}

// Shows the step StepsDone - 1: its homomorphism file when there are rules
// and the step is drawn, its count, its text and its picture.
void StepDriver::DisplayStep(MyThread& worker, const JobTexts& texts, std::optional<WrittenString>& written)
{
    state_.homomorphismShown = false;
    if (state_.runMode == RunMode::LSRD && settings_.hasHomomorphism) {
        // Without its file there is nothing to draw: the pass's own failure
        // is the job's, not the drawing's that would follow from it.
        state_.LastResult = deriveStrings(worker, texts.definition, true, written);
        if (state_.LastResult != kDone) {
            endFailedJob();
            return;
        }
        state_.homomorphismShown = true;
    }
    const std::string shown = state_.homomorphismShown ? StringFileName(basePath(state_.definitionPath),
                                                                        state_.StepsDone - 1, kHomomorphismExt)
                                                       : stepFile();
    StringStatistics stats;
    state_.LastResult = statisticsOf(shown, written, stats, worker);
    state_.symbolCount = stats.symbolCount;
    state_.report.IsParametric = stats.isParametric;
    onUi([this] { ShowStepResult(); });
    worker.DrawResult = kDone;
    if (state_.runMode != RunMode::LSR) drawShownString(worker, shown);
    logStatistics(worker);
    onUi([this] { ShowDrawResult(); });
}

void StepDriver::drawShownString(MyThread& worker, const std::string& shown)
{
    onUi([this] { ui_.setSceneReady(false); });
    InterpretRequest request(settings_, worker, shown);
    request.isTemporary = state_.homomorphismShown;
    request.symbolCount = state_.symbolCount;
    request.penColour = targets_.penColour;
    request.canvas = targets_.canvas;
    request.areaWidth = targets_.areaWidth;
    request.areaHeight = targets_.areaHeight;
    request.scene = targets_.scene;
    forgetFileFailure();
    const InterpretResult drawn = interpretString(request);
    if (drawn.code == kIoError) noteUnreadableString(shown);
    worker.DrawResult = drawn.code;
    state_.segmentTotal = drawn.segmentTotal;
    state_.polygonTotal = drawn.polygonTotal;
    if (drawn.code == kDone && settings_.effective.drawDimensions == 3) onUi([this] { ui_.sceneDrawn(); });
}

void StepDriver::logStatistics(MyThread& worker)
{
    worker.appendLog("Statistics");
    worker.appendLog("String length: " + std::to_string(state_.lengthKB) + " KB");
    worker.appendLog("Number of symbols: " + std::to_string(state_.symbolCount));
    if (state_.runMode == RunMode::LSR) return;
    worker.appendLog("Number of segments: " + std::to_string(state_.segmentTotal));
    worker.appendLog("Number of polygons: " + std::to_string(state_.polygonTotal));
}

}  // namespace sprig
