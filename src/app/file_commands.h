#pragma once
// Opening and saving: a definition with its options file, or a saved string
// in run mode LSDr; saving the two texts and the string shown; deleting the
// working files of the derivation.

#include <string>
#include <vector>

#include "app/drawing_targets.h"
#include "app/run_state.h"

namespace sprig {

class StepDriver;
class UserInterface;
struct Settings;

// The main window's caption for an open file.
std::string captionFor(const std::string& path);

class FileCommands {
public:
    FileCommands(RunState& state, const Settings& settings, DrawingTargets& targets, UserInterface& ui,
                 StepDriver& driver);

    // "&Otvoriť...": a definition, or in LSDr a saved string. Returns false
    // when the dialog was cancelled or the file could not be read, the
    // run's failure then naming the file and why.
    bool FileOpen();
    // "&Uložiť L-systém", "Uložiť L-systém &ako", "Uložiť reťazec",
    // "Uložiť reťazec ako". Each returns false when nothing was saved, the
    // run's failure then naming a file that could not be written.
    bool FileSave();
    bool FileSaveAs();
    bool UlozitRetClick();
    bool UlozitRetAkoClick();
    // Deletes the string files this run created; one that cannot be deleted
    // is skipped.
    void DeleteCreatedFiles();

private:
    bool openDefinition();
    bool openString();
    void resetPictures();
    void showTextPages(bool definitionPages);
    bool saveTexts(const std::string& definitionPath, const std::string& optionsPath);
    bool copyString(const std::string& from, const std::string& to);
    void reportSaveFailure(const std::string& path, const Result& result);

    RunState& state_;
    const Settings& settings_;
    DrawingTargets& targets_;
    UserInterface& ui_;
    StepDriver& driver_;
};

}  // namespace sprig
