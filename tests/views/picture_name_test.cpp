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
        {chosenPictureName("picture", 2), "picture.bmp"},
        {chosenPictureName("picture.bmp", 3), "picture.bmp"},
        {chosenPictureName("picture.BMP", 2), "picture.BMP.bmp"},
        {chosenPictureName(".bmp", 2), ".bmp"},
        // Each window keeps the extensions it offers and adds the chosen filter's.
        {chosenPictureName("plant.svg", 2), "plant.svg"},
        {chosenPictureName("plant.svg", 3, ".obj"), "plant.svg.obj"},
        {chosenPictureName("plant.ply", 3), "plant.ply"},
        {chosenPictureName("plant.obj", 2, ".png"), "plant.obj.png"},
        {chosenPictureName("plant", 3, ".ply"), "plant.ply"},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(name, expected);
}

// The bitmap comes first, so it stays the default.
TEST(PictureName, EachWindowOffersItsOwnFormats)
{
    const auto texts = [](int dimensions) {
        std::vector<std::string> all;
        for (const PictureFilter& filter : pictureFilters(dimensions))
            all.push_back(filter.text + " " + filter.extension);
        return all;
    };
    EXPECT_EQ(texts(2), (std::vector<std::string>{"Bitmaps (*.bmp) .bmp", "PNG (*.png) .png", "SVG (*.svg) .svg"}));
    EXPECT_EQ(texts(3), (std::vector<std::string>{"Bitmaps (*.bmp) .bmp", "PNG (*.png) .png",
                                                  "Wavefront OBJ (*.obj) .obj", "PLY (*.ply) .ply"}));
}

}  // namespace
}  // namespace sprig
