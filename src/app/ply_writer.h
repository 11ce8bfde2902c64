#pragma once
// A binary little-endian PLY file of meshed pieces: every vertex with its
// normal and its colour, then every triangle. Vertices and faces go in two
// passes over the same pieces, so nothing of them is kept; the header's
// counts, known only at the end, are written into room left for them.

#include <cstdint>
#include <string>

#include "app/mesh_file.h"
#include "platform/byte_file.h"

namespace sprig {

class PlyWriter final : public MeshFile {
public:
    explicit PlyWriter(const std::string& path);

    // False when the file cannot be made; failure() then says why.
    bool isOpen() const { return out_.isOpen(); }
    const std::optional<FileFailure>& failure() const override { return out_.failure(); }
    // Pieces before this give their vertices, pieces after it their faces.
    void startFaces() { faces_ = true; }
    void piece(std::span<const MeshVertex> vertices, std::span<const MeshTriangle> triangles,
               std::uint32_t colour) override;
    // Writes the counts and puts the file in place; kGraphicsError when a
    // write failed or the vertices are too many for 32-bit indices. A writer
    // destroyed before leaves nothing.
    Result finish();

private:
    OutFile out_;
    std::string path_;
    bool faces_ = false;
    std::uint64_t vertexCount_ = 0;
    std::uint64_t faceCount_ = 0;
    std::uint64_t firstIndex_ = 0;  // of the piece at hand, in the faces' pass
};

}  // namespace sprig
