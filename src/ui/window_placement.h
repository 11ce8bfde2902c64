#pragma once
// Where the windows go and what kind of window each is.

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
// Moves the window so that its centre is the centre of its screen.
void centreOnScreen(QWidget& window);

}  // namespace sprig
