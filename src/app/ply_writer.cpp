#include "app/ply_writer.h"

#include <bit>
#include <cstring>
#include <limits>

namespace sprig {

namespace {

static_assert(std::endian::native == std::endian::little, "PLY records are written as they lie in memory");

constexpr std::size_t kVertexBytes = 6 * sizeof(float) + 3;
constexpr std::size_t kFaceBytes = 1 + 3 * sizeof(std::uint32_t);
constexpr std::size_t kCountDigits = 20;

constexpr char kVertexLine[] = "element vertex ";
constexpr char kHeaderMiddle[] = "\nproperty float x\nproperty float y\nproperty float z\n"
                                 "property float nx\nproperty float ny\nproperty float nz\n"
                                 "property uchar red\nproperty uchar green\nproperty uchar blue\n"
                                 "element face ";
constexpr char kHeaderEnd[] = "\nproperty list uchar uint vertex_indices\nend_header\n";
constexpr char kHeaderStart[] = "ply\nformat binary_little_endian 1.0\ncomment Sprigwork 3D scene\n";

// A count as its header field: kCountDigits digits, zeros in front.
std::string countField(std::uint64_t count)
{
    std::string digits(kCountDigits, '0');
    for (std::size_t i = kCountDigits; i-- > 0 && count > 0; count /= 10)
        digits[i] = static_cast<char>('0' + count % 10);
    return digits;
}

constexpr std::size_t kVertexCountAt = sizeof(kHeaderStart) - 1 + sizeof(kVertexLine) - 1;
constexpr std::size_t kFaceCountAt = kVertexCountAt + kCountDigits + sizeof(kHeaderMiddle) - 1;

}  // namespace

PlyWriter::PlyWriter(const std::string& path) : out_(path), path_(path)
{
    if (!out_.isOpen()) return;
    out_.write(kHeaderStart);
    out_.write(kVertexLine);
    out_.write(countField(0));
    out_.write(kHeaderMiddle);
    out_.write(countField(0));
    out_.write(kHeaderEnd);
}

void PlyWriter::piece(std::span<const MeshVertex> vertices, std::span<const MeshTriangle> triangles,
                      std::uint32_t colour)
{
    std::size_t room = 0;
    if (!faces_) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(colour & 0xFFu),
                                      static_cast<unsigned char>((colour >> 8) & 0xFFu),
                                      static_cast<unsigned char>((colour >> 16) & 0xFFu)};
        for (const MeshVertex& v : vertices) {
            char* at = out_.reserve(kVertexBytes, room);
            const float values[6] = {v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y, v.normal.z};
            std::memcpy(at, values, sizeof values);
            std::memcpy(at + sizeof values, rgb, 3);
            out_.commit(at + kVertexBytes);
        }
        vertexCount_ += vertices.size();
        return;
    }
    for (const MeshTriangle& t : triangles) {
        char* at = out_.reserve(kFaceBytes, room);
        *at = 3;
        const std::uint32_t corners[3] = {static_cast<std::uint32_t>(firstIndex_ + t.a),
                                          static_cast<std::uint32_t>(firstIndex_ + t.b),
                                          static_cast<std::uint32_t>(firstIndex_ + t.c)};
        std::memcpy(at + 1, corners, sizeof corners);
        out_.commit(at + kFaceBytes);
    }
    firstIndex_ += vertices.size();
    faceCount_ += triangles.size();
}

Result PlyWriter::finish()
{
    if (vertexCount_ > std::numeric_limits<std::uint32_t>::max())
        return {kGraphicsError, FileFailure{path_, "more vertices than a PLY file's 32-bit indices can name"}};
    out_.overwrite(kVertexCountAt, countField(vertexCount_));
    out_.overwrite(kFaceCountAt, countField(faceCount_));
    return closed(out_, kGraphicsError);
}

}  // namespace sprig
