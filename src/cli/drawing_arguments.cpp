#include "cli/drawing_arguments.h"

#include <filesystem>
#include <string_view>

#include "core/derive/string_file_name.h"
#include "platform/fixed_format.h"

namespace sprig {

const char* const kDrawingUsage = "\n"
                                  "Drawing:\n"
                                  "  --mode LSR&D     interpret every step as run mode LSR&D does; the\n"
                                  "                   picture of the last step goes to <base>_NNN.bmp\n"
                                  "  --mode LSR       derive only (the default)\n"
                                  "  --draw FILE.str  interpret a saved string as run mode LSDr does; its\n"
                                  "                   picture goes to FILE.bmp (no FILE.ls is then needed)\n"
                                  "  --options FILE   options lines for --draw\n"
                                  "  --size WxH       size of pictures (default 1600x1200 in 2D, 435x300 in 3D)\n"
                                  "  --export FILE    also write the last picture as FILE, in the format its\n"
                                  "                   extension names: .png, .bmp, .svg (2D) or .obj, .ply\n"
                                  "                   (3D); may be given more than once\n"
                                  "  --frames EXT     with --mode LSR&D, write the picture of every step as\n"
                                  "                   <base>_NNN.EXT, EXT being bmp or png\n"
                                  "A drawing that fails prints its message and sets the exit status to 100 +\n"
                                  "the drawing result.\n";

namespace {

constexpr int kMaxPictureSide = 16384;

// Two names of one file: the same file on disk, or the same path once
// resolved when the picture does not exist yet.
bool sameFile(const std::string& a, const std::string& b)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::equivalent(a, b, error)) return true;
    const fs::path left = fs::weakly_canonical(a, error);
    if (error) return a == b;
    const fs::path right = fs::weakly_canonical(b, error);
    return error ? a == b : left == right;
}

bool parseSide(std::string_view text, int& value)
{
    return readWholeNumber(text, value) && value >= 1 && value <= kMaxPictureSide;
}

bool parseSize(std::string_view text, DrawingArguments& out)
{
    const std::size_t x = text.find('x');
    return x != std::string_view::npos && parseSide(text.substr(0, x), out.width) &&
           parseSide(text.substr(x + 1), out.height);
}

std::optional<std::string> applyOption(std::string_view option, std::string_view value, DrawingArguments& out)
{
    if (option == "--mode") {
        if (value != "LSR&D" && value != "LSR") return "--mode needs LSR or LSR&D";
        out.drawSteps = value == "LSR&D";
    } else if (option == "--draw") {
        out.stringPath = value;
    } else if (option == "--options") {
        out.optionsPath = value;
    } else if (option == "--export") {
        if (!pictureFormatOf(value))
            return "--export needs a file name ending in .svg, .png, .bmp, .obj or .ply, not " + std::string(value);
        out.exports.emplace_back(value);
    } else if (option == "--frames") {
        if (value != "bmp" && value != "png") return "--frames needs bmp or png";
        out.frames = value == "png" ? PictureFormat::Png : PictureFormat::Bmp;
    } else if (!parseSize(value, out)) {
        return "--size needs WIDTHxHEIGHT, each from 1 to 16384";
    } else {
        out.sizeGiven = true;
    }
    return std::nullopt;
}

}  // namespace

DrawingOption readDrawingOption(int argc, char** argv, int& i, DrawingArguments& out)
{
    std::optional<std::string> cameraError;
    if (readPicture3dOption(argc, argv, i, out.camera, cameraError)) return {true, cameraError};
    const std::string_view option = argv[i];
    if (option != "--mode" && option != "--draw" && option != "--options" && option != "--size" &&
        option != "--export" && option != "--frames")
        return {};
    if (i + 1 >= argc) return {true, std::string(option) + " needs a value"};
    return {true, applyOption(option, argv[++i], out)};
}

std::string savedStringPicturePath(const DrawingArguments& arguments)
{
    return basePath(arguments.stringPath) + ".bmp";
}

std::optional<std::string> checkSavedStringPicture(const DrawingArguments& arguments)
{
    std::vector<std::string> pictures = arguments.exports;
    for (const std::string& exported : arguments.exports)
        if (pictureFormatOf(exported) == PictureFormat::Obj) pictures.push_back(materialLibraryPath(exported));
    if (!arguments.stringPath.empty()) pictures.push_back(savedStringPicturePath(arguments));
    for (const std::string& picture : pictures) {
        for (const std::string& read : {arguments.stringPath, arguments.optionsPath}) {
            if (!read.empty() && sameFile(picture, read))
                return "the picture " + picture + " would be written over " + read + ", which the command reads";
        }
    }
    return std::nullopt;
}

}  // namespace sprig
