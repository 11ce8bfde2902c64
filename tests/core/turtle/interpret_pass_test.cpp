// The pass as a whole: result codes for strings that are not well formed,
// the header, the temporary file, progress, stop and the log.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "interpretation_fixture.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

using ::testing::ElementsAre;

class InterpretPass : public ::testing::Test {
protected:
    InterpretPass()
    {
        t.use3D();
        t.settings.fixedSegmentLength = false;
    }
    Interpretation t;
};

// A list of count values.
std::string list(int count, const std::string& value)
{
    std::string text = "(";
    for (int i = 0; i < count; ++i) text += (i ? "," : "") + value;
    return text + ")";
}

// What a string records and the pass returns. Not well formed, and so I/O
// errors after the symbols before the bad one are applied: ']' without '[';
// a line feed or the end of the file inside a list; parameters that are not
// plain numbers or too large for a float, or spaces only; more than 20
// parameters or more than 511 characters in one. Headers and empty strings
// (a long first token is just not "n": parametric), and openings without
// their ends, which are no errors; a polygon never closed is not counted.
TEST_F(InterpretPass, StringsWellAndBadlyFormed)
{
    const std::string n = "n\n90.000000\n";
    std::vector<std::string> failing{"n\nangle\nF", n + "F" + list(21, "1"), n + "F(0." + std::string(510, '1') + ")",
                                     n + "F(" + std::string(100000, ' ') + "1)"};
    for (const char* bad : {"(1,2\nF", "(1", "(a)", "((1.5))", "(nan)", "(inf)", "(1e39)", "( )", "(-)"})
        failing.push_back(n + "F" + bad);
    for (const std::string& file : failing) {
        SCOPED_TRACE(file.substr(0, 40));
        EXPECT_EQ(t.runFile(file).code, kIoError);
        EXPECT_EQ(std::pair(t.scene.elementCount(), t.scene.sceneComplete), std::pair(0, false));
    }
    EXPECT_EQ(t.runFile(n + "F]").code, kIoError);
    EXPECT_EQ(std::pair(t.scene.elementCount(), t.scene.sceneComplete), std::pair(1, false));
    // Strings that are read whole, and the elements they record.
    const std::pair<std::string, int> cases[] = {
        {n + "+" + list(20, "1"), 0},
        {n + "F(0." + std::string(509, '1') + ")", 1},
        {n, 0},
        {"", 0},
        {"p", 0},
        {"n", 0},
        {std::string(1000, 'n') + "\nF", 1},
        {n + "[F{.F.F", 3},
        {n + "}", 0},
    };
    for (const auto& [file, elements] : cases) {
        SCOPED_TRACE(file.substr(0, 40));
        const InterpretResult r = t.runFile(file);
        EXPECT_EQ(std::tuple(r.code, r.segmentTotal, r.polygonTotal), std::tuple(kDone, elements, 0));
        EXPECT_EQ(std::pair(t.scene.elementCount(), t.scene.sceneComplete), std::pair(elements, true));
    }
}

TEST_F(InterpretPass, EveryByteIsASymbolAndLongOrDeepStringsAreReadWhole)
{
    std::string string = "[";
    for (int c = 0; c < 256; ++c) {
        if (c != '(') string += static_cast<char>(c);
    }
    const InterpretResult r = t.run(string);
    EXPECT_EQ(r.code, kDone);
    EXPECT_EQ(r.segmentTotal, 2);  // F and G
    // A string longer than one read of the file is read to its end, and deep
    // branches need no stack of fixed size.
    EXPECT_EQ(t.run(std::string(3 << 20, 'F')).segmentTotal, 3 << 20);
    EXPECT_EQ(t.run(std::string(100000, '[') + "F" + std::string(100000, ']') + "F").code, kDone);
    EXPECT_EQ(t.scene.element(1).end, (Vec3{0, 0, 1}));
}

TEST_F(InterpretPass, MissingFileAndMissingTarget)
{
    EXPECT_EQ(interpretString(t.requestFor(t.dir.file("missing.str"))).code, kIoError);
    InterpretRequest request = t.requestFor(t.dir.write("a.str", "p\nF"));
    request.scene = nullptr;
    EXPECT_EQ(interpretString(request).code, kGraphicsError);
    t.use2D();
    request.canvas = nullptr;
    request.scene = &t.scene;
    EXPECT_EQ(interpretString(request).code, kGraphicsError);
}

TEST_F(InterpretPass, OnlyTheTemporaryHomomorphismFileIsDeleted)
{
    struct Case {
        const char* name;
        const char* string;
        bool isTemporary;
        bool remains;
    };
    const Case cases[] = {
        {"a_001.sth", "p\nF", true, false}, {"b_001.sth", "p\nF]", true, false},  // deleted after an error too
        {"c_001.sth", "p\nF", false, true}, {"d.str", "p\nF", true, true},        // never a saved string
        {"e.str", "p\nF]", false, true},    {"f_001.stt", "p\nF", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InterpretRequest request = t.requestFor(t.dir.write(c.name, c.string));
        request.isTemporary = c.isTemporary;
        interpretString(request);
        EXPECT_EQ(fileExists(t.dir.file(c.name)), c.remains);
    }
}

TEST_F(InterpretPass, ProgressOverOneOrTwoPasses)
{
    t.symbolCount = 300;
    t.runFile("p\n" + std::string(300, 'F'));
    EXPECT_THAT(t.job.reports, ElementsAre(33, 66, 100, 100));
    t.use2D();
    t.settings.placeAtBottom = false;
    t.job.reports.clear();
    t.runFile("p\n" + std::string(300, 'F'));
    EXPECT_THAT(t.job.reports, ElementsAre(16, 33, 50, 66, 83, 100, 100));
}

// The stop is asked for at the report after the 100th symbol.
TEST_F(InterpretPass, StopEndsThePassAndDeletesOnlyATemporaryFile)
{
    for (const char* name : {"a_002.sth", "b.str"}) {
        SCOPED_TRACE(name);
        TestJob job;
        job.stopAt = 10;
        InterpretRequest request(t.settings, job, t.dir.write(name, "p\n" + std::string(1000, 'F')));
        request.symbolCount = 1000;
        request.scene = &t.scene;
        request.isTemporary = true;
        EXPECT_EQ(interpretString(request).code, kStopped);
        EXPECT_EQ(std::tuple(t.scene.elementCount(), t.scene.sceneComplete), std::tuple(100, false));
        EXPECT_EQ(fileExists(request.fileName), name[0] == 'b');
    }
}

TEST_F(InterpretPass, LogLinesAndTheSegmentLengthText)
{
    t.settings.segmentLengthText = "2.5";
    InterpretRequest request = t.requestFor(t.dir.write("a.str", "p\nF"));
    interpretString(request);
    EXPECT_THAT(t.job.log, ElementsAre("String interpreting", "Input file: " + request.fileName));
    EXPECT_EQ(t.settings.segmentLengthText, "1");
    t.settings.fixedSegmentLength = true;
    t.settings.segmentLengthText = "2.5";
    interpretString(request);
    EXPECT_EQ(t.settings.segmentLengthText, "2.5");
}

}  // namespace
}  // namespace sprig::testing
