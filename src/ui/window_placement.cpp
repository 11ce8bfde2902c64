#include "ui/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace sprig {

void makeToolWindow(QWidget& window) { window.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint); }

void keepAboveToolWindows(QWidget& window) { window.setWindowFlag(Qt::WindowStaysOnTopHint); }

void makeDialogWindow(QWidget& window)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    keepAboveToolWindows(window);
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace sprig
