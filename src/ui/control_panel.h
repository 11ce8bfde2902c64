#pragma once
// The control panel: a narrow tool window that stays on top, with the file
// buttons, the step commands, the step label, the three run mode buttons
// and the exit button.

#include <QWidget>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace sprig {

enum class RunMode;

class TFormOvlPan final : public QWidget {
public:
    TFormOvlPan();

    // The current mode's button with yellow text, the others black.
    void highlightMode(RunMode mode);
    void setRepeatCount(int count);

    QPushButton* openButton = nullptr;
    QPushButton* saveDefinitionButton = nullptr;  // ".ls, .op"
    QPushButton* saveStringButton = nullptr;      // ".str"
    QPushButton* backButton = nullptr;            // "<<"
    QPushButton* resetButton = nullptr;
    QPushButton* forwardButton = nullptr;  // ">>"
    QPushButton* repeatButton = nullptr;   // "10 >>"
    QPushButton* redrawButton = nullptr;   // "Prekresli"
    QLabel* stepLabel = nullptr;
    QPushButton* BitBLSR = nullptr;
    QPushButton* BitBLSRDr = nullptr;
    QPushButton* BitBLSDr = nullptr;
    QPushButton* exitButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addButton(const char* caption, const char* hint, int glyph, bool enabled);
    QPushButton* addModeButton(const char* objectName, const char* caption, const char* hint);
};

}  // namespace sprig
