// Branches drawn without the start spheres that lie inside the segment
// before, against the same branches drawn call by call with GLU quadrics.

#include "views/cap_drawing_fixture.h"

namespace sprig::cap_drawing {
namespace {

constexpr int kRoundingPixels = 10;

class JoinedCapsTest : public CapDrawingTest {
protected:
    int startsInsidePrevious() const
    {
        int count = 0;
        for (int i = 0; i < view_.cylinders.count(); ++i) count += view_.cylinders.startInsidePrevious(i) ? 1 : 0;
        return count;
    }

    // Straight on at the same width and colour, then 1 % narrower in
    // another colour; then bending at every joint while narrowing by 2 % and
    // changing colour; last a bent joint at the same width.
    void recordBranch(float width)
    {
        const Vec3 straightOn[] = {{0, -4, -2}, {0, -3, -2}, {0, -2, -2}, {0, -1, -2}};
        scene_.recordSegment(straightOn[0], straightOn[1], width, kRed);
        scene_.recordSegment(straightOn[1], straightOn[2], width, kRed);
        width *= 0.99f;
        scene_.recordSegment(straightOn[2], straightOn[3], width, kBlue);
        const Vec3 bends[] = {{0, -1, -2}, {0, 0, -1}, {0.5f, 1, 0}, {-0.5f, 1.5f, 1}, {0, 3, 1.5f}};
        const std::uint32_t colours[] = {kGreen, kBlue, kRed, kGreen};
        for (int i = 0; i < 4; ++i) {
            width *= 0.98f;
            scene_.recordSegment(bends[i], bends[i + 1], width, colours[i]);
        }
        scene_.recordSegment({0, 3, 1.5f}, {0, 3.5f, 3}, width, kGreen);
    }
};

TEST_F(JoinedCapsTest, BranchesLookAsWithQuadricCalls)
{
    setCaps(true, true);
    for (const float width : {0.4f, 0.8f, 1.2f}) {
        scene_.reset();
        recordBranch(width);
        makeReady();
        ASSERT_EQ(startsInsidePrevious(), 6) << width;  // all but the first and the last
        const float views[][2] = {{-90, 90}, {-30, 60}, {45, 120}, {150, 20}, {0, 0}, {-90, 180}};
        for (const auto& [azimuth, elevation] : views) {
            view_.camera.azimuth = azimuth;
            view_.camera.elevation = elevation;
            const RgbImage reference = paintImmediately();
            EXPECT_GT(litPixels(reference), 1000);
            EXPECT_LE(differingPixels(paint(), reference), kRoundingPixels) << width << ": " << azimuth << " " << elevation;
        }
    }
}

// The last segment's start sphere is left out, its end sphere is not.
TEST_F(JoinedCapsTest, APaintEndingInABranchLeavesTheNormalThatQuadricCallsLeave)
{
    setCaps(true, true);
    scene_.recordSegment({0, 0, 0}, {0, 1, 1}, 0.5f, kRed);
    scene_.recordSegment({0, 1, 1}, {1, 1, 2}, 0.4f, kRed);
    makeReady();
    ASSERT_TRUE(view_.cylinders.startInsidePrevious(1));
    paint();
    const auto mine = currentNormal();
    paintImmediately();
    EXPECT_EQ(mine, currentNormal());
}

// With flat end caps the start spheres show round the previous end disks.
TEST_F(JoinedCapsTest, StartSpheresBeforeFlatEndCapsAreDrawn)
{
    recordBranch(0.8f);
    makeReady();
    setCaps(true, false);
    const RgbImage reference = paintImmediately();
    EXPECT_LE(differingPixels(paint(), reference), kRoundingPixels);
}

}  // namespace
}  // namespace sprig::cap_drawing
