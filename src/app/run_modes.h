#pragma once
// The control panel's three run mode buttons and leaving the program. A mode
// switch decides which pages, windows and commands are usable; entering LSDr
// deletes the derivation's files, and switching from LSR to LSR&D with steps
// derived draws the step shown at once.

#include "app/drawing_targets.h"
#include "app/run_state.h"

namespace sprig {

class FileCommands;
class StepDriver;
class UserInterface;
struct Settings;

class RunModes {
public:
    RunModes(RunState& state, const Settings& settings, DrawingTargets& targets, UserInterface& ui, StepDriver& driver,
             FileCommands& files);

    // "LSR", "LSR&Dr" and "LSDr". The button of the current mode does nothing.
    void BitBLSRClick();
    void BitBLSRDrClick();
    void BitBLSDrClick();

    // "&Koniec" and the panel's exit button: deletes the step files, then
    // closes the main window.
    void exitProgram();
    // The main window is closing, by whatever means: a running job is asked
    // to stop and the step files are deleted; failures are ignored.
    void mainWindowClosing();

private:
    // Leaving LSDr: all pages hidden, the string and the log emptied, no
    // string to save, and derivation starts again from step 0.
    void leaveStringMode();
    void hideTextPages();
    void setMode(RunMode mode, const char* panelText);
    void disablePictureSaving();
    void showPictureWindow();

    RunState& state_;
    const Settings& settings_;
    DrawingTargets& targets_;
    UserInterface& ui_;
    StepDriver& driver_;
    FileCommands& files_;
};

}  // namespace sprig
