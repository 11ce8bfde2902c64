// Pictures whose pixels follow from the rules by hand: where the shapes
// fall, how they are lit, and what is drawn around them.

#include "views/scene_renderer.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "offscreen_view_fixture.h"
#include "views/fit_view.h"

namespace sprig {
namespace {

using Rgb = std::array<std::uint8_t, 3>;

constexpr int kLast = testing::kViewSize - 1;
constexpr std::uint32_t kRed = 0x000000FFu;  // 0x00BBGGRR
constexpr std::uint32_t kBlue = 0x00FF0000u;
constexpr Rgb kBlack{0, 0, 0};

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

using RenderTest = testing::OffscreenViewTest;

// A vertical segment 4 long and 1 wide, centred in the view: about 12 pixels
// either side of the middle column and 50 above and below the middle row.
// The light stands to the upper right of the viewer: the right flank is
// lit, the left one has only the ambient half of the colour.
TEST_F(RenderTest, ASegmentIsALitCylinderOverItsOwnPixels)
{
    scene_.recordSegment({0, 0, 0}, {0, 0, 4}, 1.0f, kRed);
    view_.camera.translationZ = 2.0f;
    makeReady();
    const RgbImage image = paint();
    for (const auto& [x, y] : {std::pair{100, 100}, {100, 60}, {100, 140}, {95, 100}, {105, 100}})
        EXPECT_TRUE(isRed(image.at(x, y))) << x << "," << y;
    for (const auto& [x, y] : {std::pair{80, 100}, {120, 100}, {100, 40}, {100, 160}, {5, 5}, {195, 195}})
        EXPECT_EQ(image.at(x, y), kBlack) << x << "," << y;
    EXPECT_GT(image.at(109, 100)[0], 230);
    EXPECT_NEAR(image.at(91, 100)[0], 128, 20);
}

// The viewer stands on the +x side: the red segment at x = 1 hides the blue
// one at x = -1 although the blue one is drawn later.
TEST_F(RenderTest, NearerSurfacesHideFartherOnes)
{
    scene_.recordSegment({1, 0, -2}, {1, 0, 2}, 1.0f, kRed);
    scene_.recordSegment({-1, 0, -2}, {-1, 0, 2}, 1.0f, kBlue);
    makeReady();
    EXPECT_TRUE(isRed(paint().at(100, 100)));
}

// Not ready: not even the background is drawn. Stopped: the paint says so.
TEST_F(RenderTest, NothingIsDrawnWhileTheSceneIsNotReadyAndAStopIsReported)
{
    scene_.recordSegment({0, 0, 0}, {0, 0, 4}, 1.0f, kRed);
    view_.cylinders.build(scene_, false);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0x00FFFFFFu), Painted::kNothing);
    EXPECT_TRUE(allAre(context_->readPixels(), {0, 255, 0}));

    view_.sceneReady = true;
    SilentJob job;
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0, &job), Painted::kPicture);
    job.requestStop();
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0, &job), Painted::kStopped);
}

// RR = 0, GG = 128, BB = 255; no ground and no axes without elements.
TEST_F(RenderTest, AnEmptySceneShowsOnlyTheBackground)
{
    options_.drawGround = true;
    view_.camera.axesVisible = true;
    view_.camera.groundHalfSize = 3.0f;
    makeReady();
    EXPECT_TRUE(allAre(paint(0x00FF8000u), {0, 128, 255}));
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
    EXPECT_TRUE(anyIn(image, 125, 97, 135, 103, isWhite));   // y axis, to the right
    EXPECT_TRUE(anyIn(image, 97, 125, 103, 135, isWhite));   // x axis, downwards
    EXPECT_FALSE(anyIn(image, 65, 97, 75, 103, isWhite));    // nothing on the negative side
    EXPECT_FALSE(anyIn(image, 125, 160, 135, 170, isWhite));  // nor beyond the axis length
}

TEST_F(RenderTest, ASegmentOfZeroWidthLeavesItsAxisLine)
{
    scene_.recordSegment({0, 0, -2}, {0, 0, 2}, 0.0f, kRed);
    makeReady();
    const RgbImage image = paint();
    EXPECT_TRUE(anyIn(image, 97, 70, 103, 70, isRed));
    EXPECT_TRUE(anyIn(image, 97, 130, 103, 130, isRed));
    EXPECT_FALSE(anyIn(image, 0, 0, 90, kLast, isRed));
}

// A 2 x 2 square in the plane x = 0, facing the viewer, its corner v0 at the
// lower left. Each normal's x component (towards the viewer) grows by 1.05
// per vertex and nothing renormalises it, so from the third vertex on the
// highlight saturates: the square shades from blue at v0 to white.
TEST_F(RenderTest, APolygonIsFilledInTheColourOfItsFirstEdge)
{
    const std::vector<Vec3> square{{0, -1, -1}, {0, 1, -1}, {0, 1, 1}, {0, -1, 1}};
    scene_.recordPolygon(square, 1.0f, kBlue, {1, 0, 0});
    for (int i = 1; i < 4; ++i) scene_.element(i).colour = kRed;  // later edges do not count
    makeReady();
    const RgbImage image = paint();
    EXPECT_FALSE(anyIn(image, 80, 80, 120, 120, [](const Rgb& p) { return p[2] < 110 || p[2] < p[0]; }));
    EXPECT_GT(image.at(80, 120)[2], image.at(80, 120)[0] + 60);
    EXPECT_GT(image.at(120, 80)[0], 150);
    EXPECT_EQ(image.at(100, 60), kBlack);
}

// A horizontal segment along y: flat caps end at the segment's ends,
// spheres reach half the width beyond them.
TEST_F(RenderTest, SpheresAndDisksCapTheEnds)
{
    scene_.recordSegment({0, -1, 0}, {0, 1, 0}, 2.0f, kRed);
    makeReady();
    for (const bool spheres : {false, true}) {
        options_.segmentBeginSphere = options_.segmentEndSphere = spheres;
        const RgbImage image = paint();
        EXPECT_EQ(anyIn(image, 135, 100, 140, 100, isRed), spheres);
        EXPECT_EQ(anyIn(image, 60, 100, 65, 100, isRed), spheres);
    }
}

TEST_F(RenderTest, AFullRecordRenders)
{
    for (int i = 0; i < SceneRecord::kCapacity; ++i) {
        const float x = static_cast<float>(i % 250) * 0.1f;
        const float y = static_cast<float>(i / 250) * 0.1f;
        ASSERT_TRUE(scene_.recordSegment({x, y, 0}, {x, y, 1}, 0.05f, kRed).has_value());
    }
    EXPECT_FALSE(scene_.recordSegment({0, 0, 0}, {0, 0, 1}, 1.0f, kRed).has_value());
    scene_.finish();
    fitView(view_, scene_, Settings{});
    EXPECT_EQ(view_.cylinders.count(), SceneRecord::kCapacity);
    EXPECT_TRUE(anyIn(paint(), 90, 90, 110, 110, isRed));
}

}  // namespace
}  // namespace sprig
