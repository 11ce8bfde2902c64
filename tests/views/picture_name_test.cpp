#include "views/picture_name.h"

#include <gtest/gtest.h>

#include <utility>

namespace sprig {
namespace {

TEST(PictureName, NamesFollowTheDefinitionTheStringOrTheChoice)
{
    const std::pair<std::string, std::string> cases[] = {
        {numberedPictureName("C:\\work\\tree.ls", 7), "C:\\work\\tree_007.bmp"},
        {numberedPictureName("C:\\work\\tree.ls", 1234), "C:\\work\\tree_1234.bmp"},
        {numberedPictureName("d:\\ls\\fern.v2.ls", 0), "d:\\ls\\fern.v2_000.bmp"},
        {numberedPictureName("/home/my.dir/fern", 3), "/home/my.dir/fern_003.bmp"},  // a folder's dot stays
        {numberedPictureName("/home/u/plant", 12), "/home/u/plant_012.bmp"},
        {numberedPictureName("", -1), "_-01.bmp"},  // nothing open yet: -1 printed with "%03d"
        {stringPictureName("/data/tree.str"), "/data/tree.bmp"},
        {stringPictureName("tree"), "tree.bmp"},
        {stringPictureName("/my.dir/tree"), "/my.dir/tree.bmp"},
        {chosenPictureName("picture"), "picture.bmp"},
        {chosenPictureName("picture.bmp"), "picture.bmp"},
        {chosenPictureName("picture.BMP"), "picture.BMP.bmp"},
        {chosenPictureName(".bmp"), ".bmp"},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(name, expected);
}

}  // namespace
}  // namespace sprig
