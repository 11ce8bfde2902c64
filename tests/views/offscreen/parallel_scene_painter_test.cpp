// Pictures painted by several contexts and joined by depth, against the
// same paints in one context.

#include "views/offscreen/parallel_scene_painter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "views/offscreen_view_fixture.h"

namespace sprig {
namespace {

constexpr int kWidth = testing::kViewSize;
constexpr int kHeight = testing::kViewSize;
constexpr std::uint32_t kRed = 0x000000FFu;  // 0x00BBGGRR
constexpr std::uint32_t kGreen = 0x0000FF00u;
constexpr std::uint32_t kBlue = 0x00FF0000u;
constexpr std::uint32_t kGrey = 0x00404040u;

class ParallelScenePainterTest : public testing::OffscreenViewTest {
protected:
    void SetUp() override
    {
        OffscreenViewTest::SetUp();
        view_.camera.distance = 12.0;
        view_.camera.groundHalfSize = 3.0f;
    }

    RgbImage paintInOneContext() { return paint(kGrey); }

    // A polygon, the lines of zero-width segments (lit by whatever normal
    // the paint before left), tapers, a zero-length segment and segments
    // that cross, more than some painters have contexts.
    void recordScene()
    {
        options_.segmentActiveWidth = true;
        options_.drawGround = true;
        view_.camera.axesVisible = true;
        scene_.recordPolygon(std::vector<Vec3>{{0, -3, -3}, {0, -1, -3}, {0, -1, -1}, {0, -3, -1}}, 1.0f, kBlue,
                             {1, 0, 0});
        scene_.recordSegment({0, 3, -1}, {0, 3, 1}, 0.0f, kBlue);
        scene_.setEndWidth(*scene_.recordSegment({0, 0, 0}, {0, 2, 1}, 0.9f, kRed), 0.5f);
        scene_.recordSegment({0, 2, 1}, {1, 2, 3}, 0.5f, kGreen);
        scene_.recordSegment({1, 2, 3}, {1, 1, 3.5f}, 0.5f, kGreen);
        scene_.recordSegment({-2, 1, -2}, {2, 3, -3}, 1.2f, kRed);
        scene_.recordSegment({1, -1, 2}, {1, -1, 2}, 1.5f, kGreen);
        scene_.recordSegment({-1, 0, -3}, {1, 0, -3.5f}, 0.3f, kGreen);
        scene_.recordSegment({2, -2, 2}, {2, -3, 3}, 1.6f, kRed);
        scene_.recordSegment({-2, -2, 1}, {-2, -2, 2}, 0.0f, kRed);
        makeReady();
    }
};

TEST_F(ParallelScenePainterTest, PaintsExactlyWhatOneContextPaints)
{
    recordScene();
    const float cameras[][2] = {{-60, 70}, {30, 120}, {-150, 40}};
    for (const auto& [begin, end] : {std::pair{true, true}, {false, false}, {true, false}}) {
        options_.segmentBeginSphere = begin;
        options_.segmentEndSphere = end;
        for (const int parts : {1, 2, 3, 12}) {
            const auto painter = ParallelScenePainter::create(kWidth, kHeight, parts);
            ASSERT_NE(painter, nullptr);
            ASSERT_TRUE(context_->makeCurrent());
            renderer_.initialise();
            // Each paint's lines are lit by the normal the paint before
            // left, so the pictures are compared over a run of paints.
            for (const auto& [azimuth, elevation] : cameras) {
                view_.camera.azimuth = azimuth;
                view_.camera.elevation = elevation;
                const std::optional<RgbImage> joined = painter->paint(view_, scene_, options_, kGrey);
                ASSERT_TRUE(joined.has_value());
                EXPECT_TRUE(joined->pixels == paintInOneContext().pixels)
                    << parts << " parts, caps " << begin << end << ", " << azimuth << " " << elevation;
            }
        }
    }
}

// Two cylinders in the same place, one in each share: at equal depth the
// first one drawn shows, as in one context.
TEST_F(ParallelScenePainterTest, TheEarlierShareWinsAtEqualDepth)
{
    scene_.recordSegment({0, 0, -2}, {0, 0, 2}, 2.0f, kRed);
    scene_.recordSegment({0, 0, -2}, {0, 0, 2}, 2.0f, kBlue);
    makeReady();
    const auto painter = ParallelScenePainter::create(kWidth, kHeight, 2);
    ASSERT_NE(painter, nullptr);
    const std::optional<RgbImage> joined = painter->paint(view_, scene_, options_, kGrey);
    ASSERT_TRUE(joined.has_value());
    const auto middle = joined->at(kWidth / 2, kHeight / 2);
    EXPECT_GT(middle[0], 100);
    EXPECT_LT(middle[2], middle[0] / 4);  // blue only from the white highlight
    EXPECT_TRUE(joined->pixels == paintInOneContext().pixels);
}

TEST_F(ParallelScenePainterTest, PaintsNothingWhileTheSceneIsNotReady)
{
    recordScene();
    view_.sceneReady = false;
    const auto painter = ParallelScenePainter::create(kWidth, kHeight, 2);
    ASSERT_NE(painter, nullptr);
    EXPECT_FALSE(painter->paint(view_, scene_, options_, 0u).has_value());
}

TEST(ParallelScenePainter, CannotBeMadeWithoutASize)
{
    EXPECT_EQ(ParallelScenePainter::create(0, 100, 2), nullptr);
}

}  // namespace
}  // namespace sprig
