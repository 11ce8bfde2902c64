#include "views/picture_name.h"

#include <gtest/gtest.h>

namespace sprig {
namespace {

TEST(PictureName, NumberedNameCutsTheExtensionOfTheFileName)
{
    EXPECT_EQ(numberedPictureName("C:\\work\\tree.ls", 7), "C:\\work\\tree_007.bmp");
    EXPECT_EQ(numberedPictureName("C:\\work\\tree.ls", 1234), "C:\\work\\tree_1234.bmp");
    EXPECT_EQ(numberedPictureName("d:\\ls\\fern.v2.ls", 0), "d:\\ls\\fern.v2_000.bmp");
    // A dot in a folder name is not an extension: the picture stays beside the definition.
    EXPECT_EQ(numberedPictureName("/home/my.dir/fern", 3), "/home/my.dir/fern_003.bmp");
    EXPECT_EQ(numberedPictureName("/home/u/plant", 12), "/home/u/plant_012.bmp");
    // Nothing open yet: the step number -1 printed with "%03d".
    EXPECT_EQ(numberedPictureName("", -1), "_-01.bmp");
}

TEST(PictureName, StringAndChosenNames)
{
    EXPECT_EQ(stringPictureName("/data/tree.str"), "/data/tree.bmp");
    EXPECT_EQ(stringPictureName("tree"), "tree.bmp");
    EXPECT_EQ(stringPictureName("/my.dir/tree"), "/my.dir/tree.bmp");
    EXPECT_EQ(chosenPictureName("picture"), "picture.bmp");
    EXPECT_EQ(chosenPictureName("picture.bmp"), "picture.bmp");
    EXPECT_EQ(chosenPictureName("picture.BMP"), "picture.BMP.bmp");
    EXPECT_EQ(chosenPictureName(".bmp"), ".bmp");
}

}  // namespace
}  // namespace sprig
