// The options dialog's working copy: its initial texts and states, what OK
// stores, and the texts OK refuses.

#include <gtest/gtest.h>

#include <functional>

#include "settings/options_form.h"

namespace sprig {
namespace {

TEST(OptionsForm, StartsWithTheDialogsInitialTextsAndStates)
{
    const OptionsForm form = optionsForm(Settings{});
    EXPECT_EQ(form.ignoreSymbols, "{}");
    EXPECT_EQ(form.stepCount, "10");
    EXPECT_EQ(form.defaultAngle, "90.000000");
    for (bool checked : {form.showDefinitionText, form.showOptionsText, form.showStringText, form.showInformation,
                         form.centred, form.automaticLength, form.widthInPixels})
        EXPECT_TRUE(checked);
    for (bool checked : {form.beepWhenDone, form.only2d, form.interpretEF, form.differentiateEFWidth,
                         form.differentiateEFColor, form.colourEffect, form.segmentActiveWidth,
                         form.segmentBeginSphere, form.segmentEndSphere, form.drawGround})
        EXPECT_FALSE(checked);
}

// Each control against the setting it names; OK stores it, and nothing in
// force for the current job changes.
TEST(OptionsForm, OkStoresEachControlInItsSetting)
{
    struct Row {
        const char* control;
        std::function<void(OptionsForm&)> change;
        std::function<bool(const Settings&)> stored;
    };
    const Row rows[] = {
        {"Edit5", [](OptionsForm& f) { f.ignoreSymbols = "AB"; }, [](const Settings& s) { return s.ignoreSymbols == "[]AB"; }},
        {"Edit8", [](OptionsForm& f) { f.stepCount = "25"; }, [](const Settings& s) { return s.stepCount == 25; }},
        {"CheckBox16", [](OptionsForm& f) { f.showDefinitionText = false; }, [](const Settings& s) { return !s.showDefinitionText; }},
        {"CheckBox1", [](OptionsForm& f) { f.showOptionsText = false; }, [](const Settings& s) { return !s.showOptionsText; }},
        {"CheckBox17", [](OptionsForm& f) { f.showStringText = false; }, [](const Settings& s) { return !s.showStringText; }},
        {"CheckBox8", [](OptionsForm& f) { f.showInformation = false; }, [](const Settings& s) { return !s.showInformation; }},
        {"CheckBox18", [](OptionsForm& f) { f.beepWhenDone = true; }, [](const Settings& s) { return s.beepWhenDone; }},
        {"CheckBox10", [](OptionsForm& f) { f.only2d = true; }, [](const Settings& s) { return s.chosen.drawDimensions == 2; }},
        {"CheckBox15", [](OptionsForm& f) { f.interpretEF = true; }, [](const Settings& s) { return s.chosen.interpretEF; }},
        {"CheckBox6", [](OptionsForm& f) { f.differentiateEFWidth = true; }, [](const Settings& s) { return s.chosen.differentiateEFWidth; }},
        {"CheckBox7", [](OptionsForm& f) { f.differentiateEFColor = true; }, [](const Settings& s) { return s.chosen.differentiateEFColor; }},
        {"CheckBox11", [](OptionsForm& f) { f.centred = false; }, [](const Settings& s) { return s.placeAtBottom; }},
        {"CheckBox12", [](OptionsForm& f) { f.automaticLength = false; }, [](const Settings& s) { return s.fixedSegmentLength; }},
        {"CheckBox13", [](OptionsForm& f) { f.colourEffect = true; }, [](const Settings& s) { return s.colourEffect; }},
        {"Edit6", [](OptionsForm& f) { f.segmentLength = "7,5"; }, [](const Settings& s) { return s.segmentLengthText == "7,5"; }},
        {"Edit7", [](OptionsForm& f) { f.defaultAngle = "22.500000"; }, [](const Settings& s) { return s.defaultAngle == 22.5f; }},
        {"RadioGroup1", [](OptionsForm& f) { f.widthInPixels = false; }, [](const Settings& s) { return !s.chosen.widthInPixels; }},
        {"CheckBox2", [](OptionsForm& f) { f.segmentActiveWidth = true; }, [](const Settings& s) { return s.chosen.segmentActiveWidth; }},
        {"CheckBox3", [](OptionsForm& f) { f.segmentBeginSphere = true; }, [](const Settings& s) { return s.chosen.segmentBeginSphere; }},
        {"CheckBox4", [](OptionsForm& f) { f.segmentEndSphere = true; }, [](const Settings& s) { return s.chosen.segmentEndSphere; }},
        {"CheckBox5", [](OptionsForm& f) { f.drawGround = true; }, [](const Settings& s) { return s.chosen.drawGround; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        Settings settings;
        OptionsForm form = optionsForm(settings);
        row.change(form);
        EXPECT_FALSE(row.stored(settings));
        const OptionsForm changed = form;
        applyOptionsForm(form, settings);
        EXPECT_TRUE(row.stored(settings));
        EXPECT_EQ(settings.effective, OptionValues{});
        EXPECT_EQ(form, changed);
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
        {"12.5deg", "25 steps", 12.5f, 25, "12.500000", "25"},
        {"-30", "99999999999", -30.0f, 10, "-30.000000", "10"},
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
