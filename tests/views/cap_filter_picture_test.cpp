// Caps drawn without the faces that face away from the eye or lie inside a
// joined cylinder, against the same shapes drawn with every face: the
// pictures must be the same to the last bit.

#include <cstdint>

#include "views/cap_drawing_fixture.h"

namespace sprig::cap_drawing {
namespace {

class CapFilterPictureTest : public CapDrawingTest {
protected:
    // Branches that bend at every joint: one keeps its width, others narrow
    // by 1 %, 3 % or 10 % a segment, one widens, one tapers.
    void recordBranches()
    {
        std::uint32_t seed = 7;
        auto random = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<float>(seed >> 8) / 16777216.0f - 0.5f;
        };
        const float narrowing[] = {1.0f, 0.99f, 0.97f, 0.9f, 1.02f, 1.0f};
        const std::uint32_t colours[] = {kRed, kGreen, kBlue};
        for (int branch = 0; branch < 6; ++branch) {
            Vec3 p{random() * 3.0f, random() * 3.0f, -3.0f};
            float width = 0.5f;
            for (int k = 0; k < 12; ++k) {
                const Vec3 q{p.x + random() * 0.8f, p.y + random() * 0.8f, p.z + 0.5f};
                const auto segment = scene_.recordSegment(p, q, width, colours[(branch + k / 4) % 3]);
                if (branch == 5) scene_.setEndWidth(*segment, width * 0.8f);
                width *= narrowing[branch];
                p = q;
            }
        }
        options_.segmentActiveWidth = true;
    }

    int joinedCaps(CapFilterKind kind) const
    {
        int count = 0;
        for (int i = 0; i < view_.cylinders.count(); ++i) {
            count += view_.cylinders.startJoined(i).kind == kind ? 1 : 0;
            count += view_.cylinders.endJoined(i).kind == kind ? 1 : 0;
        }
        return count;
    }
};

TEST_F(CapFilterPictureTest, BendingBranchesLookExactlyAsWithEveryFace)
{
    setCaps(true, true);
    recordBranches();
    makeReady();
    EXPECT_GT(joinedCaps(CapFilterKind::kOutsideWideJoined), 20);
    EXPECT_GT(joinedCaps(CapFilterKind::kOutsideNarrowJoined), 10);
    const float views[][3] = {{-90, 90, 10}, {-30, 60, 10}, {45, 120, 9},  {150, 20, 10}, {0, 0, 12},
                              {-90, 180, 10}, {10, 80, 4},  {200, 95, 3}, {75, 45, 2.5f}};
    for (const auto& [azimuth, elevation, distance] : views) {
        view_.camera.azimuth = azimuth;
        view_.camera.elevation = elevation;
        view_.camera.distance = distance;
        const RgbImage reference = paintEveryFace();
        EXPECT_GT(litPixels(reference), 2000);
        EXPECT_TRUE(paint().pixels == reference.pixels) << azimuth << " " << elevation << " " << distance;
    }
}

// Single segments seen from every side, near and far: only the eye decides
// which faces are left out.
TEST_F(CapFilterPictureTest, LoneSegmentsLookExactlyAsWithEveryFace)
{
    setCaps(true, true);
    scene_.recordSegment({0, 0, -2}, {0, 0, 1}, 1.6f, kRed);
    scene_.recordSegment({1, 1, 1}, {2.5f, -1, 2}, 1.0f, kGreen);
    scene_.recordSegment({-2, 2, 0}, {-2, 0.5f, -1}, 0.8f, kBlue);
    makeReady();
    for (float elevation = 0.0f; elevation <= 180.0f; elevation += 30.0f) {
        for (float azimuth = -180.0f; azimuth < 180.0f; azimuth += 40.0f) {
            for (const double distance : {3.0, 12.0}) {
                view_.camera.azimuth = azimuth;
                view_.camera.elevation = elevation;
                view_.camera.distance = distance;
                const RgbImage reference = paintEveryFace();
                EXPECT_TRUE(paint().pixels == reference.pixels) << azimuth << " " << elevation << " " << distance;
            }
        }
    }
}

}  // namespace
}  // namespace sprig::cap_drawing
