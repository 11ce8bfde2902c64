#include "ui/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace sprig {

namespace {

// Watches the window until its frame is known, which a window manager
// tells only after the window is shown, then shrinks the client area by
// the frame once and goes. A window given another size meanwhile (the
// picture window that takes the other's place) keeps it.
class WholeWindowSize final : public QObject {
public:
    WholeWindowSize(QWidget& window, const QSize& size) : QObject(&window), window_(window), size_(size)
    {
        window.resize(size);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) return false;
        const QWindow* handle = window_.windowHandle();
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        const bool resizedElsewhere = window_.size() != size_;
        if (frame.isNull() && !resizedElsewhere) return false;
        window_.removeEventFilter(this);
        if (!resizedElsewhere) window_.resize(size_.shrunkBy(frame));
        deleteLater();
        return false;
    }

private:
    QWidget& window_;
    QSize size_;
};

}  // namespace

void makeToolWindow(QWidget& window) { window.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint); }

void keepAboveToolWindows(QWidget& window) { window.setWindowFlag(Qt::WindowStaysOnTopHint); }

void makeDialogWindow(QWidget& window)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    keepAboveToolWindows(window);
}

void setWholeWindowSize(QWidget& window, const QSize& size) { new WholeWindowSize(window, size); }

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace sprig
