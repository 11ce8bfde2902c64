#pragma once
// The kinds of file a picture or a scene can be exported as, told by the
// file name's extension.

#include <cctype>
#include <optional>
#include <string>
#include <string_view>

namespace sprig {

enum class PictureFormat { Bmp, Png, Svg, Obj, Ply };

// The format a name's extension asks for, in any letter case; nothing for
// an extension that is none of .bmp, .png, .svg, .obj and .ply.
inline std::optional<PictureFormat> pictureFormatOf(std::string_view path)
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.') return std::nullopt;
    std::string_view ext = path.substr(dot + 1);
    char lower[4] = {};
    if (ext.size() != 3) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(ext[i])));
    ext = std::string_view(lower, 3);
    if (ext == "bmp") return PictureFormat::Bmp;
    if (ext == "png") return PictureFormat::Png;
    if (ext == "svg") return PictureFormat::Svg;
    if (ext == "obj") return PictureFormat::Obj;
    if (ext == "ply") return PictureFormat::Ply;
    return std::nullopt;
}

// The material library an OBJ file names, written beside it: the OBJ's
// name with ".mtl" for its extension.
inline std::string materialLibraryPath(std::string_view objPath)
{
    const std::size_t dot = objPath.find_last_of("./");
    const bool cut = dot != std::string_view::npos && objPath[dot] == '.';
    return std::string(cut ? objPath.substr(0, dot) : objPath) + ".mtl";
}

}  // namespace sprig
