#include "platform/depth_layers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace sprig {
namespace {

// A 2 x 2 layer, bottom row first, every pixel one colour.
std::vector<std::uint8_t> filled(std::uint8_t red, std::uint8_t green)
{
    return {red, green, 0, 255, red, green, 0, 255, red, green, 0, 255, red, green, 0, 255};
}

TEST(NearestPixels, EachPixelComesFromTheNearestLayerAndTheEarlierOneOnEqualDepth)
{
    const auto first = filled(10, 0);
    const auto second = filled(20, 0);
    const auto third = filled(30, 0);
    // Pixels in order bottom-left, bottom-right, top-left, top-right.
    const std::vector<std::uint32_t> firstDepth{5, 9, 7, 4294967295u};
    const std::vector<std::uint32_t> secondDepth{6, 3, 7, 4294967295u};
    const std::vector<std::uint32_t> thirdDepth{6, 3, 2, 4294967295u};
    const DepthLayer layers[] = {{first.data(), firstDepth.data()},
                                 {second.data(), secondDepth.data()},
                                 {third.data(), thirdDepth.data()}};
    const RgbImage image = nearestPixels(layers, 2, 2);
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    // The picture is top row first.
    EXPECT_EQ(image.at(0, 0)[0], 30);  // top-left: the third is nearest
    EXPECT_EQ(image.at(1, 0)[0], 10);  // top-right: all equal, the first wins
    EXPECT_EQ(image.at(0, 1)[0], 10);  // bottom-left: the first is nearest
    EXPECT_EQ(image.at(1, 1)[0], 20);  // bottom-right: second and third tie
}

TEST(NearestPixels, ASingleLayerNeedsNoDepthAndIsTurnedTopRowFirst)
{
    const std::vector<std::uint8_t> rgba{1, 2, 3, 255, 4, 5, 6, 255,  // bottom row
                                         7, 8, 9, 255, 10, 11, 12, 255};
    const DepthLayer layer{rgba.data()};
    const RgbImage image = nearestPixels({&layer, 1}, 2, 2);
    EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace sprig
