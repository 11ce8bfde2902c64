#include "app/obj_writer.h"

#include <charconv>
#include <filesystem>

#include "platform/picture_format.h"

namespace sprig {

namespace {

constexpr std::uint32_t kColours = 1u << 24;

// "c" and the colour as RRGGBB, as it is written in hexadecimal elsewhere.
std::string materialName(std::uint32_t colour)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = "c";
    for (const int shift : {0, 8, 16}) {
        const std::uint32_t byte = (colour >> shift) & 0xFFu;
        name += kHex[byte >> 4];
        name += kHex[byte & 0xFu];
    }
    return name;
}

}  // namespace

ObjWriter::ObjWriter(const std::string& path) : obj_(path), mtlPath_(materialLibraryPath(path))
{
    if (!obj_.isOpen()) return;
    used_.assign(kColours / 64, 0);
    obj_.write("# Sprigwork 3D scene\nmtllib ");
    obj_.write(std::filesystem::path(mtlPath_).filename().string());
    obj_.put('\n');
}

void ObjWriter::piece(std::span<const MeshVertex> vertices, std::span<const MeshTriangle> triangles,
                      std::uint32_t colour)
{
    colour &= kColours - 1;
    for (const MeshVertex& v : vertices) writeTriple('v', v.position);
    for (const MeshVertex& v : vertices) writeTriple('n', v.normal);
    if (colour_ != colour) {
        obj_.write("usemtl ");
        obj_.write(materialName(colour));
        obj_.put('\n');
        colour_ = colour;
        used_[colour / 64] |= std::uint64_t{1} << (colour % 64);
    }
    const auto count = static_cast<std::int64_t>(vertices.size());
    for (const MeshTriangle& t : triangles) {
        std::size_t room = 0;
        char* at = obj_.reserve(3 * 2 * 24 + 8, room);
        *at++ = 'f';
        for (const std::uint32_t index : {t.a, t.b, t.c}) {
            const std::int64_t relative = static_cast<std::int64_t>(index) - count;
            *at++ = ' ';
            at = std::to_chars(at, at + 24, relative).ptr;
            *at++ = '/';
            *at++ = '/';
            at = std::to_chars(at, at + 24, relative).ptr;
        }
        *at++ = '\n';
        obj_.commit(at);
    }
}

// 'v' for a position, 'n' for a normal.
void ObjWriter::writeTriple(char kind, const Vec3& v)
{
    obj_.write(kind == 'v' ? "v" : "vn");
    for (const float value : {v.x, v.y, v.z}) {
        obj_.put(' ');
        obj_.writeFixed(value);
    }
    obj_.put('\n');
}

Result ObjWriter::finish()
{
    if (!obj_.flushed()) return {kGraphicsError, obj_.failure()};
    OutFile mtl(mtlPath_);
    if (!mtl.isOpen()) return {kGraphicsError, mtl.failure()};
    mtl.write("# Sprigwork 3D scene: one material per colour\n");
    for (std::uint32_t colour = 0; colour < kColours; ++colour) {
        if (colour % 64 == 0 && used_[colour / 64] == 0) {
            colour += 63;
            continue;
        }
        if ((used_[colour / 64] >> (colour % 64) & 1u) == 0) continue;
        mtl.write("newmtl " + materialName(colour) + "\nKd");
        for (const int shift : {0, 8, 16}) {
            mtl.put(' ');
            mtl.writeFixed(static_cast<float>((colour >> shift) & 0xFFu) / 255.0f);
        }
        mtl.put('\n');
    }
    if (!mtl.close()) return {kGraphicsError, mtl.failure()};
    if (obj_.close()) return kDone;
    removeFile(mtlPath_);
    return {kGraphicsError, obj_.failure()};
}

}  // namespace sprig
