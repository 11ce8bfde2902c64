#include "app/file_commands.h"

#include "app/result_messages.h"
#include "app/step_driver.h"
#include "app/user_interface.h"
#include "core/derive/string_file.h"
#include "core/turtle/scene_record.h"
#include "platform/byte_file.h"
#include "platform/text_lines.h"
#include "settings/options_file.h"
#include "settings/settings.h"

namespace sprig {

namespace {

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

Result writeText(const std::string& path, const std::vector<std::string>& lines)
{
    OutFile out;
    if (!out.open(path)) return {kIoError, out.failure()};
    out.write(joinLines(lines));
    return closed(out);
}

// The name as given when it ends in the extension (compared exactly), else
// the name with the extension appended.
std::string withExtension(const std::string& name, const std::string& extension)
{
    return name.ends_with(extension) ? name : name + extension;
}

}  // namespace

std::string captionFor(const std::string& path) { return "Sprigwork   " + path; }

FileCommands::FileCommands(RunState& state, const Settings& settings, DrawingTargets& targets, UserInterface& ui,
                           StepDriver& driver)
    : state_(state), settings_(settings), targets_(targets), ui_(ui), driver_(driver)
{
}

bool FileCommands::FileOpen()
{
    driver_.finishWorker();
    return state_.runMode == RunMode::LSDr ? openString() : openDefinition();
}

void FileCommands::resetPictures()
{
    targets_.scene->reset();
    ui_.setEnabled(Control::SavePicture2dItems, false);
    ui_.setEnabled(Control::SavePicture3dItems, false);
    ui_.resetCamera();
}

// Definition pages: all four tabs, the two texts editable. Otherwise only
// the string and the information, the texts read-only. Each view follows
// its setting; all four are emptied.
void FileCommands::showTextPages(bool definitionPages)
{
    const bool shown[] = {settings_.showDefinitionText, settings_.showOptionsText, settings_.showStringText,
                          settings_.showInformation};
    const TextView views[] = {TextView::Definition, TextView::Options, TextView::String, TextView::Information};
    for (int i = 0; i < 4; ++i) {
        const bool page = definitionPages || i >= 2;
        ui_.setTabVisible(views[i], page);
        ui_.setViewVisible(views[i], page && shown[i]);
        ui_.setText(views[i], "");
    }
    ui_.setEditable(TextView::Definition, definitionPages);
    ui_.setEditable(TextView::Options, definitionPages);
}

// Both files are read before anything changes, so a file that cannot be
// read leaves the program as it was.
bool FileCommands::openDefinition()
{
    const std::optional<std::string> path = ui_.chooseFile(FileDialog::OpenDefinition);
    if (!path) return false;
    const std::string optionsPath = optionsPathFor(*path);
    std::vector<std::string> definition;
    std::vector<std::string> options;
    Result read = readTextLines(*path, definition);
    if (!read.failed() && fileExists(optionsPath)) read = readTextLines(optionsPath, options);
    if (read.failed()) {
        state_.failure = read.failure;
        const ResultMessage message = jobErrorMessage(kIoError, 0);
        driver_.showFailure(message.dialog, message.logLine);
        return false;
    }
    resetPictures();
    state_.definitionPath = *path;
    state_.optionsPath = optionsPath;
    state_.StepsDone = 0;
    ui_.setStepLabel("");
    ui_.repaint(Window::Main);
    for (Control control : {Control::Forward, Control::Back, Control::Repeat, Control::Redraw,
                            Control::SaveStringButton, Control::CameraButtons, Control::SaveStringItems})
        ui_.setEnabled(control, false);
    for (Control control : {Control::Reset, Control::SaveDefinitionButton, Control::SaveDefinitionItems})
        ui_.setEnabled(control, true);
    ui_.setCaption(captionFor(*path));
    ui_.setStatus(StatusPanel::Symbols, "Počet symbolov : ");
    ui_.setStatus(StatusPanel::Length, "Dĺžka reťazca : ");
    ui_.setStatus(StatusPanel::Parametric, "");
    showTextPages(true);
    ui_.appendLog("L-system file opened: " + *path);
    ui_.setText(TextView::Definition, joinLines(definition));
    ui_.setText(TextView::Options, joinLines(options));
    ui_.setPicture2dShown(false);
    DeleteCreatedFiles();
    driver_.BResetClick();
    return true;
}

// The worker reads the options, counts, shows and draws the string.
bool FileCommands::openString()
{
    const std::optional<std::string> path = ui_.chooseFile(FileDialog::OpenString);
    if (!path) return false;
    resetPictures();
    state_.stringPath = *path;
    ui_.setEnabled(Control::Redraw, true);
    ui_.setEnabled(Control::CameraButtons, true);
    ui_.setCaption(captionFor(*path));
    showTextPages(false);
    DeleteCreatedFiles();
    ui_.setEnabled(Control::SaveStringButton, true);
    ui_.setEnabled(Control::SaveStringItems, true);
    ui_.appendLog("String file opened: " + *path);
    driver_.startJob(StepJob::Show);
    return true;
}

// An options file is never created for an empty options text, but an
// existing one is overwritten even with an empty one.
bool FileCommands::saveTexts(const std::string& definitionPath, const std::string& optionsPath)
{
    if (const Result written = writeText(definitionPath, ui_.lines(TextView::Definition)); written.failed()) {
        reportSaveFailure(definitionPath, written);
        return false;
    }
    const std::vector<std::string> options = ui_.lines(TextView::Options);
    if (!fileExists(optionsPath) && options.empty()) return true;
    if (const Result written = writeText(optionsPath, options); written.failed()) {
        reportSaveFailure(optionsPath, written);
        return false;
    }
    return true;
}

bool FileCommands::FileSave()
{
    driver_.finishWorker();
    return saveTexts(state_.definitionPath, state_.optionsPath);
}

// The derivation starts again under the new name once both texts are saved.
bool FileCommands::FileSaveAs()
{
    driver_.finishWorker();
    const std::optional<std::string> chosen = ui_.chooseFile(FileDialog::SaveDefinition);
    if (!chosen) return false;
    const std::string path = withExtension(*chosen, ".ls");
    if (!saveTexts(path, optionsPathFor(path))) return false;
    state_.definitionPath = path;
    state_.optionsPath = optionsPathFor(path);
    ui_.setCaption(captionFor(path));
    ui_.setStepLabel("");
    ui_.setEnabled(Control::Forward, true);
    ui_.setEnabled(Control::Reset, true);
    ui_.setEnabled(Control::Back, false);
    DeleteCreatedFiles();
    ui_.setText(TextView::String, "");
    state_.StepsDone = 0;
    ui_.repaint(Window::Main);
    return true;
}

bool FileCommands::copyString(const std::string& from, const std::string& to)
{
    const Result copied = copyStringFile(from, to);
    if (copied.failed()) reportSaveFailure(to, copied);
    return !copied.failed();
}

// The step file of the step shown, beside it as .str; nothing in LSDr.
bool FileCommands::UlozitRetClick()
{
    driver_.finishWorker();
    if (state_.runMode == RunMode::LSDr) return false;
    const std::string from = driver_.stepFile();
    return copyString(from, from.substr(0, from.size() - 4) + ".str");
}

// Always the step file (or the open string), never a homomorphism file.
bool FileCommands::UlozitRetAkoClick()
{
    driver_.finishWorker();
    const std::optional<std::string> chosen = ui_.chooseFile(FileDialog::SaveString);
    if (!chosen) return false;
    return copyString(driver_.stepFile(), withExtension(*chosen, ".str"));
}

void FileCommands::DeleteCreatedFiles()
{
    for (const std::string& name : state_.createdFiles) removeFile(name);
    state_.createdFiles.clear();
}

void FileCommands::reportSaveFailure(const std::string& path, const Result& result)
{
    state_.failure = result.failure;
    const ResultMessage message = saveErrorMessage(path, result.failure);
    driver_.showFailure(message.dialog, message.logLine);
}

}  // namespace sprig
