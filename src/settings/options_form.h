#pragma once
// The options dialog's controls as plain values: filled from the settings
// when the dialog is opened or cancelled, and copied into them by OK.

#include <string>

#include "settings/settings.h"

namespace sprig {

struct OptionsForm {
    // "Všeobecné"
    std::string ignoreSymbols;  // ignoreSymbols after its leading "[]"
    std::string stepCount;
    bool showDefinitionText = true;
    bool showOptionsText = true;
    bool showStringText = true;
    bool showInformation = true;
    bool beepWhenDone = false;
    // "Grafika"
    bool only2d = false;  // drawDimensions 2
    bool interpretEF = false;
    bool differentiateEFWidth = false;
    bool differentiateEFColor = false;
    bool centred = true;          // not placeAtBottom
    bool automaticLength = true;  // not fixedSegmentLength
    bool colourEffect = false;
    std::string segmentLength;
    std::string defaultAngle;
    bool widthInPixels = true;
    // "Grafika 3D"
    bool segmentActiveWidth = false;
    bool segmentBeginSphere = false;
    bool segmentEndSphere = false;
    bool drawGround = false;

    bool operator==(const OptionsForm&) const = default;
};

// ignoreSymbols holds at most this many characters after its "[]".
inline constexpr std::size_t kIgnoredSymbolsMax = 253;

OptionsForm optionsForm(const Settings& settings);
// The form the dialog is created with: the same, but the angle with one
// decimal ("90.0"), as the dialog shows it until OK or Cancel rewrites it.
OptionsForm startUpOptionsForm(const Settings& settings);

// OK: the chosen values and the dialog-only settings take the form's values.
// An angle that does not start with a number, or a step count that does not
// start with an integer of at least 1, keeps the old value; ignored symbols
// beyond kIgnoredSymbolsMax are cut. The form then shows the settings again,
// numbers in their own format. No effective value changes.
void applyOptionsForm(OptionsForm& form, Settings& settings);

}  // namespace sprig
