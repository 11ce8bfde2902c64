// The renderer's pictures in a 200 x 200 view, at first 10 units away,
// looking along -x with y to the right and z up (the start-up angles):
// pixels worked out by hand, then the literal painter's pictures from far,
// near (the near plane cutting shapes) and inside a cylinder and a cap
// sphere, on a bundled example and random branches, for every cap choice.
// No pixel may turn from background to object or back; where surfaces meet
// at equal depth, rounding may pick the other one, within the bound below.

#include "views/scene_renderer.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file_name.h"
#include "core/turtle/interpret_string.h"
#include "literal_painter.h"
#include "platform/gl/osmesa_context.h"
#include "platform/random_source.h"
#include "platform/result_codes.h"
#include "platform/text_lines.h"
#include "settings/options_file.h"
#include "support/temp_dir.h"
#include "views/fit_view.h"

namespace sprig {
namespace {

using Rgb = std::array<std::uint8_t, 3>;

constexpr int kSize = 200;
constexpr int kLast = kSize - 1;
constexpr std::uint32_t kRed = 0x000000FFu;  // 0x00BBGGRR
constexpr std::uint32_t kBlue = 0x00FF0000u;
constexpr std::uint32_t kBackground = 0x00402010u;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBackgroundRgb{0x10, 0x20, 0x40};
// Measured: no pixel at all from far; at most 0.2 % of the object pixels
// close up, where shapes drawn whole meet reduced ones at equal depth.
constexpr double kDepthTieShare = 0.005;

bool isRed(const Rgb& p) { return p[0] > 100 && p[1] < 60 && p[2] < 60; }
bool isGround(const Rgb& p) { return p[0] > 150 && p[1] > 100 && p[1] < 160 && p[2] < 40; }
bool isWhite(const Rgb& p) { return p[0] > 100 && p[0] == p[1] && p[1] == p[2]; }

// Whether any pixel of the rectangle from (x0, y0) to (x1, y1) passes.
template <typename Test>
bool anyIn(const RgbImage& image, int x0, int y0, int x1, int y1, Test test)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (test(image.at(x, y))) return true;
    return false;
}

bool allAre(const RgbImage& image, const Rgb& colour)
{
    return !anyIn(image, 0, 0, kLast, kLast, [&](const Rgb& p) { return p != colour; });
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        literalContext_ = OsMesaContext::create(kSize, kSize);
        ASSERT_NE(literalContext_, nullptr);
        testing::initialiseLiterally(kSize, kSize);
        context_ = OsMesaContext::create(kSize, kSize);
        ASSERT_NE(context_, nullptr);
        renderer_.initialise();
        renderer_.resize(kSize, kSize);
        view_.camera.distance = 10.0;
    }

    // The cylinder table as fitView builds it, with the camera left as set.
    void makeReady()
    {
        view_.cylinders.build(scene_, options_.segmentActiveWidth);
        view_.sceneReady = true;
    }

    RgbImage paint(std::uint32_t background = 0)
    {
        EXPECT_EQ(renderer_.paint(view_, scene_, options_, background), Painted::Picture);
        context_->swapBuffers();
        return context_->readPixels();
    }

    // Each in its own context, which keeps what its earlier paints left
    // (the current normal lights the scene's lines).
    RgbImage picture(bool literal)
    {
        if (!literal) return paint(kBackground);
        literalContext_->makeCurrent();
        testing::paintLiterally(view_, scene_, options_, kBackground);
        RgbImage image = literalContext_->readPixels();
        context_->makeCurrent();
        return image;
    }

    // The same picture for every cap choice from the camera as it stands;
    // the literal picture must show some object.
    void expectSamePictures(const std::string& where)
    {
        for (const auto& [begin, end] : {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
            options_.segmentBeginSphere = begin;
            options_.segmentEndSphere = end;
            const RgbImage literal = picture(true);
            const RgbImage mine = picture(false);
            int object = 0, coverageChanged = 0, recoloured = 0;
            for (int i = 0; i < kSize * kSize; ++i) {
                const Rgb p = mine.at(i % kSize, i / kSize);
                const Rgb q = literal.at(i % kSize, i / kSize);
                object += q != kBackgroundRgb;
                if ((q != kBackgroundRgb) != (p != kBackgroundRgb)) ++coverageChanged;
                else  // object in both, differing by more than rounding
                    recoloured += std::abs(p[0] - q[0]) > 2 || std::abs(p[1] - q[1]) > 2 || std::abs(p[2] - q[2]) > 2;
            }
            const std::string caps = where + (begin ? " sphere" : " disk") + (end ? "/sphere" : "/disk");
            EXPECT_GT(object, 0) << caps;
            EXPECT_EQ(coverageChanged, 0) << caps;
            EXPECT_LE(recoloured, kDepthTieShare * object + 2) << caps << ": " << object;
        }
    }

    void lookFrom(float azimuth, float elevation, double distance, const Vec3& at)
    {
        CameraState& c = view_.camera;
        std::tie(c.azimuth, c.elevation, c.distance) = std::tuple(azimuth, elevation, distance);
        std::tie(c.translationX, c.translationY, c.translationZ) = std::tuple(at.x, at.y, at.z);
    }

    Vec3 centre() const { return {view_.camera.translationX, view_.camera.translationY, view_.camera.translationZ}; }

    // The scene of a bundled example after some steps, fitted as after a step.
    void recordExample(const std::string& name, int steps)
    {
        const std::string source = std::string(SPRIG_SOURCE_DIR) + "/examples/" + name;
        std::vector<std::string> lines, optionLines, created;
        ASSERT_EQ(readTextLines(source + ".ls", lines), kDone);
        ASSERT_EQ(readTextLines(source + ".op", optionLines), kDone);
        Settings settings;
        SilentJob job;
        int errorRow = 0;
        ASSERT_EQ(ReadOptions(lines, optionLines, settings, errorRow, job), kDone);
        const testing::TempDir dir;
        DeriveRequest request{&lines, dir.file(name + ".ls"), 0, steps};
        LcgRandom random;
        DeriveServices services{job, random, [](int) { return 1u; }};
        ParseReport report;
        std::optional<WrittenString> written;
        ASSERT_EQ(DeriveStrings(request, settings, services, report, created, written), kDone);
        InterpretRequest drawing(settings, job, StringFileName(basePath(request.definitionPath), steps, kStepExt));
        drawing.scene = &scene_;
        ASSERT_EQ(interpretString(drawing).code, kDone);
        fitView(view_, scene_, settings);
        options_ = settings.effective;
    }

    // Branches that go on straight at the same width and colour, narrow a
    // little or a lot, bend, taper, or are shorter than their radius.
    void recordBranches(std::uint32_t seed)
    {
        auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<float>(seed >> 8) / 16777216.0f;
        };
        const std::uint32_t colours[] = {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0x0000C0C0u};
        options_.segmentActiveWidth = true;
        for (int branch = 0; branch < 12; ++branch) {
            Vec3 p{next() * 6 - 3, next() * 6 - 3, next() * 2 - 3};
            Vec3 d{0, 0, 1};
            float width = branch % 4 == 0 ? 3.0f + next() * 2.0f : 0.3f + next() * 1.2f;
            std::uint32_t colour = colours[branch % 4];
            for (int k = 0; k < 8; ++k) {
                const float choice = next();
                if (choice < 0.4f) d = {d.x + next() - 0.5f, d.y + next() - 0.5f, d.z + next() * 0.5f};
                if (choice > 0.3f) width *= choice > 0.8f ? 0.9f : 0.985f;
                if (choice > 0.6f) colour = colours[k % 4];
                const float length = choice < 0.1f ? width * 0.3f : 0.8f + next();
                const Vec3 q{p.x + d.x * length, p.y + d.y * length, p.z + d.z * length};
                const int segment = scene_.recordSegment(p, q, width, colour).value();
                if (choice > 0.9f) scene_.setEndWidth(segment, width * 0.5f);
                p = q;
            }
        }
        Settings settings;
        settings.effective.segmentActiveWidth = true;
        fitView(view_, scene_, settings);
    }

    std::unique_ptr<OsMesaContext> literalContext_;
    std::unique_ptr<OsMesaContext> context_;
    SceneRenderer renderer_;
    SceneView view_;
    SceneRecord scene_;
    OptionValues options_;
};

// Not ready: not even the background is drawn. Ready but empty: only the
// background (RR = 0, GG = 128, BB = 255), no ground and no axes. A full
// record, 50000 segments in a 250 x 200 grid, is drawn whole, and a stopped
// paint says so.
TEST_F(RenderTest, APaintDrawsOnlyAReadySceneAndSaysWhenStopped)
{
    options_.drawGround = true;
    view_.camera.axesVisible = true;
    view_.camera.groundHalfSize = 3.0f;
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0x00FFFFFFu), Painted::Nothing);
    EXPECT_TRUE(allAre(context_->readPixels(), {0, 255, 0}));
    makeReady();
    EXPECT_TRUE(allAre(paint(0x00FF8000u), {0, 128, 255}));

    for (int i = 0; i < SceneRecord::kCapacity; ++i) {
        const Vec3 p{static_cast<float>(i % 250) * 0.1f, static_cast<float>(i / 250) * 0.1f, 0.0f};
        ASSERT_TRUE(scene_.recordSegment(p, {p.x, p.y, 1.0f}, 0.05f, kRed).has_value());
    }
    makeReady();
    EXPECT_EQ(view_.cylinders.count(), SceneRecord::kCapacity);
    SilentJob job;
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0, &job), Painted::Picture);
    job.requestStop();
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0, &job), Painted::Stopped);
}

// Seen from above (elevation 0): world y to the right, world x downwards;
// the ground's half size of 2 is about 48 pixels.
TEST_F(RenderTest, GroundAndAxesAppearOnlyWhenChosen)
{
    view_.camera.elevation = 0.0f;
    view_.camera.groundHalfSize = 2.0f;
    scene_.recordSegment({0, 0, 0}, {0, 0, 0.5f}, 0.2f, kRed);
    makeReady();
    RgbImage image = paint();
    EXPECT_EQ(image.at(130, 130), kBlack);
    EXPECT_FALSE(anyIn(image, 125, 97, 135, 103, isWhite));

    options_.drawGround = true;
    image = paint();
    for (const auto& [x, y] : {std::pair{130, 130}, {70, 70}, {130, 70}, {70, 130}})
        EXPECT_TRUE(isGround(image.at(x, y))) << x << "," << y;
    for (const auto& [x, y] : {std::pair{160, 100}, {40, 100}, {100, 160}, {100, 40}})
        EXPECT_EQ(image.at(x, y), kBlack) << x << "," << y;

    options_.drawGround = false;  // the axes lie in the ground's plane, drawn first
    view_.camera.axesVisible = true;
    image = paint();
    EXPECT_TRUE(anyIn(image, 125, 97, 135, 103, isWhite));    // y axis, to the right
    EXPECT_TRUE(anyIn(image, 97, 125, 103, 135, isWhite));    // x axis, downwards
    EXPECT_FALSE(anyIn(image, 65, 97, 75, 103, isWhite));     // nothing on the negative side
    EXPECT_FALSE(anyIn(image, 125, 160, 135, 170, isWhite));  // nor beyond the axis length
}

// A 2 x 2 square in the plane x = 0, facing the viewer, its corner v0 at the
// lower left. Each normal's x component (towards the viewer) grows by 1.05
// per vertex and nothing renormalises it, so from the third vertex on the
// highlight saturates: the square shades from blue at v0 to white.
TEST_F(RenderTest, APolygonIsFilledInTheColourOfItsFirstEdge)
{
    scene_.recordPolygon(std::vector<Vec3>{{0, -1, -1}, {0, 1, -1}, {0, 1, 1}, {0, -1, 1}}, 1.0f, kBlue, {1, 0, 0});
    for (int i = 1; i < 4; ++i) scene_.element(i).colour = kRed;  // later edges do not count
    makeReady();
    const RgbImage image = paint();
    EXPECT_FALSE(anyIn(image, 80, 80, 120, 120, [](const Rgb& p) { return p[2] < 110 || p[2] < p[0]; }));
    EXPECT_GT(image.at(80, 120)[2], image.at(80, 120)[0] + 60);
    EXPECT_GT(image.at(120, 80)[0], 150);
    EXPECT_EQ(image.at(100, 60), kBlack);
}

// Rectangles that must hold red pixels and rectangles that must hold none.
// A vertical segment 4 long and 1 wide, 9 units away: about 13 pixels
// either side of the middle column and 54 above and below the middle row; a
// blue one behind it (the viewer stands on the +x side) is hidden although
// drawn later. A width of 0 leaves only the axis line. Across the view, flat caps
// end at the segment's ends; spheres reach half the width beyond them.
TEST_F(RenderTest, SegmentsCoverTheirOwnPixels)
{
    using Rect = std::array<int, 4>;
    struct Case {
        Vec3 start, end;
        float width;
        bool spheres;
        std::vector<Rect> red, notRed;
    };
    const Case cases[] = {
        {{1, 0, -2},
         {1, 0, 2},
         1.0f,
         false,
         {{100, 100, 100, 100}, {100, 60, 100, 60}, {100, 140, 100, 140}, {95, 100, 95, 100}, {105, 100, 105, 100}},
         {{0, 0, 82, kLast}, {118, 0, kLast, kLast}, {0, 0, kLast, 40}, {0, 160, kLast, kLast}}},
        {{0, 0, -2}, {0, 0, 2}, 0.0f, false, {{97, 70, 103, 70}, {97, 130, 103, 130}}, {{0, 0, 90, kLast}}},
        {{0, -1, 0}, {0, 1, 0}, 2.0f, false, {}, {{135, 100, 140, 100}, {60, 100, 65, 100}}},
        {{0, -1, 0}, {0, 1, 0}, 2.0f, true, {{135, 100, 140, 100}, {60, 100, 65, 100}}, {}},
    };
    for (const Case& c : cases) {
        scene_.reset();
        scene_.recordSegment(c.start, c.end, c.width, kRed);
        scene_.recordSegment({-1, 0, -2}, {-1, 0, 2}, 1.0f, kBlue);
        options_.segmentBeginSphere = options_.segmentEndSphere = c.spheres;
        makeReady();
        const RgbImage image = paint();
        for (const auto& [x0, y0, x1, y1] : c.red) EXPECT_TRUE(anyIn(image, x0, y0, x1, y1, isRed)) << x0 << ", " << y0;
        for (const auto& [x0, y0, x1, y1] : c.notRed) EXPECT_FALSE(anyIn(image, x0, y0, x1, y1, isRed)) << x0;
        if (c.width == 1.0f) {  // the light, to the viewer's upper right, lights the right flank
            EXPECT_GT(image.at(110, 100)[0], 230);
            EXPECT_NEAR(image.at(90, 100)[0], 128, 20);  // the left has the ambient half of the colour
        }
    }
}

// Lines are lit by the normal current when a paint starts. In a new
// context it is (0, 0, 1), which the start-up camera turns to face the light
// at the viewer's upper right: a green line comes out whole (ambient 0.5 and
// diffuse 0.577 of its colour) and the white axes above the ambient light's
// share, where a normal turned away leaves only that share (128 for the line,
// at most 128 for the axes). Later paints start from the normal
// the last shape drawn left: widths 2, -1, -4 and -7 draw only the first
// shape, whose end sphere the others' lines follow.
TEST_F(RenderTest, LinesAreLitByTheNormalThePaintsBeforeLeft)
{
    view_.camera.axesVisible = true;
    scene_.recordSegment({0, 0, -2}, {0, 0, 2}, 0.0f, 0x0000FF00u);
    makeReady();
    for (const bool literal : {false, true}) {
        const RgbImage image = picture(literal);
        EXPECT_TRUE(anyIn(image, 97, 130, 103, 130, [](const Rgb& p) { return p == Rgb{0, 255, 0}; })) << literal;
        EXPECT_TRUE(anyIn(image, 105, 97, 110, 103, [](const Rgb& p) { return isWhite(p) && p[0] > 150; })) << literal;
    }
    expectSamePictures("width 0");
    scene_.reset();
    for (int i = 0; i < 4; ++i)
        scene_.recordSegment({0, 0, static_cast<float>(i - 2)}, {0, 0, static_cast<float>(i - 1)},
                             2.0f - 3.0f * static_cast<float>(i), 0x0000FF00u);
    view_.camera.distance = 6.0;
    makeReady();
    expectSamePictures("widths 2 to -7");
}

// Without the ground, whose normal would light them, the first paint's
// lines and axes are lit by the normal of a new context.
TEST_F(RenderTest, AFirstPaintWithoutTheGroundLightsItsLinesAsANewContext)
{
    recordExample("ternary_tree", 6);
    options_.drawGround = false;
    view_.camera.axesVisible = true;
    expectSamePictures("ternary_tree");
}

TEST_F(RenderTest, ABundledExampleFromFarAndNear)
{
    recordExample("plant_3d", 4);
    ASSERT_GT(view_.cylinders.count(), 100);
    const Vec3 fitted = centre();
    // The fitted distance, then 14 and 20 presses of "closer".
    for (const double distance : {view_.camera.distance, 2.07, 0.5}) {
        for (const auto& [azimuth, elevation] : {std::pair{-90.0f, 90.0f}, {-30.0f, 60.0f}, {150.0f, 110.0f}}) {
            lookFrom(azimuth, elevation, distance, fitted);
            expectSamePictures("plant_3d at " + std::to_string(distance) + " from " + std::to_string(azimuth));
        }
    }
}

TEST_F(RenderTest, RandomBranchesFromFarNearAndInside)
{
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        scene_.reset();
        recordBranches(seed);
        const std::string scene = "seed " + std::to_string(seed);
        lookFrom(-60.0f, 70.0f, view_.camera.distance, centre());
        expectSamePictures(scene + " far");
        for (int i = 0, wide = 0; i < view_.cylinders.count() && wide < 3; ++i) {
            const CylinderRecord& c = view_.cylinders.record(i);
            if (c.baseRadius < 1.2f || c.length < 1.0f || i % 3 != 0) continue;
            ++wide;
            const Vec3& end = view_.cylinders.end(i);
            const Vec3 middle{(c.startX + end.x) / 2, (c.startY + end.y) / 2, (c.startZ + end.z) / 2};
            lookFrom(20.0f * static_cast<float>(i), 75.0f, 1.3, middle);
            expectSamePictures(scene + " near cylinder " + std::to_string(i));
            lookFrom(-40.0f, 100.0f, 0.3 * std::min(c.baseRadius, c.topRadius), middle);
            expectSamePictures(scene + " inside cylinder " + std::to_string(i));
            lookFrom(130.0f, 40.0f, 0.3 * c.topRadius, end);
            expectSamePictures(scene + " inside end cap " + std::to_string(i));
        }
    }
}

// With spheres, the fitted eye stands inside the start sphere: the picture
// is its inside, as the literal painter shows it.
TEST_F(RenderTest, AHugeWidthShowsTheInsideOfTheSphere)
{
    scene_.recordSegment({0, 0, 0}, {1, 0, 0}, 1000000.0f, 0x0000FF00u);
    fitView(view_, scene_, Settings{});
    expectSamePictures("width 1000000");
}

}  // namespace
}  // namespace sprig
