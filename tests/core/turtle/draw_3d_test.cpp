// Scene elements recorded for short strings in 3D. The turtle starts at the
// origin with H = (0, 0, 1), L = (0, -1, 0), U = (1, 0, 0); the segment
// length is not fixed here, so F goes one unit.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "interpretation_fixture.h"

namespace sprig::testing {
namespace {

constexpr float kNear = 1e-5f;

void expectNear(const Vec3& actual, const Vec3& expected, float tolerance = kNear)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

class Draw3D : public ::testing::Test {
protected:
    Draw3D()
    {
        t.use3D();
        t.settings.placeAtBottom = false;
        t.settings.fixedSegmentLength = false;
    }
    const SceneElement& element(int i) const { return t.scene.element(i); }

    // The edges from element first on join the vertices in a closed ring.
    void expectRing(int first, const std::vector<Vec3>& vertices, int polygonNumber, float tolerance = kNear)
    {
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            SCOPED_TRACE(i);
            const SceneElement& edge = element(first + static_cast<int>(i));
            expectNear(edge.start, vertices[i], tolerance);
            expectNear(edge.end, vertices[(i + 1) % vertices.size()], tolerance);
            EXPECT_EQ(edge.polygonNumber, polygonNumber);
            EXPECT_EQ(edge.endWidth, -1.0f);
        }
    }
    Interpretation t;
};

TEST_F(Draw3D, RotationSymbols)
{
    // Each case turns by 90 degrees, then F records where H points.
    struct Case {
        const char* string;
        Vec3 end;
    };
    const Case cases[] = {
        {"+F", {0, -1, 0}},  // about U by -90: H becomes the old L
        {"-F", {0, 1, 0}},
        {"&F", {-1, 0, 0}},  // about L by -90: H = -U
        {"^F", {1, 0, 0}},
        {"\\+F", {-1, 0, 0}},  // about H first: L becomes -U, then + follows it
        {"/+F", {1, 0, 0}},
        {"|F", {0, 0, -1}},
        {"\"F", {0, 0, 1.1f}},
        {"'F(2)", {0, 0, 1.8f}},
        {"+(45)F", {0, -0.70710677f, 0.70710677f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.string);
        ASSERT_EQ(t.run(c.string).code, kDone);
        ASSERT_EQ(t.scene.elementCount(), 1);
        expectNear(element(0).end, c.end);
    }
    // Without a parameter the file's angle turns, or the setting's.
    t.runFile("n\n60.000000\n+F");
    expectNear(element(0).end, {0, -0.8660254f, 0.5f});
    t.settings.defaultAngle = 30.0f;
    t.runFile("p\n+F");
    expectNear(element(0).end, {0, -0.5f, 0.8660254f});
}

TEST_F(Draw3D, LevellingMakesLHorizontal)
{
    // Roll about H, pitch down, level: L becomes horizontal, so a following
    // '+' turns H in the horizontal plane only, and F keeps H's height.
    t.run("/(30)&(45)$+(90)F");
    ASSERT_EQ(t.scene.elementCount(), 1);
    const Vec3 end = element(0).end;
    EXPECT_NEAR(end.z, 0.0f, kNear);
    EXPECT_NEAR(end.x * end.x + end.y * end.y, 1.0f, 1e-4f);
}

TEST_F(Draw3D, SegmentMovesAndVertices)
{
    // G records a segment but adds no vertex; f adds one without recording;
    // g does neither.
    const InterpretResult r = t.run("{.G.fg.}");
    EXPECT_EQ(r.segmentTotal, 1);
    EXPECT_EQ(r.polygonTotal, 1);
    ASSERT_EQ(t.scene.elementCount(), 1 + 4);
    EXPECT_EQ(element(0).polygonNumber, 0);
    expectRing(1, {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}}, 1, 0.0f);
}

// A width change closes the segment before it, from a branch too; F(1,-1)
// keeps the width but closes the last segment with it.
TEST_F(Draw3D, EndWidths)
{
    t.run("F!F");
    EXPECT_EQ(std::tuple(element(0).endWidth, element(1).startWidth), std::tuple(0.0f, 0.0f));
    t.run("F[!F]#F");
    EXPECT_EQ(std::tuple(element(0).endWidth, element(1).startWidth, element(1).endWidth, element(2).startWidth),
              std::tuple(2.0f, 0.0f, -1.0f, 2.0f));
    t.run("F[#F]!F");
    EXPECT_EQ(std::tuple(element(0).endWidth, element(2).startWidth), std::tuple(2.0f, 0.0f));
    t.run("F(1,3)F(1,-1)#");
    EXPECT_EQ(std::tuple(element(0).endWidth, element(1).endWidth), std::tuple(3.0f, 4.0f));
}

// The colour index parameter of F colours from the table and leaves the
// index at 11, so ';' goes on to 12. E segments are red and four times as
// wide; E(1,3) sets the width but leaves the previous segment's end open.
TEST_F(Draw3D, ColoursAndESegments)
{
    const auto colours = [this] {
        std::vector<std::uint32_t> all;
        for (int i = 0; i < t.scene.elementCount(); ++i) all.push_back(element(i).colour);
        return all;
    };
    t.run(";F:(0,0,1)F(1,1,12)F;F");
    EXPECT_EQ(colours(), (std::vector<std::uint32_t>{0x00FFFF00u, 0x000000FFu, 0x000000FFu, 0x000000FFu}));
    t.run(":(0,0,1)F");
    EXPECT_EQ(colours(), std::vector<std::uint32_t>{0x00FF0000u});
    t.settings.effective.interpretEF = true;
    t.settings.effective.differentiateEFWidth = true;
    t.settings.effective.differentiateEFColor = true;
    t.run("EF!");
    EXPECT_EQ(colours(), (std::vector<std::uint32_t>{0x000000FFu, 0x0000FF00u}));
    EXPECT_EQ(std::tuple(element(0).startWidth, element(1).startWidth, element(1).endWidth),
              std::tuple(4.0f, 1.0f, 0.0f));
    t.run("FE(1,3)");
    EXPECT_EQ(std::tuple(element(0).endWidth, element(1).startWidth), std::tuple(-1.0f, 12.0f));
}

TEST_F(Draw3D, PolygonEdgesFollowTheSegmentsInsideAndNormalsPointUp)
{
    const InterpretResult r = t.run("{.+F+F+F}{.}");
    EXPECT_EQ(r.polygonTotal, 2);
    ASSERT_EQ(t.scene.elementCount(), 3 + 4 + 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(element(i).polygonNumber, 0);
    // A square in the y-z plane: (0,0,0) (0,-1,0) (0,-1,-1) (0,0,-1).
    expectRing(3, {{0, 0, 0}, {0, -1, 0}, {0, -1, -1}, {0, 0, -1}}, 1);
    EXPECT_EQ(t.scene.polygonNormal(1), (Vec3{1, 0, 0}));
    expectRing(7, {{0, 0, -1}}, 2);  // the one-vertex polygon: an edge of zero length
    EXPECT_EQ(t.scene.currentPolygonNumber(), 3);

    // An empty polygon takes no number. '^' pitches U to (c, 0, -1): the stored normal is flipped to z >= 0.
    t.run("{}^{.F.}");
    ASSERT_EQ(t.scene.elementCount(), 1 + 3);
    const Vec3 n = t.scene.polygonNormal(1);
    EXPECT_NEAR(n.x, 0.0f, kNear);
    EXPECT_EQ(n.z, 1.0f);
    // '.' right after F adds the same point again: an edge of zero length.
    expectRing(1, {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}}, 1);
}

TEST_F(Draw3D, InfiniteMovesAreNotRecorded)
{
    // The move to infinity (1e30 units of 1e30) is not a drawable element;
    // the finite far one is.
    const InterpretResult r = t.run("[\"(1e30)F(1e30)]F(1e30)");
    EXPECT_EQ(std::tuple(r.code, r.segmentTotal, t.scene.elementCount()), std::tuple(kDone, 2, 1));
    EXPECT_EQ(element(0).end, (Vec3{0, 0, 1e30f}));
}

TEST_F(Draw3D, TheRecordFillsUpAtFiftyThousand)
{
    t.symbolCount = 50001;
    const InterpretResult full = t.run(std::string(50001, 'F') + "{.}");
    EXPECT_EQ(std::tuple(full.code, full.segmentTotal, t.scene.sceneComplete, t.scene.currentPolygonNumber()),
              std::tuple(kDone, 50001, false, 1));
    ASSERT_EQ(t.scene.elementCount(), SceneRecord::kCapacity);
    EXPECT_EQ(element(49999).end, (Vec3{0, 0, 50000}));
    // One segment and the polygon's one edge found no room.
    EXPECT_EQ(t.job.log.back(), "Scene cut at 50000 elements: 2 more not drawn");

    t.job.log.clear();
    t.run(std::string(50000, 'F'));
    EXPECT_EQ(std::tuple(t.scene.elementCount(), t.scene.sceneComplete), std::tuple(SceneRecord::kCapacity, false));
    EXPECT_EQ(t.job.log.size(), 2u);  // nothing was cut

    t.run(std::string(49999, 'F'));
    EXPECT_TRUE(t.scene.sceneComplete);
}

struct Streamed : SceneSink {
    void segment(const SceneElement& e) override { segments.push_back(e); }
    void polygon(std::span<const Vec3> vertices, std::uint32_t colour, const Vec3& normal) override
    {
        polygons.push_back({vertices.size(), colour, normal});
    }
    struct Polygon {
        std::size_t vertices;
        std::uint32_t colour;
        Vec3 normal;
    };
    std::vector<SceneElement> segments;
    std::vector<Polygon> polygons;
};

// Streamed with no record, each segment goes out once nothing can change
// its end width any more: the segments and polygons of the record, in
// another order. In F[#F]!F the branch's segment goes at ']', the first at
// '!' (which cannot widen it past 2), the last at the end.
TEST_F(Draw3D, TheStreamHandsOnWhatTheRecordHolds)
{
    t.settings.effective.interpretEF = true;
    t.settings.effective.differentiateEFWidth = true;
    const char* strings[] = {"F!F",       "F[!F]#F",    "F[#F]!F", "F(1,3)F(1,-1)#",           "F[[F]F[#F]!]!F#F(1,4)",
                             "E(1,3)#F#", "{.+F+F+F}F", "F[F",     "[\"(1e30)F(1e30)]F(1e30)", "{.}{}F{.F&F}"};
    const auto key = [](const SceneElement& e) {
        return std::tuple(e.start.x, e.start.y, e.start.z, e.end.x, e.end.y, e.end.z, e.startWidth, e.endWidth);
    };
    for (const char* string : strings) {
        SCOPED_TRACE(string);
        t.run(string);
        std::vector<SceneElement> recorded;
        int polygons = 0;
        for (int i = 0; i < t.scene.elementCount(); ++i) {
            if (element(i).polygonNumber == 0) recorded.push_back(element(i));
            else polygons = element(i).polygonNumber;
        }
        Streamed sink;
        InterpretRequest request = t.requestFor(t.dir.write("s.str", std::string("n\n90.000000\n") + string));
        request.scene = nullptr;
        request.sceneSink = &sink;
        EXPECT_EQ(interpretString(request).code, 0);
        std::vector<SceneElement> streamed = sink.segments;
        std::ranges::sort(recorded, {}, key);
        std::ranges::sort(streamed, {}, key);
        ASSERT_EQ(streamed.size(), recorded.size());
        for (std::size_t i = 0; i < recorded.size(); ++i) EXPECT_EQ(key(streamed[i]), key(recorded[i])) << i;
        ASSERT_EQ(sink.polygons.size(), static_cast<std::size_t>(polygons));
        for (int k = 1; k <= polygons; ++k) EXPECT_EQ(sink.polygons[k - 1].normal, t.scene.polygonNormal(k));
    }
    Streamed sink;
    InterpretRequest request = t.requestFor(t.dir.write("s.str", "n\n90.000000\nF[#F]!F"));
    request.sceneSink = &sink;
    interpretString(request);
    ASSERT_EQ(sink.segments.size(), 3u);
    EXPECT_EQ(sink.segments[0].startWidth, 2.0f);
    EXPECT_EQ(sink.segments[1].endWidth, 2.0f);
    EXPECT_EQ(sink.segments[2].startWidth, 0.0f);
}

TEST_F(Draw3D, TwoDimensionalDrawingEmptiesTheRecord)
{
    t.run("FF");
    ASSERT_EQ(t.scene.elementCount(), 2);
    t.use2D();
    t.run("F");
    EXPECT_EQ(std::pair(t.scene.elementCount(), t.scene.sceneComplete), std::pair(0, false));
}

}  // namespace
}  // namespace sprig::testing
