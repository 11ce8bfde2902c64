#include "platform/line_clip.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace sprig {
namespace {

// Lines against the square from (0, 0) to (10, 10), each worked out by hand:
// whether any part is inside, and the part that is, to the last bit. An end
// inside stays as given: 0.4 + (1.45 - 0.4) would be 1.4500000000000002.
TEST(LineClip, LinesAreCutToTheRectangleOrDroppedWhenWhollyOutside)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        LineEnds line;
        bool inside;
        LineEnds cut;
    } cases[] = {
        {{1, 1, 9, 9}, true, {1, 1, 9, 9}},
        {{0.4, 0.4, 1.45, 1.45}, true, {0.4, 0.4, 1.45, 1.45}},
        {{-5, 5, 5, 5}, true, {0, 5, 5, 5}},
        {{-10, 5, 20, 5}, true, {0, 5, 10, 5}},
        {{10, -5, 10, 15}, true, {10, 0, 10, 10}},  // along the right edge
        {{12, 1, 15, 9}, false, {}},                // wholly to the right
        {{1, -5, 9, -1}, false, {}},                // wholly above
        {{-5, 5, -1, 5}, false, {}},                // wholly to the left, heading in
        {{-5, 4, 4, -5}, false, {}},                // past the corner at (0, 0)
        {{-5, 5, 5, -5}, true, {0, 0, 0, 0}},       // touching it: in at the left, out at the top
        {{5, -5, 15, 5}, true, {10, 0, 10, 0}},     // out at the right, in at the top
        {{kNaN, 0, 1, 1}, false, {}},
    };
    for (const auto& c : cases) {
        LineEnds line = c.line;
        SCOPED_TRACE(testing::Message() << c.line.x0 << "," << c.line.y0 << " " << c.line.x1 << "," << c.line.y1);
        ASSERT_EQ(clipLine(line, {0, 0, 10, 10}), c.inside);
        if (!c.inside) continue;
        EXPECT_EQ(std::tuple(line.x0, line.y0, line.x1, line.y1), std::tuple(c.cut.x0, c.cut.y0, c.cut.x1, c.cut.y1));
    }
}

}  // namespace
}  // namespace sprig
