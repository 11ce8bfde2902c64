#pragma once
// Where the windows go and what kind of window each is.

class QSize;
class QWidget;

namespace sprig {

// A small window that stays above the others.
void makeToolWindow(QWidget& window);
// A dialog or box that comes up above the tool windows, as they stay above
// every ordinary window. Set before the window is shown.
void keepAboveToolWindows(QWidget& window);
// A dialog frame without minimise and maximise buttons, above the tool
// windows.
void makeDialogWindow(QWidget& window);
// Gives the window this size with its frame: the client area is the size
// less the frame, once the window system has framed the window (until
// then, and where there is no frame, the client area has the whole size).
void setWholeWindowSize(QWidget& window, const QSize& size);
// Moves the window so that its centre is the centre of its screen.
void centreOnScreen(QWidget& window);

}  // namespace sprig
