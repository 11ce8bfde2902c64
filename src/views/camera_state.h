#pragma once
// Where the 3D view's camera stands and how the camera window moves it.

namespace sprig {

struct CameraState {
    float elevation = 90.0f;  // degrees, rotation about x (applied negated)
    float azimuth = -90.0f;   // degrees, rotation about z
    float elevationStep = 9.0f;
    float azimuthStep = 9.0f;
    float translationX = 0.0f;  // scene point shown at the centre of the view
    float translationY = 0.0f;
    float translationZ = 0.0f;
    float groundHalfSize = 1.0f;  // half the ground square's side; axis length
    bool axesVisible = false;
    double distance = 20.0;
    // Entered as a single-precision 1.2, so it is 1.2000000476837158.
    double distanceFactor = static_cast<double>(1.2f);
};

}  // namespace sprig
