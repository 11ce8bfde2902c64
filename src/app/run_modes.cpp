#include "app/run_modes.h"

#include "app/file_commands.h"
#include "app/step_driver.h"
#include "app/user_interface.h"
#include "core/turtle/scene_record.h"
#include "settings/settings.h"

namespace sprig {

namespace {

constexpr TextView kAllViews[] = {TextView::Definition, TextView::Options, TextView::String, TextView::Information};

}  // namespace

RunModes::RunModes(RunState& state, const Settings& settings, DrawingTargets& targets, UserInterface& ui,
                   StepDriver& driver, FileCommands& files)
    : state_(state), settings_(settings), targets_(targets), ui_(ui), driver_(driver), files_(files)
{
}

void RunModes::hideTextPages()
{
    for (TextView view : kAllViews) {
        ui_.setTabVisible(view, false);
        ui_.setViewVisible(view, false);
    }
}

void RunModes::leaveStringMode()
{
    hideTextPages();
    ui_.setText(TextView::String, "");
    ui_.setText(TextView::Information, "");
    ui_.setCaption("Sprigwork");
    ui_.setEnabled(Control::SaveStringButton, false);
    ui_.setEnabled(Control::SaveStringItems, false);
    state_.StepsDone = 0;
}

void RunModes::setMode(RunMode mode, const char* panelText)
{
    ui_.setStatus(StatusPanel::Mode, panelText);
    state_.runMode = mode;
    ui_.highlightMode(mode);
}

void RunModes::disablePictureSaving()
{
    ui_.setEnabled(Control::SavePicture2dItems, false);
    ui_.setEnabled(Control::SavePicture3dItems, false);
}

// The 3D window is hidden and shown again, which brings it to the front.
void RunModes::showPictureWindow()
{
    if (settings_.effective.drawDimensions == 2) {
        ui_.setVisible(Window::Picture2d, true);
    } else {
        ui_.setVisible(Window::Picture3d, false);
        ui_.setVisible(Window::Picture3d, true);
    }
    ui_.setEnabled(Control::PictureItem, true);
}

void RunModes::BitBLSRClick()
{
    driver_.finishWorker();
    if (state_.runMode == RunMode::LSR) return;
    targets_.scene->sceneComplete = false;
    if (state_.runMode == RunMode::LSDr) leaveStringMode();
    ui_.setEnabled(Control::Redraw, false);
    ui_.setEnabled(Control::CameraButtons, false);
    ui_.repaint(Window::Main);
    ui_.setVisible(Window::Picture2d, false);
    ui_.setVisible(Window::Picture3d, false);
    ui_.setEnabled(Control::PictureItem, false);
    setMode(RunMode::LSR, "LSR     ");
}

// From LSR with steps derived, the step shown is drawn at once.
void RunModes::BitBLSRDrClick()
{
    driver_.finishWorker();
    const RunMode old = state_.runMode;
    if (old == RunMode::LSRD) return;
    targets_.scene->sceneComplete = false;
    if (old == RunMode::LSDr) {
        leaveStringMode();
        ui_.setEnabled(Control::Redraw, false);
        ui_.setEnabled(Control::CameraButtons, false);
        ui_.setPicture2dShown(false);
        ui_.setSceneReady(false);
        ui_.repaint(Window::ControlPanel);
    }
    if (old == RunMode::LSDr || state_.StepsDone == 0) disablePictureSaving();
    ui_.setVisible(Window::Picture3d, false);
    showPictureWindow();
    // Set before the job starts, which reads the mode on the worker.
    state_.runMode = RunMode::LSRD;
    if (old == RunMode::LSR && state_.StepsDone == 0) ui_.focus(Window::Main);
    if (old == RunMode::LSR && state_.StepsDone > 0) {
        ui_.setEnabled(Control::Redraw, true);
        ui_.setEnabled(Control::CameraButtons, true);
        driver_.startJob(StepJob::ModeRedraw);
    }
    ui_.setStatus(StatusPanel::Mode, "LSR&D     ");
    ui_.highlightMode(RunMode::LSRD);
}

// The user then opens a string file, which enables the drawing commands.
void RunModes::BitBLSDrClick()
{
    driver_.finishWorker();
    if (state_.runMode == RunMode::LSDr) return;
    targets_.scene->sceneComplete = false;
    ui_.setStatus(StatusPanel::Mode, "LSDr    ");
    for (Control control :
         {Control::Forward, Control::Back, Control::Reset, Control::Repeat, Control::Redraw, Control::CameraButtons})
        ui_.setEnabled(control, false);
    ui_.setStepLabel("");
    ui_.setStatus(StatusPanel::Symbols, "Počet symbolov : ");
    ui_.setStatus(StatusPanel::Length, "Dĺžka reťazca : ");
    ui_.setStatus(StatusPanel::Parametric, "");
    disablePictureSaving();
    ui_.setEnabled(Control::SaveDefinitionItems, false);
    ui_.setEnabled(Control::SaveDefinitionButton, false);
    hideTextPages();
    for (TextView view : kAllViews) ui_.setText(view, "");
    ui_.setEditable(TextView::Definition, false);
    ui_.setEditable(TextView::Options, false);
    ui_.setCaption("Sprigwork");
    ui_.repaint(Window::Main);
    showPictureWindow();
    ui_.setPicture2dShown(false);
    ui_.setSceneReady(false);
    ui_.focus(Window::Main);
    setMode(RunMode::LSDr, "LSDr    ");
    ui_.setEnabled(Control::SaveStringButton, false);
    ui_.setEnabled(Control::SaveStringItems, false);
    files_.DeleteCreatedFiles();
}

void RunModes::exitProgram()
{
    driver_.finishWorker();
    files_.DeleteCreatedFiles();
    ui_.closeMainWindow();
}

// The step files are deleted only once the worker, which may be adding to
// their list, has ended.
void RunModes::mainWindowClosing()
{
    if (state_.threadRunning) {
        driver_.BitBtn1Click();
        ui_.waitForWorker(state_.threadRunning);
    }
    files_.DeleteCreatedFiles();
}

}  // namespace sprig
