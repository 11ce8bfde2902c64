#include "ui/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace sprig {

void makeToolWindow(QWidget& window) { window.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint); }

void makeDialogWindow(QWidget& window)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
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
