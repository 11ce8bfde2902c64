#pragma once
// A Wavefront OBJ file of meshed pieces as they come, with its material
// library beside it: one material per colour used. Every piece gives its
// vertices with their normals and then its faces, which name them by
// relative (negative) indices, so nothing of the pieces before is kept.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/mesh_file.h"
#include "platform/byte_file.h"

namespace sprig {

class ObjWriter final : public MeshFile {
public:
    // The library is materialLibraryPath(path).
    explicit ObjWriter(const std::string& path);

    // False when the file cannot be made; failure() then says why.
    bool isOpen() const { return obj_.isOpen(); }
    const std::optional<FileFailure>& failure() const override { return obj_.failure(); }
    void piece(std::span<const MeshVertex> vertices, std::span<const MeshTriangle> triangles,
               std::uint32_t colour) override;
    // Writes the library and puts both files in place; kGraphicsError when a
    // write failed, the OBJ then left as it was and no new library left
    // behind. The OBJ is written out whole before the library is begun, so a
    // full disk leaves the old library too. A writer destroyed before leaves
    // neither.
    Result finish();

private:
    void writeTriple(char kind, const Vec3& v);

    OutFile obj_;
    std::string mtlPath_;
    std::vector<std::uint64_t> used_;  // one bit per colour 0x00BBGGRR
    std::optional<std::uint32_t> colour_;
};

}  // namespace sprig
