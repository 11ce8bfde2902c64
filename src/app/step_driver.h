#pragma once
// The step driver: the control panel's step commands, the worker that each
// of them starts, and the routines that show a step's string, statistics,
// picture and errors. The commands run on the user-interface thread; the
// worker reaches the windows only through the interface's synchronous calls.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/drawing_targets.h"
#include "app/job_progress.h"
#include "app/job_record.h"
#include "app/run_state.h"
#include "app/user_interface.h"
#include "core/derive/derive_strings.h"
#include "platform/picture_format.h"

namespace sprig {

class Job;
class MyThread;
class RandomSource;
struct Settings;

struct DriverServices {
    UserInterface& ui;
    RandomSource& random;
    // Seed of the rewriting pass that starts at the given step: the clock in
    // seconds unless a repeatable run asks otherwise.
    std::function<std::uint32_t(int step)> seedFor;
};

class StepDriver {
public:
    StepDriver(RunState& state, Settings& settings, DrawingTargets& targets, DriverServices services);
    ~StepDriver();
    StepDriver(const StepDriver&) = delete;
    StepDriver& operator=(const StepDriver&) = delete;

    // ">>", "<<", "Reset", "10 >>" and "Prekresli".
    void BDalejClick();
    void BSpatClick();
    void BResetClick();
    void BXDalejClick();
    void BPrekresliClick();
    // The progress window's "Stop".
    void BitBtn1Click();
    // The main window's 500 ms timer: one forward command of a repeat.
    void OnTimerEvent();
    // The error dialog went away, by its OK button or by the window system.
    void errorDismissed();

    // Disables the five main windows, shows the progress window with both
    // bars at 0 and starts a worker for the job, on a copy of the run.
    void startJob(StepJob job);
    void StartWorker();
    // Waits for a worker that is still ending after Stop. Every command that
    // reads or changes the run calls it first.
    void finishWorker();
    // The drawing result of the last worker (kDone before any).
    [[nodiscard]] int drawResult() const;

    // Shows a failure that is no step's: the error dialog and the log line.
    void showFailure(const std::string& dialog, const std::string& logLine);

    // Writes the homomorphism file of the step shown, as showing the step
    // in LSR&D does; on the calling thread.
    Result deriveHomomorphism(Job& job);

    // Exports the drawing of the step shown by reading its string again
    // (see exportString), on the calling thread.
    Result exportShownString(PictureFormat format, const std::string& path, Job& job);
    // The same as a job of the worker, with the progress window and Stop;
    // the information view names the file written, a failure is shown.
    void startExport(PictureFormat format, const std::string& path);

    // The step file of the step shown (see stepFileOf).
    std::string stepFile() const;

private:
    // The worker's routines, which write only the job's record.
    void runJob(MyThread& worker, JobRecord& record);
    void runStep(MyThread& worker, JobRecord& record);
    Result exportOf(JobRecord& record, Job& job);
    // `written` holds what the job's passes counted of the files they wrote.
    void forward(MyThread& worker, JobRecord& record, std::optional<WrittenString>& written);
    void endFailedJob(int code);
    void DisplayStep(MyThread& worker, JobRecord& record, std::optional<WrittenString>& written);
    void drawShownString(MyThread& worker, JobRecord& record, const std::string& shown);
    void logStatistics(MyThread& worker, const JobRecord& record);
    Result deriveStrings(Job& job, JobRecord& record, bool homomorphism, std::optional<WrittenString>& written);

    // The user-interface routines.
    JobRecord recordOfRun(StepJob job);
    JobRecord exportRecord(PictureFormat format, const std::string& path);
    void startJob(JobRecord record);
    void takeResults();
    void endJob();
    void endExport(int code, const std::string& path);
    void showJobError(int code);
    void markErrorRow(TextView view, const std::string& logLine);
    void clearErrorRows();
    void ShowStepResult();
    void ShowDrawResult();
    void endForward();
    void endView(Window focused);
    void disableMainWindows();
    void enablePictureWindow();
    void applyDimension();
    void checkSegmentLength();
    Window pictureWindow() const;
    void onUi(const std::function<void()>& routine);

    RunState& state_;
    Settings& settings_;
    DrawingTargets& targets_;
    DriverServices services_;
    UserInterface& ui_;
    JobProgress progress_;
    // The record of the last job, and its worker.
    std::unique_ptr<JobRecord> record_;
    std::unique_ptr<MyThread> worker_;
};

}  // namespace sprig
