#include "views/scene_renderer.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <memory>
#include <vector>

#include "offscreen_view_fixture.h"
#include "views/fit_view.h"

namespace sprig {
namespace {

using Rgb = std::array<std::uint8_t, 3>;

constexpr int kSize = testing::kViewSize;
constexpr std::uint32_t kRed = 0x000000FFu;   // 0x00BBGGRR
constexpr std::uint32_t kBlue = 0x00FF0000u;

class RenderTest : public testing::OffscreenViewTest {
protected:
    static bool isBackground(const Rgb& p, const Rgb& background) { return p == background; }

    // Whether any pixel of the rectangle satisfies the test.
    template <typename Test>
    static bool anyIn(const RgbImage& image, int x0, int y0, int x1, int y1, Test test)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (test(image.at(x, y))) return true;
        return false;
    }

};

TEST_F(RenderTest, GetsADepthBuffer)
{
    EXPECT_GE(context_->depthBits(), 16);
    EXPECT_EQ(context_->width(), kSize);
    EXPECT_EQ(context_->height(), kSize);
}

// A vertical segment 4 long and 1 wide, centred in the view: about 12 pixels
// either side of the middle column and 50 above and below the middle row.
TEST_F(RenderTest, ASegmentIsALitCylinderOverItsOwnPixels)
{
    scene_.recordSegment({0, 0, 0}, {0, 0, 4}, 1.0f, kRed);
    view_.camera.translationZ = 2.0f;
    makeReady();
    const RgbImage image = paint();
    const Rgb black{0, 0, 0};

    for (const auto& [x, y] : {std::pair{100, 100}, {100, 60}, {100, 140}, {95, 100}, {105, 100}}) {
        const Rgb p = image.at(x, y);
        EXPECT_GT(p[0], 110) << x << "," << y;
        EXPECT_LT(p[1], 60) << x << "," << y;
        EXPECT_LT(p[2], 60) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{80, 100}, {120, 100}, {100, 40}, {100, 160}, {5, 5}, {195, 195}})
        EXPECT_TRUE(isBackground(image.at(x, y), black)) << x << "," << y;

    // The light stands to the upper right of the viewer: the right flank is
    // lit, the left one has only the ambient half of the colour.
    const Rgb left = image.at(91, 100);
    const Rgb right = image.at(109, 100);
    EXPECT_GT(right[0], 230);
    EXPECT_NEAR(left[0], 128, 20);
}

// The viewer stands on the +x side: the red segment at x = 1 hides the blue
// one at x = -1 although the blue one is drawn later.
TEST_F(RenderTest, NearerSurfacesHideFartherOnes)
{
    scene_.recordSegment({1, 0, -2}, {1, 0, 2}, 1.0f, kRed);
    scene_.recordSegment({-1, 0, -2}, {-1, 0, 2}, 1.0f, kBlue);
    makeReady();
    const Rgb p = paint().at(100, 100);
    EXPECT_GT(p[0], 110);
    EXPECT_LT(p[2], 60);
}

TEST_F(RenderTest, NothingIsDrawnWhileTheSceneIsNotReady)
{
    scene_.recordSegment({0, 0, 0}, {0, 0, 4}, 1.0f, kRed);
    view_.cylinders.build(scene_, false);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0x00FFFFFFu), Painted::kNothing);
    const RgbImage image = context_->readPixels();
    const Rgb green{0, 255, 0};
    EXPECT_FALSE(anyIn(image, 0, 0, kSize - 1, kSize - 1, [&](const Rgb& p) { return p != green; }));
}

TEST_F(RenderTest, AStopRequestLeavesThePaintUnfinished)
{
    scene_.recordSegment({0, 0, 0}, {0, 0, 4}, 1.0f, kRed);
    makeReady();
    SilentJob job;
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0, &job), Painted::kPicture);
    job.requestStop();
    EXPECT_EQ(renderer_.paint(view_, scene_, options_, 0, &job), Painted::kStopped);
}

TEST_F(RenderTest, AnEmptySceneShowsOnlyTheBackground)
{
    options_.drawGround = true;
    view_.camera.axesVisible = true;
    view_.camera.groundHalfSize = 3.0f;
    makeReady();
    // RR = 0, GG = 128, BB = 255
    const RgbImage image = paint(0x00FF8000u);
    const Rgb background{0, 128, 255};
    EXPECT_FALSE(anyIn(image, 0, 0, kSize - 1, kSize - 1, [&](const Rgb& p) { return p != background; }));
}

// Seen from above (elevation 0): world y to the right, world x downwards.
class TopViewTest : public RenderTest {
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        view_.camera.elevation = 0.0f;
        view_.camera.groundHalfSize = 2.0f;  // about 48 pixels
        scene_.recordSegment({0, 0, 0}, {0, 0, 0.5f}, 0.2f, kRed);
        makeReady();
    }

    static bool isGround(const Rgb& p) { return p[0] > 150 && p[1] > 100 && p[1] < 160 && p[2] < 40; }
    static bool isWhiteLine(const Rgb& p) { return p[0] > 100 && p[0] == p[1] && p[1] == p[2]; }
};

TEST_F(TopViewTest, GroundSquareAppearsOnlyWhenChosen)
{
    RgbImage image = paint();
    EXPECT_EQ(image.at(130, 130), (Rgb{0, 0, 0}));

    options_.drawGround = true;
    image = paint();
    for (const auto& [x, y] : {std::pair{130, 130}, {70, 70}, {130, 70}, {70, 130}})
        EXPECT_TRUE(isGround(image.at(x, y))) << x << "," << y;
    for (const auto& [x, y] : {std::pair{160, 100}, {40, 100}, {100, 160}, {100, 40}})
        EXPECT_EQ(image.at(x, y), (Rgb{0, 0, 0})) << x << "," << y;
}

TEST_F(TopViewTest, AxesAppearOnlyWhenVisible)
{
    RgbImage image = paint();
    EXPECT_FALSE(anyIn(image, 125, 97, 135, 103, isWhiteLine));

    view_.camera.axesVisible = true;
    image = paint();
    EXPECT_TRUE(anyIn(image, 125, 97, 135, 103, isWhiteLine));  // y axis, to the right
    EXPECT_TRUE(anyIn(image, 97, 125, 103, 135, isWhiteLine));  // x axis, downwards
    EXPECT_FALSE(anyIn(image, 65, 97, 75, 103, isWhiteLine));   // nothing on the negative side
    EXPECT_FALSE(anyIn(image, 125, 160, 135, 170, isWhiteLine)); // nor beyond the axis length
}

TEST_F(RenderTest, ASegmentOfZeroWidthLeavesItsAxisLine)
{
    scene_.recordSegment({0, 0, -2}, {0, 0, 2}, 0.0f, kRed);
    makeReady();
    const RgbImage image = paint();
    auto isRed = [](const Rgb& p) { return p[0] > 100 && p[1] < 60 && p[2] < 60; };
    EXPECT_TRUE(anyIn(image, 97, 70, 103, 70, isRed));
    EXPECT_TRUE(anyIn(image, 97, 130, 103, 130, isRed));
    EXPECT_FALSE(anyIn(image, 0, 0, 90, kSize - 1, isRed));
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
    for (int y = 80; y <= 120; y += 5) {
        for (int x = 80; x <= 120; x += 5) {
            const Rgb p = image.at(x, y);
            EXPECT_GE(p[2], 110) << x << "," << y;
            EXPECT_GE(p[2], p[0]) << x << "," << y;
        }
    }
    const Rgb nearV0 = image.at(80, 120);
    const Rgb nearV2 = image.at(120, 80);
    EXPECT_GT(nearV0[2], nearV0[0] + 60);
    EXPECT_GT(nearV2[0], 150);
    EXPECT_EQ(image.at(100, 60), (Rgb{0, 0, 0}));
}

TEST_F(RenderTest, SpheresAndDisksCapTheEnds)
{
    // A horizontal segment along y: flat caps end at the segment's ends,
    // spheres reach half the width beyond them.
    scene_.recordSegment({0, -1, 0}, {0, 1, 0}, 2.0f, kRed);
    makeReady();
    auto lit = [](const Rgb& p) { return p[0] > 60; };
    RgbImage image = paint();
    EXPECT_FALSE(anyIn(image, 135, 100, 140, 100, lit));
    EXPECT_FALSE(anyIn(image, 60, 100, 65, 100, lit));

    options_.segmentBeginSphere = true;
    options_.segmentEndSphere = true;
    image = paint();
    EXPECT_TRUE(anyIn(image, 135, 100, 140, 100, lit));
    EXPECT_TRUE(anyIn(image, 60, 100, 65, 100, lit));
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
    Settings settings;
    fitView(view_, scene_, settings);
    EXPECT_EQ(view_.cylinders.count(), SceneRecord::kCapacity);
    const RgbImage image = paint();
    auto isRed = [](const Rgb& p) { return p[0] > 60 && p[1] < 60; };
    EXPECT_TRUE(anyIn(image, 90, 90, 110, 110, isRed));
}

}  // namespace
}  // namespace sprig
