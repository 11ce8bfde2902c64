// Reading the lines of a definition: preparation, keyword lines, sections.

#include <gtest/gtest.h>

#include <tuple>

#include "parse_helper.h"

namespace sprig {
namespace {

using testing::Parsed;
using testing::parseLines;
using testing::successors;
using Lines = std::vector<std::string>;

TEST(DefinitionLines, KeywordsAreLowerCasePrefixesAndOnlySpacesAndOneLineFeedGo)
{
    const std::pair<Lines, std::string> cases[] = {
        {{"axiom F F"}, "FF"},
        {{"axiom F\n"}, "F"},
        {{"axiom F\tG\r"}, "F\tG\r"},
        {{std::string("axiom \x01\xff\0B\x80", 11)}, std::string("\x01\xff\0B\x80", 5)},
        {{"Axiom F"}, ""},
        {{"axiomatic"}, "atic"},
        {{"axiom A", "axiom B"}, "B"},
        {{"#F->FF"}, ""},
    };
    for (const auto& [lines, axiom] : cases) {
        const Parsed parsed = parseLines(lines);
        EXPECT_EQ(parsed.code, kDone) << lines[0];
        EXPECT_EQ(parsed.model.axiom, axiom) << lines[0];
    }
    // Lines longer than 254 characters fail, even as comments.
    EXPECT_EQ(parseLines({std::string(254, 'x')}).code, kDone);
    EXPECT_EQ(parseLines({"axiom F", std::string(255, 'x')}).code, kIoError);
    EXPECT_EQ(parseLines({std::string(255, ' ')}).code, kIoError);
}

TEST(DefinitionLines, KeywordLineErrorsGiveTheirRowAndDetail)
{
    struct Case {
        Lines lines;
        int row;
        const char* detail;
    };
    const Case cases[] = {
        {{"axiom F", "// note", "axiom   ", "#F->G"}, 3, "Axiom musí obsahovať aspoň 1 symbol"},
        {{"axiom F", "ignore "}, 2, "Za ignore musí nasledovať aspoň 1 symbol"},
        {{"ignore" + std::string(100, '+')}, 1, "Za ignore môže nasledovať max. 99 symbolov"},
        {{"axiom F", "define A5"}, 2, "Riadok musí obsahovať znak '='"},
        {{"define A="}, 1, "Chýba číselná hodnota konštanty"},
        {{"define =5"}, 1, "Chýba názov konštanty"},
        {{"define ="}, 1, "Chýba číselná hodnota konštanty"},
        {{"angle"}, 1, "Za angle chýba číselná hodnota"},
        {{"axiom F", "angle=30"}, 2, "Chybný zápis číselnej hodnoty"},
        // Beyond the largest float (about 3.4e38) there is no angle.
        {{"axiom F", "angle 30", "angle 1e39"}, 3, "Chybný zápis číselnej hodnoty"},
        {{"angle -4e38"}, 1, "Chybný zápis číselnej hodnoty"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = parseLines(c.lines);
        EXPECT_EQ(parsed.code, kDefinitionLineError) << c.detail;
        EXPECT_EQ(parsed.report.ErrorRow, c.row) << c.detail;
        EXPECT_EQ(parsed.report.ErrorDetail, c.detail);
    }
    EXPECT_EQ(parseLines({"axiom F", "// note", ""}).report.ErrorRow, 3);
}

TEST(DefinitionLines, IgnoreReplacesTheSettingsSymbols)
{
    Settings settings;
    settings.ignoreSymbols = "[]+-";
    EXPECT_EQ(parseLines({"axiom F"}, ParseMode::Rules, settings).model.ignoreSet, "[]+-");
    EXPECT_EQ(parseLines({"ignore A B"}, ParseMode::Rules, settings).model.ignoreSet, "AB[]");
    EXPECT_EQ(parseLines({"ignore" + std::string(99, '+')}).model.ignoreSet, std::string(99, '+') + "[]");
}

TEST(DefinitionLines, DefineSplitsAtTheFirstEquals)
{
    const Parsed parsed = parseLines({"define a = b=c", "define A=5", "#X->AB"});
    ASSERT_EQ(std::tuple(parsed.code, parsed.model.constants.size(), successors(parsed.model)),
              std::tuple(kDone, 2u, Lines{"5B"}));
    EXPECT_EQ(std::tuple(parsed.model.constants[0].name, parsed.model.constants[0].value), std::tuple("a", "b=c"));
}

TEST(DefinitionLines, DefaultNeedsSymbolAndParenthesesAndStoresNoDetail)
{
    EXPECT_EQ(parseLines({"default U(1.67, 7)", "default +(30)"}).model.defaults,
              (std::vector<DefaultEntry>{"U(1.67,7)", "+(30)"}));
    for (const char* line : {"default", "default U", "defaultU(1", "defaultU1)", "default(", "default()"}) {
        Parsed bad;
        bad.report.ErrorDetail = "earlier";
        LcgRandom random;
        bad.code = ParseLSystem({"// c", line}, ParseMode::Rules, Settings{}, random, bad.model, bad.report);
        EXPECT_EQ(bad.code, kDefinitionLineError) << line;
        EXPECT_EQ(bad.report.ErrorRow, 2) << line;
        EXPECT_EQ(bad.report.ErrorDetail, "earlier") << line;
    }
}

TEST(DefinitionLines, AngleReadsALeadingNumberElseKeepsTheSetting)
{
    Settings settings;
    settings.defaultAngle = 45.0f;
    const std::tuple<Lines, float, bool> cases[] = {{{"axiom F"}, 45.0f, false},
                                                    {{"angle 25.7deg"}, 25.7f, true},
                                                    {{"angle -1.5e1"}, -15.0f, true},
                                                    {{"angle 30", "angle .5"}, 0.5f, true},
                                                    {{"angle 1e-50"}, 0.0f, true}};  // below the smallest float
    for (const auto& [lines, angle, given] : cases) {
        const Parsed parsed = parseLines(lines, ParseMode::Rules, settings);
        EXPECT_FLOAT_EQ(parsed.model.angle, angle) << lines.back();
        EXPECT_EQ(parsed.model.angleGiven, given) << lines.back();
    }
}

TEST(DefinitionSections, ModeChoosesTheRulesAroundTheHomomorphismLine)
{
    const Lines lines{"axiom A", "#A->B", "homo morphism", "angle 30", "#A->C", "#B(x)->D"};
    const Parsed rules = parseLines(lines, ParseMode::Rules);
    EXPECT_EQ(std::tuple(rules.code, successors(rules.model), rules.model.angle, rules.report.IsParametric,
                         rules.model.defaults.size()),
              std::tuple(kDone, Lines{"B"}, 30.0f, false, 0u));
    const Parsed homomorphism = parseLines(lines, ParseMode::Homomorphism);
    EXPECT_EQ(std::tuple(homomorphism.code, successors(homomorphism.model), homomorphism.report.IsParametric,
                         homomorphism.model.defaults.size()),
              std::tuple(kDone, Lines{"C", "D"}, true, 6u));
    // Only the kept section's rules are checked.
    const Lines broken{"#A->B", "homomorphism", "#broken"};
    EXPECT_EQ(parseLines(broken, ParseMode::Rules).code, kDone);
    EXPECT_EQ(parseLines(broken, ParseMode::Homomorphism).code, kOutOfMemory);
    EXPECT_EQ(successors(parseLines({"homomorphism x", "#A->B"}).model), Lines{"B"});
}

TEST(DefinitionSections, IsParametricIsWrittenOnlyAfterTheWholeLoop)
{
    Parsed parsed;
    LcgRandom random;
    parsed.report.IsParametric = true;
    parsed.code = ParseLSystem({"#A->B", "axiom"}, ParseMode::Rules, Settings{}, random, parsed.model, parsed.report);
    EXPECT_EQ(std::tuple(parsed.code, parsed.report.IsParametric), std::tuple(kDefinitionLineError, true));
    parsed.code = ParseLSystem({"#A->B"}, ParseMode::Rules, Settings{}, random, parsed.model, parsed.report);
    EXPECT_EQ(std::tuple(parsed.code, parsed.report.IsParametric), std::tuple(kDone, false));
}

}  // namespace
}  // namespace sprig
