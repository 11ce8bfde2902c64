#pragma once
// The program-wide options: what the options dialog chose, and what is in
// force for the current job after the options file's lines were applied.

#include <string>

namespace sprig {

struct OptionValues {
    int drawDimensions = 3;
    bool segmentActiveWidth = false;
    bool segmentBeginSphere = false;
    bool segmentEndSphere = false;
    bool widthInPixels = true;
    bool drawGround = false;
    bool interpretEF = false;
    bool differentiateEFWidth = false;
    bool differentiateEFColor = false;

    bool operator==(const OptionValues&) const = default;
};

struct Settings {
    OptionValues chosen;
    OptionValues effective;

    // Set only by the options file, reset at the start of every job.
    float widthDecrement = 1.0f;
    float widthIncrement = 1.0f;
    float cameraDistance = 0.0f;
    bool cameraDistanceGiven = false;
    float translationX = 0.0f;
    bool translationXGiven = false;
    float translationY = 0.0f;
    bool translationYGiven = false;
    float translationZ = 0.0f;
    bool translationZGiven = false;

    // Chosen in the dialog alone.
    std::string ignoreSymbols = "[]{}";
    float defaultAngle = 90.0f;
    int stepCount = 10;
    bool placeAtBottom = false;
    bool fixedSegmentLength = false;
    float segmentLength = 1.0f;
    std::string segmentLengthText = "1";
    bool colourEffect = false;
    bool beepWhenDone = false;
    bool showDefinitionText = true;
    bool showStringText = true;
    bool showOptionsText = true;
    bool showInformation = true;

    int appliedDrawDimensions = 3;
    bool hasHomomorphism = false;
};

}  // namespace sprig
