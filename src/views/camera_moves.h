#pragma once
// The camera window's buttons and edit fields, as plain data and functions
// so that any window toolkit can drive them.

#include <string>

#include "views/camera_state.h"

namespace sprig {

// The texts of the two edit fields: the angle step and the distance factor.
struct CameraEdits {
    std::string angleStep = "9.000000";
    std::string distanceFactor = "1.200000";
};

enum class CameraButton { Up, Down, Left, Right, Closer, Farther, Axes };

// What the window must do after a press.
struct CameraResponse {
    bool repaint = false;        // redraw the 3D view
    bool restoreWindow = false;  // bring a minimised 3D window back to normal
    bool redrawString = false;   // run the control panel's redraw command
};

// Parses both fields with "%f" into the steps and the distance factor and
// writes the values back in the same format. A field that does not start
// with a finite number keeps the previous value.
void readEdits(CameraEdits& edits, CameraState& camera);

// One press: the six move buttons act only in 3D and read the edits first.
// A rotation asks for the string to be drawn again when the scene is
// incomplete. Closer divides the
// distance by the factor, farther multiplies by it; a distance that would
// become infinite or NaN is kept.
CameraResponse pressCameraButton(CameraButton button, CameraEdits& edits, CameraState& camera, int drawDimensions,
                                 bool sceneComplete);

// The mouse in the 3D window: what a drag or the wheel moved that did not
// yet make a whole step, kept for the movement that follows.
struct CameraPointer {
    int restX = 0;      // pixels across, right positive
    int restY = 0;      // pixels down
    int restWheel = 0;  // eighths of a degree, away from the user positive
};

inline constexpr int kDragPixelsPerStep = 10;
inline constexpr int kWheelNotch = 120;

// A left-button drag by (dx, dy) pixels: every whole 10 pixels press one
// rotation button, so the scene turns after the mouse as if held: right
// presses "Vľavo", left "Vpravo", down "Hore" and up "Dole". It repaints
// only: the string is never drawn again, even when the scene is incomplete.
CameraResponse dragCamera(CameraPointer& pointer, int dx, int dy, CameraEdits& edits, CameraState& camera,
                          int drawDimensions);

// The wheel turned by `delta` eighths of a degree: every whole notch (120)
// away from the user presses "Bližšie", every one towards the user "Ďalej".
CameraResponse wheelCamera(CameraPointer& pointer, int delta, CameraEdits& edits, CameraState& camera,
                           int drawDimensions);

// When a file is opened: the start-up angles, no translation.
void resetCamera(CameraState& camera);

}  // namespace sprig
