// What the user sees of a job: the step's string and statistics, drawing
// errors, job errors and the windows handed back. All on the user-interface
// thread.

#include <string>

#include "app/my_thread.h"
#include "app/result_messages.h"
#include "app/step_driver.h"
#include "app/user_interface.h"
#include "core/lsystem/definition_line.h"
#include "platform/byte_file.h"
#include "platform/fixed_format.h"
#include "platform/text_lines.h"
#include "settings/option_line.h"
#include "settings/settings.h"

namespace sprig {

namespace {

// A string file is shown as text only below this size.
constexpr std::int64_t kShownStringLimit = 32768;

// The string of a small string file, without its header lines.
std::string stringText(const std::string& path)
{
    std::vector<std::string> lines;
    if (readTextLines(path, lines).failed()) return "";
    const std::size_t header = !lines.empty() && lines[0] == "n" ? 2 : 1;
    std::string text;
    for (std::size_t i = header; i < lines.size(); ++i) text += (i > header ? "\n" : "") + lines[i];
    return text;
}

}  // namespace

Window StepDriver::pictureWindow() const
{
    return settings_.effective.drawDimensions == 2 ? Window::Picture2d : Window::Picture3d;
}

void StepDriver::enablePictureWindow() { ui_.setEnabled(pictureWindow(), true); }

void StepDriver::showFailure(const std::string& dialog, const std::string& logLine)
{
    for (Window window : {Window::Main, Window::ControlPanel, Window::Camera}) ui_.setEnabled(window, false);
    ui_.setVisible(Window::Progress, false);
    ui_.appendLog(logLine);
    ui_.showError(dialog);
    state_.errorShowing = true;
}

void StepDriver::showJobError(int code)
{
    const ResultMessage message = jobErrorMessage(code, state_.report.ErrorRow);
    if (code == kDefinitionLineError) markErrorRow(TextView::Definition, message.logLine);
    if (code == kOptionsSyntaxError) markErrorRow(TextView::Options, message.logLine);
    showFailure(message.dialog, message.logLine);
}

// The row's tool tip says what the reader of that view finds wrong in it,
// asked again of the row as it stands: a default line stores no detail, so
// the parser's last one may be an earlier row's.
void StepDriver::markErrorRow(TextView view, const std::string& logLine)
{
    const int row = state_.report.ErrorRow;
    const std::vector<std::string> lines = ui_.lines(view);
    if (row < 1 || row > static_cast<int>(lines.size())) return;
    const std::string& line = lines[static_cast<std::size_t>(row - 1)];
    const std::string problem =
        view == TextView::Definition ? inspectDefinitionLine(line).problem : inspectOptionLine(line).problem;
    ui_.markErrorRow(view, row, errorRowTip(logLine, problem));
}

// A job that has come as far as showing its step read the options without
// error, and the definition too when it derived or ran the homomorphism pass.
void StepDriver::clearErrorRows()
{
    ui_.markErrorRow(TextView::Options, 0, "");
    if (record_->job == StepJob::Forward || state_.homomorphismShown) ui_.markErrorRow(TextView::Definition, 0, "");
}

void StepDriver::endForward()
{
    if (state_.errorShowing) return;
    for (Window window : {Window::Main, Window::ControlPanel, Window::Camera}) ui_.setEnabled(window, true);
    ui_.setVisible(Window::Main, true);
    enablePictureWindow();
    ui_.focus(Window::ControlPanel);
    ui_.setEnabled(Control::Reset, true);
    if (state_.runMode != RunMode::LSR) {
        ui_.setEnabled(Control::Redraw, true);
        ui_.setEnabled(Control::CameraButtons, true);
    }
    if (state_.StepsDone >= 2) ui_.setEnabled(Control::Back, true);
}

// After Show and Redraw the picture window takes the focus; after Back and
// ModeRedraw the control panel does.
void StepDriver::endView(Window focused)
{
    if (state_.errorShowing) return;
    ui_.setEnabled(Window::Main, true);
    ui_.setVisible(Window::Main, true);
    enablePictureWindow();
    ui_.setEnabled(Window::Camera, true);
    ui_.setEnabled(Window::ControlPanel, true);
    ui_.focus(focused);
}

// The options in force choose the picture window; when they switch it, the
// new one takes the old one's place.
void StepDriver::applyDimension()
{
    const int dimensions = settings_.effective.drawDimensions;
    const Window shown = dimensions == 2 ? Window::Picture2d : Window::Picture3d;
    const Window hidden = dimensions == 2 ? Window::Picture3d : Window::Picture2d;
    if (dimensions != settings_.appliedDrawDimensions) ui_.takeOverPlace(hidden, shown);
    settings_.appliedDrawDimensions = dimensions;
    ui_.setDimensionLabel(dimensions);
    if (dimensions == 2) ui_.setSceneReady(false);
    ui_.setVisible(hidden, false);
    if (state_.runMode != RunMode::LSR) ui_.setVisible(shown, true);
}

void StepDriver::ShowStepResult()
{
    clearErrorRows();
    ui_.setEnabled(Control::SaveStringItems, true);
    ui_.setEnabled(Control::SaveStringButton, true);
    const std::string file = stepFile();
    const std::int64_t size = fileSize(file);
    ui_.setStatus(StatusPanel::Length, "Dĺžka reťazca : " + std::to_string(state_.lengthKB) + " KB");
    if (state_.runMode != RunMode::LSDr) ui_.setStepLabel(std::to_string(state_.StepsDone - 1));
    ui_.setStatus(StatusPanel::Parametric, state_.report.IsParametric ? "parametrický" : "neparametrický");
    ui_.setText(TextView::String, size >= 0 && size < kShownStringLimit ? stringText(file) : "");
    ui_.repaint(Window::Main);
    if (state_.runMode != RunMode::LSR) {
        ui_.setEnabled(Control::SavePicture2dItems, true);
        if (settings_.effective.drawDimensions == 3) ui_.setEnabled(Control::SavePicture3dItems, true);
        ui_.setVisible(pictureWindow(), true);
        if (settings_.effective.drawDimensions == 2) ui_.clearPicture2d();
    }
    checkSegmentLength();
}

// The segment length's text must read as a number above 0, with "," taken
// for "."; otherwise it is set back to 1.
void StepDriver::checkSegmentLength()
{
    std::string text = settings_.segmentLengthText;
    for (char& c : text)
        if (c == ',') c = '.';
    float value = 0.0f;
    if (readLeadingNumber(text, value, true) && value > 0.0f) {
        settings_.segmentLength = value;
        return;
    }
    settings_.segmentLength = 1.0f;
    settings_.segmentLengthText = std::string("1");
}

void StepDriver::ShowDrawResult()
{
    const int drawn = drawResult();
    if (drawn != kDone && drawn != kStopped) {
        for (Window window : {Window::Main, Window::ControlPanel, Window::Camera, Window::Picture2d, Window::Picture3d})
            ui_.setEnabled(window, false);
        const ResultMessage message = drawErrorMessage(drawn);
        ui_.appendLog(message.logLine);
        ui_.showError(message.dialog);
        state_.errorShowing = true;
    }
    ui_.setStatus(StatusPanel::Symbols, "Počet symbolov : " + std::to_string(state_.symbolCount));
    ui_.setVisible(Window::Progress, false);
    if (settings_.effective.drawDimensions == 2) ui_.repaint(Window::Picture2d);
    if (settings_.beepWhenDone) ui_.beep();
}

}  // namespace sprig
