// The parts of options lines and what the options reader finds wrong in them.

#include <gtest/gtest.h>

#include "settings/option_line.h"
#include "support/line_picture.h"

namespace sprig {
namespace {

// Comment, Key, Value, Ignored, Error.
constexpr std::string_view kLetters = "/KV_!";

TEST(InspectOptionLine, PartsAndProblemsFollowTheReader)
{
    const std::string cut = "draw_ground=on" + std::string(240, ' ') + "x";
    const struct {
        std::string line;
        std::string picture;
        std::string problem;
    } cases[] = {
        {"draw_ground = on", "KKKKKKKKKKKKK.VV", ""},
        {"Draw_ground=on", "!!!!!!!!!!!!!!", "unknown key"},
        {"draw_ground=onx", "KKKKKKKKKKKK!!!", "on or off expected after draw_ground="},
        {"draw_dimensions=4", "KKKKKKKKKKKKKKKK!", "2 or 3 expected after draw_dimensions="},
        {"distance=12.5cm", "KKKKKKKKKVVVV__", ""},
        {"distance=1e2x", "KKKKKKKKKVVV_", ""},
        {"distance=abc", "KKKKKKKKK!!!", "a number expected after distance="},
        {"distance=", "!!!!!!!!!", "a number expected after distance="},
        {" // c", ".////", ""},
        {"", "", ""},
        {cut, "KKKKKKKKKKKKVV" + std::string(240, '.') + "_", ""},
        {cut.substr(0, 254), "KKKKKKKKKKKKVV" + std::string(240, '.'), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const OptionLine inspected = inspectOptionLine(c.line);
        EXPECT_EQ(testing::linePicture(inspected.parts, c.line.size(), kLetters), c.picture);
        EXPECT_EQ(inspected.problem, c.problem);
        EXPECT_EQ(static_cast<bool>(inspected.apply), c.problem.empty() && c.line.find('=') != std::string::npos);
    }
}

}  // namespace
}  // namespace sprig
