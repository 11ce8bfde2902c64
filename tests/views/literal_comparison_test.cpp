// The renderer against the literal painter, which makes every GL call as the
// rules give it: from far, from near (the near plane cutting shapes) and from
// inside a cylinder and a cap sphere, on a bundled example and on random
// branches, for every cap choice. No pixel may turn from background to
// object or back. Where two surfaces meet at equal depth, rounding may pick
// the other one: such pixels keep to the bound below.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/result_codes.h"
#include "core/derive/string_file_name.h"
#include "core/turtle/interpret_string.h"
#include "literal_painter.h"
#include "offscreen_view_fixture.h"
#include "platform/random_source.h"
#include "platform/text_lines.h"
#include "settings/options_file.h"
#include "support/temp_dir.h"
#include "views/fit_view.h"

namespace sprig {
namespace {

constexpr std::uint32_t kBackground = 0x00402010u;  // 0x00BBGGRR
constexpr std::array<std::uint8_t, 3> kBackgroundRgb{0x10, 0x20, 0x40};
// Measured: no pixel at all from far; at most 0.2 % of the object pixels
// close up, where shapes drawn whole meet reduced ones at equal depth.
constexpr double kDepthTieShare = 0.005;

struct Comparison {
    int coverageChanged = 0;  // background in one picture, object in the other
    int recoloured = 0;       // object in both, differing by more than rounding
    int objectPixels = 0;
};

Comparison compare(const RgbImage& mine, const RgbImage& literal)
{
    Comparison c;
    for (int y = 0; y < literal.height; ++y) {
        for (int x = 0; x < literal.width; ++x) {
            const auto p = mine.at(x, y);
            const auto q = literal.at(x, y);
            const bool object = q != kBackgroundRgb;
            c.objectPixels += object ? 1 : 0;
            if (object != (p != kBackgroundRgb))
                ++c.coverageChanged;
            else if (std::abs(p[0] - q[0]) > 2 || std::abs(p[1] - q[1]) > 2 || std::abs(p[2] - q[2]) > 2)
                ++c.recoloured;
        }
    }
    return c;
}

class LiteralComparisonTest : public testing::OffscreenViewTest {
protected:
    // Both start from the same normal, which lights the scene's lines.
    RgbImage picture(bool literal)
    {
        glNormal3f(0.0f, 0.0f, 1.0f);
        if (!literal) return paint(kBackground);
        testing::paintLiterally(view_, scene_, options_, kBackground);
        return context_->readPixels();
    }

    // The same picture for every cap choice from the camera as it stands;
    // the literal picture must show some object.
    void expectSamePictures(const std::string& where)
    {
        for (const auto& [begin, end] : {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
            options_.segmentBeginSphere = begin;
            options_.segmentEndSphere = end;
            const RgbImage literal = picture(true);
            const Comparison c = compare(picture(false), literal);
            const std::string caps = where + (begin ? " sphere" : " disk") + (end ? "/sphere" : "/disk");
            EXPECT_GT(c.objectPixels, 0) << caps;
            EXPECT_EQ(c.coverageChanged, 0) << caps;
            EXPECT_LE(c.recoloured, kDepthTieShare * c.objectPixels + 2) << caps << ": " << c.objectPixels;
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
        ASSERT_TRUE(readTextLines(source + ".ls", lines) && readTextLines(source + ".op", optionLines));
        Settings settings;
        SilentJob job;
        int errorRow = 0;
        ASSERT_EQ(ReadOptions(lines, optionLines, settings, errorRow, job), kDone);
        const testing::TempDir dir;
        DeriveRequest request{&lines, dir.file(name + ".ls"), 0, steps};
        LcgRandom random;
        DeriveServices services{job, random, [](int) { return 1u; }};
        ParseReport report;
        ASSERT_EQ(DeriveStrings(request, settings, services, report, created), kDone);
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
                const auto segment = scene_.recordSegment(p, q, width, colour);
                ASSERT_TRUE(segment.has_value());
                if (choice > 0.9f) scene_.setEndWidth(*segment, width * 0.5f);
                p = q;
            }
        }
        scene_.finish();
        Settings settings;
        settings.effective.segmentActiveWidth = true;
        fitView(view_, scene_, settings);
    }
};

TEST_F(LiteralComparisonTest, ABundledExampleFromFarAndNear)
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

TEST_F(LiteralComparisonTest, RandomBranchesFromFarNearAndInside)
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
            const Vec3 start{c.startX, c.startY, c.startZ};
            const Vec3 middle{(start.x + end.x) / 2, (start.y + end.y) / 2, (start.z + end.z) / 2};
            const double inside = 0.3 * std::min(c.baseRadius, c.topRadius);
            lookFrom(20.0f * static_cast<float>(i), 75.0f, 1.3, middle);
            expectSamePictures(scene + " near cylinder " + std::to_string(i));
            lookFrom(-40.0f, 100.0f, inside, middle);
            expectSamePictures(scene + " inside cylinder " + std::to_string(i));
            lookFrom(130.0f, 40.0f, 0.3 * c.topRadius, end);
            expectSamePictures(scene + " inside end cap " + std::to_string(i));
        }
    }
}

// With spheres, the fitted eye stands inside the start sphere: the picture
// is its inside, lit in the segment's colour.
TEST_F(LiteralComparisonTest, AHugeWidthShowsTheInsideOfTheSphere)
{
    scene_.recordSegment({0, 0, 0}, {1, 0, 0}, 1000000.0f, 0x0000FF00u);
    scene_.finish();
    fitView(view_, scene_, Settings{});
    expectSamePictures("width 1000000");
    options_.segmentBeginSphere = true;
    const RgbImage image = picture(false);
    EXPECT_GT(image.at(100, 100)[1], 60);
    EXPECT_LT(image.at(100, 100)[0], 20);
}

}  // namespace
}  // namespace sprig
