#include "platform/bmp_writer.h"

#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "platform/byte_file.h"

namespace sprig {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void putLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

std::vector<char> headers(int width, int height, std::uint32_t imageSize)
{
    std::vector<char> h;
    h.reserve(kFileHeaderSize + kInfoHeaderSize);
    h.push_back('B');
    h.push_back('M');
    putLittleEndian(h, kFileHeaderSize + kInfoHeaderSize + imageSize, 4);
    putLittleEndian(h, 0, 4);  // reserved
    putLittleEndian(h, kFileHeaderSize + kInfoHeaderSize, 4);
    putLittleEndian(h, kInfoHeaderSize, 4);
    putLittleEndian(h, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(h, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up
    putLittleEndian(h, 1, 2);                                   // planes
    putLittleEndian(h, 24, 2);                                  // bits per pixel
    putLittleEndian(h, 0, 4);                                   // no compression
    putLittleEndian(h, imageSize, 4);
    putLittleEndian(h, kPixelsPerMetre, 4);
    putLittleEndian(h, kPixelsPerMetre, 4);
    putLittleEndian(h, 0, 4);  // colours used
    putLittleEndian(h, 0, 4);  // important colours
    return h;
}

void writeRow(OutFile& out, const std::uint8_t* rgb, int width, std::vector<char>& row)
{
    for (int x = 0; x < width; ++x) {
        row[static_cast<std::size_t>(x) * 3] = static_cast<char>(rgb[x * 3 + 2]);
        row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(rgb[x * 3 + 1]);
        row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(rgb[x * 3]);
    }
    out.write(std::string_view(row.data(), row.size()));
}

}  // namespace

Result writeBmp(const std::string& path, const RgbRows& picture)
{
    if (picture.width <= 0 || picture.height <= 0 || picture.top == nullptr) return kIoError;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(picture.width) * 3 + 3) / 4 * 4;
    const std::uint64_t imageSize = rowBytes * static_cast<std::uint64_t>(picture.height);
    if (imageSize > std::numeric_limits<std::uint32_t>::max() - kFileHeaderSize - kInfoHeaderSize) return kIoError;

    OutFile out(path);
    if (!out.isOpen()) return {kIoError, out.failure()};
    const std::vector<char> head = headers(picture.width, picture.height, static_cast<std::uint32_t>(imageSize));
    out.write(std::string_view(head.data(), head.size()));
    std::vector<char> row(rowBytes, 0);
    for (int y = picture.height - 1; y >= 0; --y) writeRow(out, picture.top + y * picture.stride, picture.width, row);
    return closed(out);
}

}  // namespace sprig
