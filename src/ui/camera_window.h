#pragma once
// The camera control window: a small tool window that stays on top, with a
// cross of four arrow buttons that turn and tilt the 3D view, buttons that
// move the camera closer and farther and toggle the axes, and the two edit
// fields of the angle step and the distance factor. A press is handed to
// the program with the edits' texts.

#include <QWidget>
#include <functional>

#include "views/camera_moves.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace sprig {

class TFormOvl3D final : public QWidget {
public:
    TFormOvl3D();

    // All nine controls at once.
    void setControlsEnabled(bool enabled);
    bool controlsEnabled() const;
    // "3D", or "2D" while 2D drawing is in force.
    void setDimensionLabel(int drawDimensions);

    CameraEdits edits() const;
    void setEdits(const CameraEdits& edits);

    std::function<void(CameraButton)> onPress;

    QPushButton* BHore = nullptr;
    QPushButton* BVlavo = nullptr;
    QPushButton* BVpravo = nullptr;
    QPushButton* BDole = nullptr;
    QPushButton* BDalej = nullptr;    // farther
    QPushButton* BBlizsie = nullptr;  // closer
    QPushButton* BOsi = nullptr;      // axes
    QLineEdit* Edit1 = nullptr;       // angle step
    QLineEdit* Edit2 = nullptr;       // distance factor

private:
    QPushButton* addButton(CameraButton button, const QString& caption, const char* hint, int glyph);

    QLabel* dimensions_ = nullptr;
};

}  // namespace sprig
