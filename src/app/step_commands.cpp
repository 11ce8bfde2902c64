// The step commands, run on the user-interface thread.

#include "app/my_thread.h"
#include "app/step_driver.h"
#include "app/user_interface.h"
#include "core/derive/string_file_name.h"
#include "core/turtle/scene_record.h"
#include "settings/settings.h"

namespace sprig {

StepDriver::StepDriver(RunState& state, Settings& settings, DrawingTargets& targets, DriverServices services)
    : state_(state), settings_(settings), targets_(targets), services_(std::move(services)), ui_(services_.ui)
{
    ui_.followProgress(progress_);
}

// A worker that still runs waits here for its routine to end.
StepDriver::~StepDriver() = default;

void StepDriver::disableMainWindows()
{
    for (Window window : {Window::Main, Window::Picture2d, Window::Picture3d, Window::ControlPanel, Window::Camera})
        ui_.setEnabled(window, false);
}

void StepDriver::startJob(StepJob job)
{
    finishWorker();
    startJob(recordOfRun(job));
}

void StepDriver::startJob(JobRecord record)
{
    disableMainWindows();
    progress_.reset();
    ui_.setVisible(Window::Progress, true);
    record_ = std::make_unique<JobRecord>(std::move(record));
    StartWorker();
}

void StepDriver::startExport(PictureFormat format, const std::string& path)
{
    finishWorker();
    startJob(exportRecord(format, path));
}

JobRecord StepDriver::exportRecord(PictureFormat format, const std::string& path)
{
    JobRecord record = recordOfRun(StepJob::Export);
    record.exportFormat = format;
    record.exportPath = path;
    return record;
}

// The job's own copy of everything it reads of the run.
JobRecord StepDriver::recordOfRun(StepJob job)
{
    JobRecord record;
    record.job = job;
    record.runMode = state_.runMode;
    record.definitionPath = state_.definitionPath;
    record.stringPath = state_.stringPath;
    record.StepsToRun = state_.StepsToRun;
    record.step = job == StepJob::Forward ? state_.StepsDone : state_.StepsDone - 1;
    record.definition = ui_.lines(TextView::Definition);
    record.options = ui_.lines(TextView::Options);
    record.settings = settings_;
    forEachResult(state_, record, [](const auto& run, auto& copy) { copy = run; });
    // A job's failure is its own, never one of an earlier job's.
    record.failure.reset();
    return record;
}

// Called once no worker runs: every caller has waited for the last one.
void StepDriver::StartWorker()
{
    worker_.reset();
    state_.threadRunning = true;
    worker_ = std::make_unique<MyThread>(ui_, progress_,
                                         [this, &record = *record_](MyThread& worker) { runJob(worker, record); });
}

// A worker still ending after Stop ends within milliseconds: the command
// that waits here then runs on the values it handed back, and is never lost.
void StepDriver::finishWorker()
{
    if (state_.threadRunning) ui_.waitForWorker(state_.threadRunning);
}

// On the user-interface thread, while the worker waits for it.
void StepDriver::takeResults()
{
    JobRecord& record = *record_;
    forEachResult(state_, record, [](auto& run, const auto& copy) { run = copy; });
    state_.createdFiles.insert(state_.createdFiles.end(), record.createdFiles.begin(), record.createdFiles.end());
    record.createdFiles.clear();
}

// The worker's last act: a stopped job says where it stopped, and the run
// is free for the next command.
void StepDriver::endJob()
{
    const JobRecord& record = *record_;
    if (record.LastResult == kStopped || worker_->DrawResult == kStopped) {
        const int step = record.runMode == RunMode::LSDr ? 0 : record.step;
        ui_.appendLog("Stopped at step " + std::to_string(step));
    }
    state_.threadRunning = false;
}

int StepDriver::drawResult() const { return worker_ ? worker_->DrawResult : 0; }

void StepDriver::BDalejClick()
{
    finishWorker();
    if (state_.definitionPath.empty() || state_.StepsDone > kMaxStep) return;
    targets_.scene->sceneComplete = false;
    state_.StepsToRun = state_.StepsDone == 0 ? 0 : 1;
    state_.LastResult = kDone;
    startJob(StepJob::Forward);
}

// No file is written: the earlier step's files are shown again.
void StepDriver::BSpatClick()
{
    finishWorker();
    if (state_.definitionPath.empty()) return;
    targets_.scene->sceneComplete = false;
    --state_.StepsDone;
    startJob(StepJob::Back);
    if (state_.StepsDone == 1) ui_.setEnabled(Control::Back, false);
}

// The next forward command writes step 0 afresh; no file is deleted.
void StepDriver::BResetClick()
{
    finishWorker();
    targets_.scene->reset();
    ui_.setSceneReady(false);
    ui_.setStepLabel("");
    ui_.setEnabled(Control::CameraButtons, false);
    ui_.setEnabled(Control::Back, false);
    ui_.setEnabled(Control::Redraw, false);
    ui_.setEnabled(Control::Forward, true);
    ui_.setEnabled(Control::Repeat, true);
    ui_.setEnabled(Control::SaveStringButton, false);
    ui_.setEnabled(Control::SaveStringItems, false);
    ui_.setStatus(StatusPanel::Symbols, "Počet symbolov : ");
    ui_.setStatus(StatusPanel::Length, "Dĺžka reťazca : ");
    ui_.setStatus(StatusPanel::Parametric, "");
    ui_.setText(TextView::String, "");
    ui_.setEnabled(Control::SavePicture2dItems, false);
    ui_.setEnabled(Control::SavePicture3dItems, false);
    if (state_.runMode != RunMode::LSR && settings_.effective.drawDimensions == 3) {
        ui_.setVisible(Window::Picture3d, false);
        ui_.setVisible(Window::Picture3d, true);
    }
    state_.StepsDone = 0;
    state_.report.IsParametric = true;
}

void StepDriver::BXDalejClick()
{
    finishWorker();
    targets_.scene->sceneComplete = false;
    state_.repeatStop = false;
    state_.repeatRemaining = settings_.stepCount;
    ui_.setTimerEnabled(true);
}

void StepDriver::OnTimerEvent()
{
    if (!state_.threadRunning && state_.repeatRemaining >= 1 && !state_.repeatStop) {
        BDalejClick();
        --state_.repeatRemaining;
    }
    if (state_.repeatRemaining == 0) ui_.setTimerEnabled(false);
    if (state_.repeatStop) state_.repeatRemaining = 0;
}

void StepDriver::BPrekresliClick()
{
    finishWorker();
    ui_.restore(Window::Picture2d);
    ui_.restore(Window::Picture3d);
    startJob(StepJob::Redraw);
}

// The worker stops at its next check; the windows are usable at once.
void StepDriver::BitBtn1Click()
{
    state_.repeatStop = true;
    if (worker_) worker_->requestStop();
    for (Window window : {Window::Main, Window::ControlPanel, Window::Camera, Window::Picture2d, Window::Picture3d})
        ui_.setEnabled(window, true);
}

void StepDriver::errorDismissed()
{
    for (Window window : {Window::ControlPanel, Window::Main, Window::Camera, Window::Picture2d, Window::Picture3d})
        ui_.setEnabled(window, true);
    state_.errorShowing = false;
}

std::string stepFileOf(RunMode mode, const std::string& definitionPath, const std::string& stringPath, int stepsDone)
{
    if (mode == RunMode::LSDr) return stringPath;
    return StringFileName(basePath(definitionPath), stepsDone - 1, kStepExt);
}

std::string stepFileOf(const JobRecord& record)
{
    return stepFileOf(record.runMode, record.definitionPath, record.stringPath, record.StepsDone);
}

std::string shownFileOf(const JobRecord& record, bool homomorphism)
{
    if (!homomorphism) return stepFileOf(record);
    return StringFileName(basePath(record.definitionPath), record.StepsDone - 1, kHomomorphismExt);
}

std::string StepDriver::stepFile() const
{
    return stepFileOf(state_.runMode, state_.definitionPath, state_.stringPath, state_.StepsDone);
}

}  // namespace sprig
