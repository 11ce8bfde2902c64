#pragma once
// The window menu "&Okno" that the main window and both picture windows
// carry: the same four commands under each window's own captions.

class QAction;
class QMenuBar;

namespace sprig {

struct WindowMenu {
    QAction* mainWindow = nullptr;
    QAction* picture = nullptr;
    QAction* controlPanel = nullptr;
    QAction* camera = nullptr;
};

struct WindowMenuCaptions {
    const char* controlPanel;  // "Ovl. &panel" or "&Ovl. panel"
    const char* camera;        // "Ovl. &kamery" or "Ovl. kamery"
};

WindowMenu addWindowMenu(QMenuBar& bar, const WindowMenuCaptions& captions);

}  // namespace sprig
