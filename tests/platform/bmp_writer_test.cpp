#include "platform/bmp_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "support/temp_dir.h"

namespace sprig {
namespace {

std::uint32_t readLittleEndian(const std::string& bytes, std::size_t offset, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

TEST(BmpWriter, WritesA24BitBottomUpBitmapWithPaddedRows)
{
    // Two rows of two pixels, seven bytes apart: red, green / blue, white.
    const std::uint8_t source[] = {255, 0, 0, 0, 255, 0, 99, 0, 0, 255, 255, 255, 255, 99};
    testing::TempDir dir;
    const std::string path = dir.file("two.bmp");
    ASSERT_EQ(writeBmp(path, RgbRows{source, 2, 2, 7}), kDone);

    const std::string file = testing::TempDir::read(path);
    ASSERT_EQ(file.size(), 70u);  // 54 header bytes + 2 rows of 6 bytes padded to 8
    EXPECT_EQ(file.substr(0, 2), "BM");
    // The file size, the pixels' offset, the info header's size, the width,
    // a positive height (bottom row first), 24 bits, no compression and the
    // size of the pixels: offset, bytes and value of each field.
    const std::tuple<std::size_t, int, std::uint32_t> fields[] = {
        {2, 4, 70}, {10, 4, 54}, {14, 4, 40}, {18, 4, 2}, {22, 4, 2}, {28, 2, 24}, {30, 4, 0}, {34, 4, 16},
    };
    for (const auto& [offset, count, value] : fields) EXPECT_EQ(readLittleEndian(file, offset, count), value) << offset;

    const std::string bottom("\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 8);  // blue, white as B, G, R
    const std::string top("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);     // red, green
    EXPECT_EQ(file.substr(54, 8), bottom);
    EXPECT_EQ(file.substr(62, 8), top);
}

TEST(BmpWriter, RefusesAnEmptyPictureOrAnUnwritablePath)
{
    const std::uint8_t pixel[] = {1, 2, 3};
    testing::TempDir dir;
    EXPECT_EQ(writeBmp(dir.file("empty.bmp"), RgbRows{pixel, 0, 1, 3}), kIoError);
    EXPECT_EQ(writeBmp(dir.file("negative.bmp"), RgbRows{pixel, 1, -1, 3}), kIoError);
    EXPECT_EQ(writeBmp(dir.file("missing/dir/x.bmp"), RgbRows{pixel, 1, 1, 3}).failure->reason,
              "No such file or directory");
    ASSERT_EQ(writeBmp(dir.file("one.bmp"), RgbRows{pixel, 1, 1, 3}), kDone);
    EXPECT_EQ(testing::TempDir::read(dir.file("one.bmp")).size(), 58u);  // one row of 3 bytes padded to 4
}

}  // namespace
}  // namespace sprig
