#include "settings/options_form.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

constexpr const char* kAlwaysIgnored = "[]";

// A leading integer of at least 1 that fits an int.
bool readStepCount(const std::string& text, int& value)
{
    char* end = nullptr;
    errno = 0;
    const long read = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || errno == ERANGE || read < 1 || read > INT_MAX) return false;
    value = static_cast<int>(read);
    return true;
}

}  // namespace

OptionsForm optionsForm(const Settings& settings)
{
    const OptionValues& chosen = settings.chosen;
    OptionsForm form;
    form.ignoreSymbols = settings.ignoreSymbols.substr(std::char_traits<char>::length(kAlwaysIgnored));
    form.stepCount = std::to_string(settings.stepCount);
    form.showDefinitionText = settings.showDefinitionText;
    form.showOptionsText = settings.showOptionsText;
    form.showStringText = settings.showStringText;
    form.showInformation = settings.showInformation;
    form.beepWhenDone = settings.beepWhenDone;
    form.only2d = chosen.drawDimensions == 2;
    form.interpretEF = chosen.interpretEF;
    form.differentiateEFWidth = chosen.differentiateEFWidth;
    form.differentiateEFColor = chosen.differentiateEFColor;
    form.centred = !settings.placeAtBottom;
    form.automaticLength = !settings.fixedSegmentLength;
    form.colourEffect = settings.colourEffect;
    form.segmentLength = settings.segmentLengthText;
    form.defaultAngle = formatFixed(settings.defaultAngle);
    form.widthInPixels = chosen.widthInPixels;
    form.segmentActiveWidth = chosen.segmentActiveWidth;
    form.segmentBeginSphere = chosen.segmentBeginSphere;
    form.segmentEndSphere = chosen.segmentEndSphere;
    form.drawGround = chosen.drawGround;
    return form;
}

void applyOptionsForm(OptionsForm& form, Settings& settings)
{
    OptionValues& chosen = settings.chosen;
    chosen.drawDimensions = form.only2d ? 2 : 3;
    chosen.interpretEF = form.interpretEF;
    chosen.differentiateEFWidth = form.differentiateEFWidth;
    chosen.differentiateEFColor = form.differentiateEFColor;
    chosen.widthInPixels = form.widthInPixels;
    chosen.segmentActiveWidth = form.segmentActiveWidth;
    chosen.segmentBeginSphere = form.segmentBeginSphere;
    chosen.segmentEndSphere = form.segmentEndSphere;
    chosen.drawGround = form.drawGround;
    settings.showDefinitionText = form.showDefinitionText;
    settings.showOptionsText = form.showOptionsText;
    settings.showStringText = form.showStringText;
    settings.showInformation = form.showInformation;
    settings.beepWhenDone = form.beepWhenDone;
    settings.placeAtBottom = !form.centred;
    settings.fixedSegmentLength = !form.automaticLength;
    settings.colourEffect = form.colourEffect;
    settings.ignoreSymbols = kAlwaysIgnored + form.ignoreSymbols.substr(0, kIgnoredSymbolsMax);
    settings.segmentLengthText = form.segmentLength;
    float angle = 0.0f;
    if (readLeadingNumber(form.defaultAngle, angle)) settings.defaultAngle = angle;
    readStepCount(form.stepCount, settings.stepCount);
    form = optionsForm(settings);
}

}  // namespace sprig
