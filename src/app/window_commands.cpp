#include "app/window_commands.h"

#include "app/user_interface.h"
#include "settings/settings.h"

namespace sprig {

WindowCommands::WindowCommands(const Settings& settings, UserInterface& ui) : settings_(settings), ui_(ui) {}

void WindowCommands::showMainWindow()
{
    ui_.setVisible(Window::Main, true);
    ui_.focus(Window::Main);
}

void WindowCommands::showPicture()
{
    const Window picture = settings_.effective.drawDimensions == 2 ? Window::Picture2d : Window::Picture3d;
    ui_.setEnabled(picture, true);
    ui_.setVisible(picture, true);
    ui_.restore(picture);
    ui_.focus(picture);
}

void WindowCommands::showControlPanel()
{
    ui_.setEnabled(Window::ControlPanel, true);
    ui_.setVisible(Window::ControlPanel, true);
    ui_.focus(Window::ControlPanel);
}

void WindowCommands::showCamera()
{
    ui_.setVisible(Window::Camera, true);
    if (ui_.isEnabled(Window::Camera)) ui_.focus(Window::Camera);
}

void WindowCommands::setMainWindowsEnabled(bool enabled)
{
    for (Window window : {Window::Main, Window::Picture2d, Window::Picture3d, Window::ControlPanel, Window::Camera})
        ui_.setEnabled(window, enabled);
}

void WindowCommands::showOptions()
{
    setMainWindowsEnabled(false);
    ui_.setVisible(Window::Options, true);
}

void WindowCommands::showAbout()
{
    setMainWindowsEnabled(false);
    ui_.setVisible(Window::About, true);
}

void WindowCommands::optionsDone()
{
    ui_.setVisible(Window::Options, false);
    setMainWindowsEnabled(true);
    ui_.focus(Window::Main);
}

void WindowCommands::aboutOk()
{
    ui_.setVisible(Window::About, false);
    setMainWindowsEnabled(true);
}

void WindowCommands::aboutClosed()
{
    setMainWindowsEnabled(true);
    ui_.focus(Window::Main);
}

void WindowCommands::showHelp()
{
    ui_.setVisible(Window::Help, true);
    ui_.focus(Window::Help);
}

void WindowCommands::helpClosed()
{
    ui_.setVisible(Window::Help, false);
    ui_.focus(Window::Main);
}

}  // namespace sprig
