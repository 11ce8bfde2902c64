// What the worker does: read the options, rewrite (forward only), then show
// the step. Every touch of a window goes through onUi().

#include "app/my_thread.h"
#include "app/step_driver.h"
#include "app/user_interface.h"
#include "core/derive/derive_strings.h"
#include "core/derive/string_file.h"
#include "core/turtle/interpret_string.h"
#include "platform/byte_file.h"
#include "settings/options_file.h"

namespace sprig {

namespace {

// The statistics of a string file as its pass counted them while writing it
// in this job, or else as read from the file.
Result statisticsOf(const std::string& path, const std::optional<WrittenString>& written, StringStatistics& stats,
                    const Job& job)
{
    if (!written || written->path != path) return ReadStringStatistics(path, stats, &job);
    stats = written->statistics;
    return kDone;
}

}  // namespace

// Each routine handed to the user-interface thread first lets the run values
// take over what the job has found so far, its file failure among them, so
// that the windows show them.
void StepDriver::onUi(const std::function<void()>& routine)
{
    ui_.runOnUiThread([this, &routine] {
        takeResults();
        routine();
    });
}

void StepDriver::runJob(MyThread& worker, JobRecord& record)
{
    if (record.job == StepJob::Export) {
        const int code = record.codeOf(exportOf(record, worker));
        onUi([this, code, &record] { endExport(code, record.exportPath); });
    } else {
        runStep(worker, record);
    }
    // Handed over, so that a user-interface thread waiting for the worker
    // sees it end at once.
    onUi([this] { endJob(); });
}

// Reads the options, rewrites (forward only), then shows the step.
void StepDriver::runStep(MyThread& worker, JobRecord& record)
{
    record.LastResult = ReadOptions(record.definition, record.options, record.settings, record.report.ErrorRow, worker);
    if (record.LastResult != kDone) {
        onUi([&] { showJobError(record.LastResult); });
    } else {
        onUi([&] {
            settings_ = record.settings;
            applyDimension();
        });
        std::optional<WrittenString> written;
        if (record.job == StepJob::Forward) forward(worker, record, written);
        if (record.LastResult == kDone) {
            DisplayStep(worker, record, written);
            if (record.job == StepJob::Forward) onUi([this] { endForward(); });
        }
        if (record.job == StepJob::Show || record.job == StepJob::Redraw) onUi([this] { endView(pictureWindow()); });
        if (record.job == StepJob::Back || record.job == StepJob::ModeRedraw)
            onUi([this] { endView(Window::ControlPanel); });
    }
}

void StepDriver::forward(MyThread& worker, JobRecord& record, std::optional<WrittenString>& written)
{
    record.LastResult = record.codeOf(deriveStrings(worker, record, false, written));
    if (record.LastResult == kDone) ++record.StepsDone;
    else endFailedJob(record.LastResult);
}

// A stopped pass only hides the progress window; any other failure is shown.
void StepDriver::endFailedJob(int code)
{
    if (code == kStopped) onUi([this] { ui_.setVisible(Window::Progress, false); });
    else onUi([this, code] { showJobError(code); });
}

Result StepDriver::deriveStrings(Job& job, JobRecord& record, bool homomorphism, std::optional<WrittenString>& written)
{
    DeriveRequest request;
    request.definitionLines = &record.definition;
    request.definitionPath = record.definitionPath;
    request.stepsDone = record.StepsDone;
    request.stepsToRun = record.StepsToRun;
    request.symbolCount = record.symbolCount;
    request.homomorphism = homomorphism;
    DeriveServices services{job, services_.random, services_.seedFor};
    return DeriveStrings(request, settings_, services, record.report, record.createdFiles, written);
}

Result StepDriver::deriveHomomorphism(Job& job)
{
    finishWorker();
    JobRecord record = recordOfRun(StepJob::Show);
    std::optional<WrittenString> written;
    Result result = deriveStrings(job, record, true, written);
    state_.report = record.report;
    return result;
}

// Shows the step StepsDone - 1: its homomorphism file when there are rules
// and the step is drawn, its count, its text and its picture.
void StepDriver::DisplayStep(MyThread& worker, JobRecord& record, std::optional<WrittenString>& written)
{
    record.homomorphismShown = false;
    if (record.runMode == RunMode::LSRD && settings_.hasHomomorphism) {
        // Without its file there is nothing to draw: the pass's own failure
        // is the job's, not the drawing's that would follow from it.
        record.LastResult = record.codeOf(deriveStrings(worker, record, true, written));
        if (record.LastResult != kDone) {
            endFailedJob(record.LastResult);
            return;
        }
        record.homomorphismShown = true;
    }
    const std::string shown = shownFileOf(record, record.homomorphismShown);
    StringStatistics stats;
    record.LastResult = record.codeOf(statisticsOf(shown, written, stats, worker));
    const bool counted = record.LastResult != kStopped;
    record.symbolCount = counted ? stats.symbolCount : 0;
    record.report.IsParametric = stats.isParametric;
    record.lengthKB = fileSize(stepFileOf(record)) / 1024 + 1;
    onUi([this] { ShowStepResult(); });
    if (!counted) {
        // Stopped while counting: the step is shown without a count or a picture.
        onUi([this] {
            ui_.setStatus(StatusPanel::Symbols, "Počet symbolov : ");
            ui_.setVisible(Window::Progress, false);
        });
        return;
    }
    worker.DrawResult = kDone;
    if (record.runMode != RunMode::LSR) drawShownString(worker, record, shown);
    logStatistics(worker, record);
    onUi([this] { ShowDrawResult(); });
}

void StepDriver::drawShownString(MyThread& worker, JobRecord& record, const std::string& shown)
{
    onUi([this] { ui_.setSceneReady(false); });
    InterpretRequest request(settings_, worker, shown);
    request.isTemporary = record.homomorphismShown;
    request.symbolCount = record.symbolCount;
    request.penColour = targets_.penColour;
    request.canvas = targets_.canvas;
    request.areaWidth = targets_.areaWidth;
    request.areaHeight = targets_.areaHeight;
    request.scene = targets_.scene;
    InterpretResult drawn = interpretString(request);
    worker.DrawResult = record.codeOf({drawn.code, std::move(drawn.failure)});
    record.segmentTotal = drawn.segmentTotal;
    record.polygonTotal = drawn.polygonTotal;
    if (drawn.code == kDone && settings_.effective.drawDimensions == 3) onUi([this] { ui_.sceneDrawn(); });
}

void StepDriver::logStatistics(MyThread& worker, const JobRecord& record)
{
    worker.appendLog("Statistics");
    worker.appendLog("String length: " + std::to_string(record.lengthKB) + " KB");
    worker.appendLog("Number of symbols: " + std::to_string(record.symbolCount));
    if (record.runMode == RunMode::LSR) return;
    worker.appendLog("Number of segments: " + std::to_string(record.segmentTotal));
    worker.appendLog("Number of polygons: " + std::to_string(record.polygonTotal));
}

}  // namespace sprig
