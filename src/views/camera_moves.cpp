#include "views/camera_moves.h"

#include <cmath>
#include <cstdlib>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

// The leading number of a field, blanks before it skipped; the value is kept
// when nothing finite is read.
float parseField(std::string& text, float value)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start != std::string::npos) readLeadingNumber(std::string_view(text).substr(start), value, true);
    text = formatFixed(value);
    return value;
}

// Down and left add the step and wrap at 360; up and right subtract it and
// wrap at 0. Once per press, so a step beyond 360 leaves the range.
void turn(float& angle, float step, bool add)
{
    angle += add ? step : -step;
    if (add ? angle >= 360.0f : angle <= 0.0f) angle += add ? -360.0f : 360.0f;
}

void scaleDistance(CameraState& camera, double factor)
{
    const double next = camera.distance * factor;
    if (std::isfinite(next)) camera.distance = next;
}

// Takes the whole steps out of `rest` and presses one of the two buttons
// once per step, by the step's sign; the last press's response. The presses
// are made in 3D with the scene taken as complete, so none of them asks for
// the string to be drawn again.
CameraResponse pressPerStep(int& rest, int unit, CameraButton forward, CameraButton backward, CameraEdits& edits,
                            CameraState& camera)
{
    const int steps = rest / unit;
    rest -= steps * unit;
    CameraResponse response;
    for (int i = 0; i < std::abs(steps); ++i)
        response = pressCameraButton(steps > 0 ? forward : backward, edits, camera, 3, true);
    return response;
}

}  // namespace

CameraResponse dragCamera(CameraPointer& pointer, int dx, int dy, CameraEdits& edits, CameraState& camera,
                          int drawDimensions)
{
    if (drawDimensions != 3) return {};
    pointer.restX += dx;
    pointer.restY += dy;
    const CameraResponse across =
        pressPerStep(pointer.restX, kDragPixelsPerStep, CameraButton::Left, CameraButton::Right, edits, camera);
    const CameraResponse down =
        pressPerStep(pointer.restY, kDragPixelsPerStep, CameraButton::Up, CameraButton::Down, edits, camera);
    return {across.repaint || down.repaint, false, false};
}

CameraResponse wheelCamera(CameraPointer& pointer, int delta, CameraEdits& edits, CameraState& camera,
                           int drawDimensions)
{
    if (drawDimensions != 3) return {};
    pointer.restWheel += delta;
    const CameraResponse zoom =
        pressPerStep(pointer.restWheel, kWheelNotch, CameraButton::Closer, CameraButton::Farther, edits, camera);
    return {zoom.repaint, false, false};
}

void readEdits(CameraEdits& edits, CameraState& camera)
{
    const float step = parseField(edits.angleStep, camera.elevationStep);
    camera.elevationStep = step;
    camera.azimuthStep = step;
    camera.distanceFactor = parseField(edits.distanceFactor, static_cast<float>(camera.distanceFactor));
}

CameraResponse pressCameraButton(CameraButton button, CameraEdits& edits, CameraState& camera, int drawDimensions,
                                 bool sceneComplete)
{
    if (button == CameraButton::Axes) {
        camera.axesVisible = !camera.axesVisible;
        return {true, false, false};
    }
    if (drawDimensions != 3) return {};
    readEdits(edits, camera);
    switch (button) {
    case CameraButton::Up: turn(camera.elevation, camera.elevationStep, false); break;
    case CameraButton::Down: turn(camera.elevation, camera.elevationStep, true); break;
    case CameraButton::Left: turn(camera.azimuth, camera.azimuthStep, true); break;
    case CameraButton::Right: turn(camera.azimuth, camera.azimuthStep, false); break;
    case CameraButton::Closer: scaleDistance(camera, 1.0 / camera.distanceFactor); break;
    default: scaleDistance(camera, camera.distanceFactor); break;
    }
    const bool rotation = button != CameraButton::Closer && button != CameraButton::Farther;
    return {true, true, rotation && !sceneComplete};
}

void resetCamera(CameraState& camera)
{
    camera.elevation = 90.0f;
    camera.azimuth = -90.0f;
    camera.translationX = camera.translationY = camera.translationZ = 0.0f;
}

}  // namespace sprig
