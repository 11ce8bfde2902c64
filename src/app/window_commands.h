#pragma once
// The window menu "&Okno" that the main window and both picture windows
// carry, and the boxes that hold the five main windows disabled while they
// are up: the options dialog and the about box. Also the help window.

namespace sprig {

class UserInterface;
struct Settings;

class WindowCommands {
public:
    WindowCommands(const Settings& settings, UserInterface& ui);

    // "&Hlavné okno", "&Obrázok", "Ovl. panel" and "Ovl. kamery". A window
    // is focused only once it is enabled and shown.
    void showMainWindow();
    void showPicture();
    void showControlPanel();
    void showCamera();

    // "&Vlastnosti" and "&Čo je Sprigwork...": the five main windows are
    // disabled until the box goes away.
    void showOptions();
    void showAbout();
    // The options dialog left by OK, Cancel or its frame; the about box
    // left by OK; the about box closed by its frame.
    void optionsDone();
    void aboutOk();
    void aboutClosed();

    // "&Pomoc" and the help window's closing.
    void showHelp();
    void helpClosed();

private:
    void setMainWindowsEnabled(bool enabled);

    const Settings& settings_;
    UserInterface& ui_;
};

}  // namespace sprig
