// The options text: overriding the dialog's choices for one job.

#include <gtest/gtest.h>

#include <utility>

#include "settings/options_file.h"
#include "support/test_job.h"

namespace sprig {
namespace {

struct Outcome {
    int code = -1;
    int errorRow = 0;
};

Outcome readOptions(Settings& settings, const std::vector<std::string>& options,
                    const std::vector<std::string>& definition = {})
{
    Outcome outcome;
    testing::TestJob job;
    outcome.code = ReadOptions(definition, options, settings, outcome.errorRow, job);
    return outcome;
}

TEST(OptionsFile, ALineOverridesTheDialogOnlyWhileItStands)
{
    Settings settings;
    EXPECT_EQ(readOptions(settings, {"draw_ground = on"}).code, kDone);
    EXPECT_TRUE(settings.effective.drawGround);
    EXPECT_FALSE(settings.chosen.drawGround);

    EXPECT_EQ(readOptions(settings, {}).code, kDone);
    EXPECT_FALSE(settings.effective.drawGround);

    settings.chosen.drawDimensions = 2;
    readOptions(settings, {"draw_dimensions=3"});
    EXPECT_EQ(settings.effective.drawDimensions, 3);
    readOptions(settings, {});
    EXPECT_EQ(settings.effective.drawDimensions, 2);
}

// Each line against the dialog's start-up choices: only its own field moves.
TEST(OptionsFile, EverySwitchKeySetsItsOwnField)
{
    const struct {
        const char* line;
        OptionValues expected;
    } cases[] = {
        {"segment_active_width=on", {.segmentActiveWidth = true}},
        {"width_in_pixels=off", {.widthInPixels = false}},
        {"segment_begin_sphere=on", {.segmentBeginSphere = true}},
        {"segment_end_sphere=on", {.segmentEndSphere = true}},
        {"draw_ground=on", {.drawGround = true}},
        {"interpret_EF=on", {.interpretEF = true}},
        {"differentiate_EF_width=on", {.differentiateEFWidth = true}},
        {"differentiate_EF_color=on", {.differentiateEFColor = true}},
        {"draw_dimensions=2", {.drawDimensions = 2}},
    };
    for (const auto& c : cases) {
        Settings settings;
        ASSERT_EQ(readOptions(settings, {c.line}).code, kDone) << c.line;
        EXPECT_EQ(settings.effective, c.expected) << c.line;
    }
}

TEST(OptionsFile, SwitchAndDimensionLinesMustMatchWhole)
{
    for (const char* line : {"Draw_ground=on", "draw_ground=onx", "draw_ground=", "draw_ground=ON", "draw_dimensions=4",
                             "draw_dimensions=2x", "/ comment", "distance=abc", "distance", "width_decrement=-",
                             "width_decrement=1e39", "distance=-4e38"}) {  // beyond the largest float
        Settings settings;
        const Outcome outcome = readOptions(settings, {"// first", "", line});
        EXPECT_EQ(outcome.code, kOptionsSyntaxError) << line;
        EXPECT_EQ(outcome.errorRow, 3) << line;
    }
}

TEST(OptionsFile, NumericKeysReadALeadingNumber)
{
    Settings settings;
    ASSERT_EQ(readOptions(settings, {"distance=12.5", "translation_x=-3x", "translation_y=1e2", "translation_z=.25",
                                     "width_increment=3"})
                  .code,
              0);
    const std::pair<float Settings::*, float> values[] = {
        {&Settings::cameraDistance, 12.5f}, {&Settings::translationX, -3.0f},  {&Settings::translationY, 100.0f},
        {&Settings::translationZ, 0.25f},   {&Settings::widthIncrement, 3.0f}, {&Settings::widthDecrement, 1.0f}};
    for (const auto& [field, value] : values) EXPECT_FLOAT_EQ(settings.*field, value);
    const auto given = {&Settings::cameraDistanceGiven, &Settings::translationXGiven, &Settings::translationYGiven,
                        &Settings::translationZGiven};
    for (bool Settings::*flag : given) EXPECT_TRUE(settings.*flag);

    // The next job starts again from the defaults; the last line wins.
    readOptions(settings, {"width_decrement=0.5", "width_decrement=2"});
    EXPECT_FLOAT_EQ(settings.widthDecrement, 2.0f);
    EXPECT_FLOAT_EQ(settings.widthIncrement, 1.0f);
    for (bool Settings::*flag : given) EXPECT_FALSE(settings.*flag);
}

TEST(OptionsFile, CommentsEmptyLinesAndLineFeedsAreAcceptedAnywhere)
{
    Settings settings;
    EXPECT_EQ(readOptions(settings, {"", "// x", "draw_dimensions=2\n", "   ", "//", "// draw_ground=on"}).code, kDone);
    EXPECT_EQ(settings.effective.drawDimensions, 2);
    EXPECT_FALSE(settings.effective.drawGround);
}

TEST(OptionsFile, LongLinesAreCutTo254CharactersBeforeSpacesGo)
{
    Settings settings;
    EXPECT_EQ(readOptions(settings, {"draw_ground=on" + std::string(300, ' ')}).code, kDone);
    EXPECT_TRUE(settings.effective.drawGround);

    const Outcome cut = readOptions(settings, {std::string(250, ' ') + "draw_ground=on"});
    EXPECT_EQ(cut.code, kOptionsSyntaxError);
    EXPECT_EQ(cut.errorRow, 1);
}

TEST(OptionsFile, AnErrorKeepsWhatEarlierLinesSet)
{
    Settings settings;
    const Outcome outcome = readOptions(settings, {"draw_ground=on", "bad", "width_in_pixels=off"});
    EXPECT_EQ(outcome.code, kOptionsSyntaxError);
    EXPECT_EQ(outcome.errorRow, 2);
    EXPECT_TRUE(settings.effective.drawGround);
    EXPECT_TRUE(settings.effective.widthInPixels);
}

TEST(OptionsFile, HomomorphismLineIsDetectedInTheDefinition)
{
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"axiom F", " homo morphism \n"}, true},
        {{"axiom F", "homomorphism x"}, false},
        {{"homomorphism" + std::string(300, ' ')}, true},
        {{std::string(250, ' ') + "homomorphism"}, false},
    };
    Settings settings;
    for (const auto& [definition, found] : cases) {
        readOptions(settings, {}, definition);
        EXPECT_EQ(settings.hasHomomorphism, found) << definition.back();
    }
    readOptions(settings, {}, {"homomorphism"});
    ASSERT_TRUE(settings.hasHomomorphism);
    const Outcome failed = readOptions(settings, {"bad"}, {"axiom F"});
    EXPECT_EQ(failed.code, kOptionsSyntaxError);
    EXPECT_FALSE(settings.hasHomomorphism);
}

TEST(OptionsFile, EveryJobLogsTheSeparator)
{
    Settings settings;
    testing::TestJob job;
    int row = 0;
    EXPECT_EQ(ReadOptions({}, {}, settings, row, job), kDone);
    EXPECT_EQ(ReadOptions({}, {"bad"}, settings, row, job), kOptionsSyntaxError);
    EXPECT_EQ(job.log, (std::vector<std::string>{"----------", "----------"}));
}

TEST(OptionsFile, OptionsPathReplacesTheLastTwoCharacters)
{
    const std::pair<const char*, const char*> paths[] = {
        {"/home/u/x.ls", "/home/u/x.op"}, {"plant.LS", "plant.op"}, {"a.lsys", "a.lsop"}};
    for (const auto& [definition, options] : paths) EXPECT_EQ(optionsPathFor(definition), options);
}

}  // namespace
}  // namespace sprig
