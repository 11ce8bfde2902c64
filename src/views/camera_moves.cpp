#include "views/camera_moves.h"

#include <cmath>
#include <cstdio>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

// "%f" parse of a field; the value is kept when nothing finite is read.
float parseField(std::string& text, float value)
{
    float parsed = 0.0f;
    if (std::sscanf(text.c_str(), "%f", &parsed) == 1 && std::isfinite(parsed)) value = parsed;
    text = formatFixed(value);
    return value;
}

void scaleDistance(CameraState& camera, double factor)
{
    const double next = camera.distance * factor;
    if (std::isfinite(next)) camera.distance = next;
}

bool isRotation(CameraButton button)
{
    return button == CameraButton::Up || button == CameraButton::Down || button == CameraButton::Left ||
           button == CameraButton::Right;
}

void move(CameraButton button, CameraState& camera)
{
    switch (button) {
    case CameraButton::Up: tiltUp(camera); break;
    case CameraButton::Down: tiltDown(camera); break;
    case CameraButton::Left: turnLeft(camera); break;
    case CameraButton::Right: turnRight(camera); break;
    case CameraButton::Closer: moveCloser(camera); break;
    case CameraButton::Farther: moveFarther(camera); break;
    case CameraButton::Axes: toggleAxes(camera); break;
    }
}

}  // namespace

void readEdits(CameraEdits& edits, CameraState& camera)
{
    const float step = parseField(edits.angleStep, camera.elevationStep);
    camera.elevationStep = step;
    camera.azimuthStep = step;
    camera.distanceFactor = parseField(edits.distanceFactor, static_cast<float>(camera.distanceFactor));
}

void turnLeft(CameraState& camera)
{
    camera.azimuth += camera.azimuthStep;
    if (camera.azimuth >= 360.0f) camera.azimuth -= 360.0f;
}

void turnRight(CameraState& camera)
{
    camera.azimuth -= camera.azimuthStep;
    if (camera.azimuth <= 0.0f) camera.azimuth += 360.0f;
}

void tiltDown(CameraState& camera)
{
    camera.elevation += camera.elevationStep;
    if (camera.elevation >= 360.0f) camera.elevation -= 360.0f;
}

void tiltUp(CameraState& camera)
{
    camera.elevation -= camera.elevationStep;
    if (camera.elevation <= 0.0f) camera.elevation += 360.0f;
}

void moveCloser(CameraState& camera)
{
    scaleDistance(camera, 1.0 / camera.distanceFactor);
}

void moveFarther(CameraState& camera)
{
    scaleDistance(camera, camera.distanceFactor);
}

void toggleAxes(CameraState& camera)
{
    camera.axesVisible = !camera.axesVisible;
}

CameraResponse pressCameraButton(CameraButton button, CameraEdits& edits, CameraState& camera, int drawDimensions,
                                 bool sceneComplete)
{
    if (button == CameraButton::Axes) {
        toggleAxes(camera);
        return {true, false, false};
    }
    if (drawDimensions != 3) return {};
    readEdits(edits, camera);
    move(button, camera);
    return {true, true, isRotation(button) && !sceneComplete};
}

void resetCamera(CameraState& camera)
{
    camera.elevation = 90.0f;
    camera.azimuth = -90.0f;
    camera.translationX = 0.0f;
    camera.translationY = 0.0f;
    camera.translationZ = 0.0f;
}

}  // namespace sprig
