#include "ui/picture_window.h"

#include <QMenuBar>

#include "ui/menu_item.h"
#include "ui/window_placement.h"

namespace sprig {

const PictureWindowLook kPicture2dLook{"TForm4", "Sprigwork  - obrázok",        414, 302,
                                       false,    {"Ovl. &panel", "Ovl. kamery"}};
const PictureWindowLook kPicture3dLook{"TFormGL", "Sprigwork - obrázok",          435, 300,
                                       true,      {"&Ovl. panel", "Ovl. &kamery"}};

PictureWindow::PictureWindow(const PictureWindowLook& look, QWidget* view)
{
    setObjectName(look.objectName);
    setWindowTitle(QString::fromUtf8(look.caption));
    setWholeWindowSize(*this, QSize(look.width, look.height));
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("&Súbor"));
    saveItem = addMenuItem(*file, "&Uložiť obrázok", nullptr, look.savingEnabled);
    saveAsItem = addMenuItem(*file, "Uložiť obrázok &ako", nullptr, look.savingEnabled);
    windowMenu = addWindowMenu(*menuBar(), look.windowMenu);
    setCentralWidget(view);
}

void PictureWindow::setSavingEnabled(bool enabled)
{
    saveItem->setEnabled(enabled);
    saveAsItem->setEnabled(enabled);
}

}  // namespace sprig
