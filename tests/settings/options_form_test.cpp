// The options dialog's working copy: its initial texts and states, what OK
// stores, and the texts OK refuses.

#include <gtest/gtest.h>

#include "settings/options_form.h"

namespace sprig {
namespace {

TEST(OptionsForm, StartsWithTheDialogsInitialTextsAndStates)
{
    const OptionsForm form = startUpOptionsForm(Settings{});
    EXPECT_EQ(form.ignoreSymbols, "{}");
    EXPECT_EQ(form.stepCount, "10");
    // The angle shows one decimal until OK or Cancel writes it in "%f".
    EXPECT_EQ(form.defaultAngle, "90.0");
    EXPECT_EQ(optionsForm(Settings{}).defaultAngle, "90.000000");
    for (bool checked : {form.showDefinitionText, form.showOptionsText, form.showStringText, form.showInformation,
                         form.centred, form.automaticLength, form.widthInPixels})
        EXPECT_TRUE(checked);
    for (bool checked :
         {form.beepWhenDone, form.only2d, form.interpretEF, form.differentiateEFWidth, form.differentiateEFColor,
          form.colourEffect, form.segmentActiveWidth, form.segmentBeginSphere, form.segmentEndSphere, form.drawGround})
        EXPECT_FALSE(checked);
}

// Each control against the setting it names, read as the control shows it;
// OK stores it, and nothing in force for the current job changes.
TEST(OptionsForm, OkStoresEachCheckBoxInItsSetting)
{
    struct Row {
        const char* control;
        bool OptionsForm::*box;
        bool (*setting)(const Settings&);
    };
    const Row rows[] = {
        {"CheckBox16", &OptionsForm::showDefinitionText, [](const Settings& s) { return s.showDefinitionText; }},
        {"CheckBox1", &OptionsForm::showOptionsText, [](const Settings& s) { return s.showOptionsText; }},
        {"CheckBox17", &OptionsForm::showStringText, [](const Settings& s) { return s.showStringText; }},
        {"CheckBox8", &OptionsForm::showInformation, [](const Settings& s) { return s.showInformation; }},
        {"CheckBox18", &OptionsForm::beepWhenDone, [](const Settings& s) { return s.beepWhenDone; }},
        {"CheckBox10", &OptionsForm::only2d, [](const Settings& s) { return s.chosen.drawDimensions == 2; }},
        {"CheckBox15", &OptionsForm::interpretEF, [](const Settings& s) { return s.chosen.interpretEF; }},
        {"CheckBox6", &OptionsForm::differentiateEFWidth,
         [](const Settings& s) { return s.chosen.differentiateEFWidth; }},
        {"CheckBox7", &OptionsForm::differentiateEFColor,
         [](const Settings& s) { return s.chosen.differentiateEFColor; }},
        {"CheckBox11", &OptionsForm::centred, [](const Settings& s) { return !s.placeAtBottom; }},
        {"CheckBox12", &OptionsForm::automaticLength, [](const Settings& s) { return !s.fixedSegmentLength; }},
        {"CheckBox13", &OptionsForm::colourEffect, [](const Settings& s) { return s.colourEffect; }},
        {"RadioGroup1", &OptionsForm::widthInPixels, [](const Settings& s) { return s.chosen.widthInPixels; }},
        {"CheckBox2", &OptionsForm::segmentActiveWidth, [](const Settings& s) { return s.chosen.segmentActiveWidth; }},
        {"CheckBox3", &OptionsForm::segmentBeginSphere, [](const Settings& s) { return s.chosen.segmentBeginSphere; }},
        {"CheckBox4", &OptionsForm::segmentEndSphere, [](const Settings& s) { return s.chosen.segmentEndSphere; }},
        {"CheckBox5", &OptionsForm::drawGround, [](const Settings& s) { return s.chosen.drawGround; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        Settings settings;
        OptionsForm form = optionsForm(settings);
        const bool before = row.setting(settings);
        EXPECT_EQ(form.*row.box, before);
        form.*row.box = !before;
        const OptionsForm changed = form;
        applyOptionsForm(form, settings);
        EXPECT_EQ(row.setting(settings), !before);
        EXPECT_EQ(form, changed);
        EXPECT_EQ(settings.effective, OptionValues{});
    }
}

TEST(OptionsForm, OkStoresEachEditFieldInItsSetting)
{
    struct Row {
        const char* control;
        std::string OptionsForm::*text;
        const char* typed;
        bool (*stored)(const Settings&);
    };
    const Row rows[] = {
        {"Edit5", &OptionsForm::ignoreSymbols, "AB", [](const Settings& s) { return s.ignoreSymbols == "[]AB"; }},
        {"Edit8", &OptionsForm::stepCount, "25", [](const Settings& s) { return s.stepCount == 25; }},
        {"Edit6", &OptionsForm::segmentLength, "7,5", [](const Settings& s) { return s.segmentLengthText == "7,5"; }},
        {"Edit7", &OptionsForm::defaultAngle, "22.500000", [](const Settings& s) { return s.defaultAngle == 22.5f; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        Settings settings;
        OptionsForm form = optionsForm(settings);
        form.*row.text = row.typed;
        applyOptionsForm(form, settings);
        EXPECT_TRUE(row.stored(settings));
        EXPECT_EQ(form.*row.text, row.typed);
    }
}

// Unreadable numbers keep the old value, which the field shows again.
TEST(OptionsForm, OkRefusesAnglesAndStepCountsThatCannotBeRead)
{
    struct Row {
        const char* angle;
        const char* steps;
        float storedAngle;
        int storedSteps;
        const char* shownAngle;
        const char* shownSteps;
    };
    const Row rows[] = {
        {"abc", "0", 90.0f, 10, "90.000000", "10"},
        {"", "-5", 90.0f, 10, "90.000000", "10"},
        {"1e40", "x3", 1.0f, 10, "1.000000", "10"},
        {"12.5deg", "1 step", 12.5f, 1, "12.500000", "1"},
        {"-30", "2147483648", -30.0f, 10, "-30.000000", "10"},
        {"0", "2147483647", 0.0f, 2147483647, "0.000000", "2147483647"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.angle);
        Settings settings;
        OptionsForm form = optionsForm(settings);
        form.defaultAngle = row.angle;
        form.stepCount = row.steps;
        applyOptionsForm(form, settings);
        EXPECT_EQ(settings.defaultAngle, row.storedAngle);
        EXPECT_EQ(settings.stepCount, row.storedSteps);
        EXPECT_EQ(form.defaultAngle, row.shownAngle);
        EXPECT_EQ(form.stepCount, row.shownSteps);
    }
}

TEST(OptionsForm, IgnoredSymbolsAreCutToWhatTheSettingHolds)
{
    Settings settings;
    OptionsForm form = optionsForm(settings);
    form.ignoreSymbols = std::string(300, 'A');
    applyOptionsForm(form, settings);
    EXPECT_EQ(settings.ignoreSymbols, "[]" + std::string(253, 'A'));
    EXPECT_EQ(form.ignoreSymbols, std::string(253, 'A'));
}

}  // namespace
}  // namespace sprig
