#pragma once
// The main window: the menus, the four text views on tab pages whose tabs
// can be hidden, and the status bar of four panels, each wide enough for
// its text.

#include <QMainWindow>
#include <array>
#include <functional>

#include "ui/window_menu.h"

class QAction;
class QLabel;
class QTabWidget;
class QTimer;

namespace sprig {

class TextPageView;

class TMainForm final : public QMainWindow {
public:
    TMainForm();

    // Definition, options, string and information, in the order of the tabs.
    static constexpr int kViewCount = 4;
    QTabWidget* tabs() const { return tabs_; }
    TextPageView* view(int index) const { return views_[index]; }
    QLabel* statusPanel(int index) const { return panels_[index]; }
    void setStatus(int index, const QString& text);

    // Runs when the main window is about to close, by whatever means.
    std::function<void()> onClose;

    QAction* openItem = nullptr;
    QAction* saveDefinitionItem = nullptr;
    QAction* saveDefinitionAsItem = nullptr;
    QAction* saveStringItem = nullptr;
    QAction* saveStringAsItem = nullptr;
    QAction* exitItem = nullptr;
    QAction* optionsItem = nullptr;
    QAction* colourItem = nullptr;
    QAction* backgroundItem = nullptr;
    QAction* helpItem = nullptr;
    QAction* aboutItem = nullptr;
    WindowMenu windowMenu;
    // Every 500 ms while a repeat runs.
    QTimer* timer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addFileMenu();
    void addPropertiesMenu();
    void addHelpMenu();
    void addTextPages();
    void addStatusPanels();

    QTabWidget* tabs_ = nullptr;
    std::array<TextPageView*, kViewCount> views_{};
    std::array<QLabel*, kViewCount> panels_{};
};

}  // namespace sprig
