#pragma once
// The frame of the 2D and the 3D picture window: the menu "&Súbor" with the
// two picture-saving commands, the window menu, and the view that fills the
// client area below them.

#include <QMainWindow>

#include "ui/window_menu.h"

class QAction;

namespace sprig {

struct PictureWindowLook {
    const char* objectName;
    const char* caption;
    int width;
    int height;
    bool savingEnabled;  // the saving commands at start-up
    WindowMenuCaptions windowMenu;
};

class PictureWindow final : public QMainWindow {
public:
    // Takes the view over.
    PictureWindow(const PictureWindowLook& look, QWidget* view);

    void setSavingEnabled(bool enabled);

    QAction* saveItem = nullptr;    // "&Uložiť obrázok"
    QAction* saveAsItem = nullptr;  // "Uložiť obrázok &ako"
    WindowMenu windowMenu;
};

// TForm4 and TFormGL.
extern const PictureWindowLook kPicture2dLook;
extern const PictureWindowLook kPicture3dLook;

}  // namespace sprig
