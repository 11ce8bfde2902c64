#include "settings/options_form.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <utility>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

constexpr const char* kAlwaysIgnored = "[]";

// A leading integer of at least 1 that fits an int; value stays as it was
// when the text starts with none.
void readStepCount(const std::string& text, int& value)
{
    char* end = nullptr;
    errno = 0;
    const long read = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() && errno != ERANGE && read >= 1 && read <= INT_MAX) value = static_cast<int>(read);
}

// The check boxes that show an option or a setting as it stands.
constexpr std::pair<bool OptionsForm::*, bool OptionValues::*> kOptionBoxes[] = {
    {&OptionsForm::interpretEF, &OptionValues::interpretEF},
    {&OptionsForm::differentiateEFWidth, &OptionValues::differentiateEFWidth},
    {&OptionsForm::differentiateEFColor, &OptionValues::differentiateEFColor},
    {&OptionsForm::widthInPixels, &OptionValues::widthInPixels},
    {&OptionsForm::segmentActiveWidth, &OptionValues::segmentActiveWidth},
    {&OptionsForm::segmentBeginSphere, &OptionValues::segmentBeginSphere},
    {&OptionsForm::segmentEndSphere, &OptionValues::segmentEndSphere},
    {&OptionsForm::drawGround, &OptionValues::drawGround},
};
constexpr std::pair<bool OptionsForm::*, bool Settings::*> kSettingBoxes[] = {
    {&OptionsForm::showDefinitionText, &Settings::showDefinitionText},
    {&OptionsForm::showOptionsText, &Settings::showOptionsText},
    {&OptionsForm::showStringText, &Settings::showStringText},
    {&OptionsForm::showInformation, &Settings::showInformation},
    {&OptionsForm::beepWhenDone, &Settings::beepWhenDone},
    {&OptionsForm::colourEffect, &Settings::colourEffect},
};

}  // namespace

OptionsForm optionsForm(const Settings& settings)
{
    OptionsForm form;
    for (const auto& [box, option] : kOptionBoxes) form.*box = settings.chosen.*option;
    for (const auto& [box, setting] : kSettingBoxes) form.*box = settings.*setting;
    form.ignoreSymbols = settings.ignoreSymbols.substr(std::char_traits<char>::length(kAlwaysIgnored));
    form.stepCount = std::to_string(settings.stepCount);
    form.only2d = settings.chosen.drawDimensions == 2;
    form.centred = !settings.placeAtBottom;
    form.automaticLength = !settings.fixedSegmentLength;
    form.segmentLength = settings.segmentLengthText;
    form.defaultAngle = formatFixed(settings.defaultAngle);
    return form;
}

OptionsForm startUpOptionsForm(const Settings& settings)
{
    OptionsForm form = optionsForm(settings);
    char text[kFixedTextMax];
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text, settings.defaultAngle, std::chars_format::fixed, 1);
    form.defaultAngle.assign(text, written.ptr);
    return form;
}

void applyOptionsForm(OptionsForm& form, Settings& settings)
{
    for (const auto& [box, option] : kOptionBoxes) settings.chosen.*option = form.*box;
    for (const auto& [box, setting] : kSettingBoxes) settings.*setting = form.*box;
    settings.chosen.drawDimensions = form.only2d ? 2 : 3;
    settings.placeAtBottom = !form.centred;
    settings.fixedSegmentLength = !form.automaticLength;
    settings.ignoreSymbols = kAlwaysIgnored + form.ignoreSymbols.substr(0, kIgnoredSymbolsMax);
    settings.segmentLengthText = form.segmentLength;
    float angle = 0.0f;
    if (readLeadingNumber(form.defaultAngle, angle)) settings.defaultAngle = angle;
    readStepCount(form.stepCount, settings.stepCount);
    form = optionsForm(settings);
}

}  // namespace sprig
