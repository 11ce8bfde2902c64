// Exact canvas calls of short strings in 2D. The drawing is placed at the
// bottom with a fixed segment length of 10, so one turtle step is 10 pixels
// and the start point is pixel (100.5, 100): x pixels are 100 + 10 k.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "interpretation_fixture.h"

namespace sprig::testing {
namespace {

using Calls = std::vector<std::string>;

class Draw2D : public ::testing::Test {
protected:
    Draw2D() { t.use2D(); }

    // Draws string and expects the usual start, then calls; totals of -1 are not checked.
    void expectDrawing(const std::string& string, const Calls& calls, int segments = -1, int polygons = -1)
    {
        SCOPED_TRACE(string);
        const InterpretResult r = t.run(string);
        EXPECT_EQ(std::tuple(r.code, segments < 0 ? -1 : r.segmentTotal, polygons < 0 ? -1 : r.polygonTotal),
                  std::tuple(kDone, segments, polygons));
        ASSERT_GE(t.canvas.calls.size(), 3u);
        EXPECT_EQ(Calls(t.canvas.calls.begin(), t.canvas.calls.begin() + 3), Interpretation::startCalls());
        EXPECT_EQ(t.callsAfterStart(), calls);
    }

    Interpretation t;
};

TEST_F(Draw2D, MovesTurnsAndUnitLengths)
{
    // Up, left, up without drawing, right with G, reverse and move back
    // with g, straight up again with '$' and a double step.
    expectDrawing("F+F-f-G|g$F(2)",
                  {"line 100 90", "line 90 90", "move 90 80", "line 100 80", "move 90 80", "line 90 60"}, 4, 0);
    // '&', '^', '\', '/' leave the heading alone; -(180) turns from up to
    // down, and '-' without a list turns by the file's 90 from up to right.
    expectDrawing("&(30)^(30)\\(30)/(30)F-(180)F$-F", {"line 100 90", "line 100 100", "line 110 100"});
    // 10 * 1.1 = 11, then * 0.9 = 9.9, * 2 = 19.8, * 0.5 = 9.9: y goes
    // -11, -20.9, -40.7, -50.6 and pixels truncate 89, 79.1, 59.3, 49.4.
    expectDrawing("\"F'F\"(2)F'(0.5)F", {"line 100 89", "line 100 79", "line 100 59", "line 100 49"});
}

TEST_F(Draw2D, Widths)
{
    expectDrawing("F(1,3)F(1,-1)!F#F!(2.5)F#(-1)F", {"width 3", "line 100 90",  // F(1,3)
                                                     "width 3", "line 100 80",  // F(1,-1) keeps 3
                                                     "width 2", "line 100 70",  // ! 3 - 1
                                                     "width 3", "line 100 60",  // # 2 + 1
                                                     "width 2", "line 100 50",  // !(2.5), integer part
                                                     "line 100 40"});           // #(-1) changes nothing
    // Steps from the options file: 1 - 0.75 = 0.25 -> pen 0; 0.25 - 0.75
    // clamps at 0; 0 + 2.5 -> pen 2.
    t.settings.widthDecrement = 0.75f;
    t.settings.widthIncrement = 2.5f;
    expectDrawing("!!#", {"width 0", "width 0", "width 2"});
}

TEST_F(Draw2D, Colours)
{
    expectDrawing(";;;;;;,:;(3):(1,0,0):(0.5,0.5,0.5):(1.2,0,0);(16),(1,2);",
                  {"colour 00FFFF00", "colour 000000FF", "colour 00FF00FF", "colour 0000FFFF", "colour 00FFFFFF",
                   "colour 00FFFFFF",    // stays at 15
                   "colour 0000FFFF",    // ',' back to 14
                   "colour 00008080",    // ;(3) olive
                   "colour 000000FF",    // :(1,0,0) red
                   "colour 007F7F7F",    // :(0.5,0.5,0.5)
                   "colour 00000080"});  // ';' continues from index 3
    // The third parameter of F colours without moving the index.
    expectDrawing("F(1,2,12);F(1,1,1,1)F",
                  {"width 2", "colour 000000FF", "line 100 90",
                   "colour 00FFFF00",  // index 10 + 1
                   "width 1",          // F(1,1,1,1): width only, no move
                   "line 100 80"},
                  3);  // the F that does not move still counts
    // The index stops at zero: 11 steps down from 10.
    t.run(",,,,,,,,,,,");
    ASSERT_EQ(t.canvas.calls.size(), 3u + 11u);
    EXPECT_EQ(t.canvas.calls[3], "colour 00FEFFB8");  // 9 pale cyan
    EXPECT_EQ(t.canvas.calls[12], "colour 00000000");
    EXPECT_EQ(t.canvas.calls[13], "colour 00000000");
}

TEST_F(Draw2D, ESegments)
{
    expectDrawing("EEeF", {"line 100 90"}, 1);  // ignored without the option
    t.settings.effective.interpretEF = true;
    t.settings.effective.differentiateEFWidth = true;
    expectDrawing("E(1,3)", {"width 3", "width 12", "line 100 90", "width 3"});
    // Red and wide, then the next F is normal.
    t.settings.effective.differentiateEFColor = true;
    expectDrawing("EFeF",
                  {"colour 000000FF", "width 4", "line 100 90", "colour 0000FF00", "width 1", "line 100 80",
                   "move 100 70", "line 100 60"},
                  3);
}

TEST_F(Draw2D, BranchesAndPolygons)
{
    // ']' restores pen and position.
    expectDrawing("F[+F(1,3);]F", {"line 100 90", "width 3", "line 90 90", "colour 00FFFF00", "colour 0000FF00",
                                   "width 1", "move 100 90", "line 100 80"});
    // v0 = start, v1 left of it, v2 below v1; the outline, then the last F
    // goes on down from v2.
    expectDrawing("{.+F+F}F",
                  {"line 90 100", "line 90 110", "move 100 100", "line 90 100", "line 90 110", "line 100 100",
                   "move 90 110", "line 90 120"},
                  3, 1);
    // {} counts but draws nothing; {.} is one edge from the point to itself;
    // F(1,1,1,1) adds the unchanged position; an unclosed polygon is not drawn.
    expectDrawing("{}{.}{.F(1,1,1,1)}{.F.F",
                  {"move 100 100", "line 100 100", "move 100 100",  // {.}
                   "width 1", "move 100 100", "line 100 100", "line 100 100", "move 100 100", "line 100 90",
                   "line 100 80"},
                  -1, 3);
    // The inner polygon gets only its own vertices; after ']' vertices go to
    // the same (outer) polygon.
    expectDrawing("{.F{.-F}[F]-f}",
                  {"line 100 90",                                               // F, v1 of the outer polygon
                   "line 110 90",                                               // -F in the inner polygon
                   "move 100 90", "line 110 90", "line 100 90", "move 110 90",  // inner
                   "line 120 90", "colour 0000FF00", "width 1", "move 110 90",  // [F], v2
                   "move 110 100",                                              // -f, v3
                   "move 100 100", "line 100 90", "line 120 90", "line 110 100", "line 100 100", "move 110 100"});
}

TEST_F(Draw2D, FarAndInfiniteCoordinates)
{
    // 1e31 pixels to the right is cut at 2^30. 1e38 steps of 10 overflow to
    // infinity: no line leads there or back, so the outline of {.F(1e38).}
    // draws nothing from v0 on, and the pen is not placed at infinity. A
    // width of 1e38 is capped.
    expectDrawing("[-F(1e30)][{.F(1e38).}]F(1,1e38)",
                  {"line 1073741824 100", "colour 0000FF00", "width 1", "move 100 100",  // [-F(1e30)]
                   "move 100 100",                                                       // the outline's v0
                   "colour 0000FF00", "width 1", "move 100 100", "width 10000", "line 100 90"});
}

TEST_F(Draw2D, ColourEffectFollowsThePositionInTheString)
{
    t.settings.colourEffect = true;
    t.symbolCount = 2;  // 8,000,000 per symbol
    t.run("F;F(1,1,3)");
    EXPECT_EQ(t.canvas.calls, (Calls{"colour 000186A0", "width 1", "move 100 100",  // 100000
                                     "colour 007B98A0", "line 100 90",              // 8,100,000
                                     "colour 00F5AAA0",                             // 16,100,000; ';' is ignored
                                     "colour 000186A0",                             // 24,100,000 starts again at 100000
                                     "width 1", "colour 000186A0", "line 100 80",
                                     "colour 007B98A0"}));  // the end of the file is read as a last symbol
}

TEST_F(Draw2D, MeasuredAndCentredPicturesAreFittedIntoTheArea)
{
    t.settings.placeAtBottom = false;
    t.settings.fixedSegmentLength = false;
    // Box x 0 .. 1, y 0: spanX 2, spanY 1 on a 201 x 120 area:
    // sx = 80.4, sy = 96, scale 80.4. fx = 0.25 -> originX = 50.25 + 10.05;
    // fy = 0.5 -> originY = 60 + 6. The line ends at 60.3 + 80.4.
    EXPECT_EQ(t.run("-F").code, kDone);
    EXPECT_EQ(t.canvas.calls, (Calls{"colour 0000FF00", "width 1", "move 60 66", "line 140 66"}));
    // Fixed length 1, centred: scale 1; box y -50 .. 0: fy = 50/51 +
    // (1 - 50/51) / 2 = 101/102, originY = 120 * 101/102 - 6 = 112.82; the
    // line ends 50 pixels higher. x: cos(pi/2) in float is -4.4e-8, so min x
    // is just below 0, fx just above 0.5 and originX = 201 * fx - 10.05 =
    // 90.45 (not 0.55 W).
    t.settings.fixedSegmentLength = true;
    t.settings.segmentLength = 1.0f;
    t.run("F(50)");
    EXPECT_EQ(t.canvas.calls, (Calls{"colour 0000FF00", "width 1", "move 90 112", "line 90 62"}));
}

TEST_F(Draw2D, TheMeasuringPassFollowsThePathTheDrawingTakes)
{
    // Centred with one pixel per unit: each picture first goes 30 to the
    // right and faces up again, so x spans 0 .. 30 and originX = 201 / 62 +
    // 10.05 = 13.29. originY follows the measured y extent a .. b:
    // fy = 0.5 + (a + b) / (2 (a - b - 1)), and originY = 120 fy - 6 when
    // fy > 0.5, else 120 fy + 6.
    t.settings.placeAtBottom = false;
    struct Case {
        std::string string;
        bool interpretEF;
        const char* start;  // the start point's move; none when nothing is drawn
    };
    const std::string right = "-f(3)+";
    const Case cases[] = {
        {right + "|F", false, "move 13 11"},           // y 0 .. 10: 120/22 + 6
        {right + "-$F", false, "move 13 108"},         // y -10 .. 0: 120 * 21/22 - 6
        {right + "\"\"F", false, "move 13 109"},       // 10 * 1.1 * 1.1 up: 109.42
        {right + "''F", false, "move 13 107"},         // 10 * 0.9 * 0.9 up: 107.41
        {right + "EF", true, "move 13 111"},           // y -20 .. 0: 120 * 41/42 - 6
        {right + "EF", false, "move 13 108"},          // E is no move
        {right + "F(2,1,1,1)", false, "move 13 111"},  // measured though not drawn
        {right + "[F(2)]|F", false, "move 13 73"},     // y -20 .. 10: 120 * 20.5/31 - 6
        {"F]", false, nullptr},                        // an error: nothing is drawn
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.string + (c.interpretEF ? " with E as F" : ""));
        t.settings.effective.interpretEF = c.interpretEF;
        EXPECT_EQ(t.run(c.string).code, c.start ? kDone : kIoError);
        const Calls start = Interpretation::startCalls();
        const Calls expected = c.start ? Calls{start[0], start[1], c.start} : Calls{};
        const auto shown = static_cast<long>(std::min(t.canvas.calls.size(), std::size_t{3}));
        EXPECT_EQ(Calls(t.canvas.calls.begin(), t.canvas.calls.begin() + shown), expected);
    }
}

}  // namespace
}  // namespace sprig::testing
