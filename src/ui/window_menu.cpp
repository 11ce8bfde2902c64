#include "ui/window_menu.h"

#include <QMenu>
#include <QMenuBar>

namespace sprig {

WindowMenu addWindowMenu(QMenuBar& bar, const WindowMenuCaptions& captions)
{
    QMenu* menu = bar.addMenu(QString::fromUtf8("&Okno"));
    WindowMenu items;
    items.mainWindow = menu->addAction(QString::fromUtf8("&Hlavné okno"));
    items.picture = menu->addAction(QString::fromUtf8("&Obrázok"));
    items.controlPanel = menu->addAction(QString::fromUtf8(captions.controlPanel));
    items.camera = menu->addAction(QString::fromUtf8(captions.camera));
    return items;
}

}  // namespace sprig
