// The batch command's OBJ and PLY files of a 3D scene read back by outside
// readers: a few lines of Python and assimp. Counts by the shapes' rules: a
// wall of 3 rings of 20 vertices and 80 triangles, a sphere of 382 and 760,
// a disk of 41 and 60; a polygon of k vertices as k - 2 triangles.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "batch_runner.h"
#include "platform/result_codes.h"

namespace sprig::testing {
namespace {

std::string output(const std::string& command)
{
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    ::pclose(pipe);
    return text;
}

std::string readMesh(const std::string& path, const std::string& flags = "")
{
    return output("python3 " SPRIG_SOURCE_DIR "/tests/cli/read_mesh.py " + flags + " " + path);
}

// What assimp's info command says on one line, "Faces:" say, its raw
// import (-r) or its usual one.
std::string assimpSays(const std::string& path, const std::string& line, bool raw)
{
    const std::string text = output("assimp info " + path + (raw ? " -r" : "") + " 2>/dev/null");
    const std::size_t at = text.find("\n" + line);
    if (at == std::string::npos) return "missing";
    const std::size_t value = text.find_first_not_of(' ', at + 1 + line.size());
    return text.substr(value, text.find('\n', value) - value);
}

TEST(BatchMeshExport, ObjAndPlyHoldTheShapesOfTheView)
{
    const struct {
        const char* string;
        const char* options;
        int vertices, faces, colours;
    } cases[] = {
        // One segment with spheres: 60 + 2 * 382, 80 + 2 * 760.
        {"F", "segment_begin_sphere=on\nsegment_end_sphere=on\n", 824, 1600, 1},
        // A triangle drawn by f alone: no segment.
        {"{.f+(120)f}", "", 3, 1, 1},
        // Two colours, disks: 2 * (60 + 2 * 41), 2 * (80 + 2 * 60).
        {"F;F", "", 284, 400, 2},
        // A cone to width 0 has no end disk; a segment of width 0 no shape.
        {"F!F", "segment_active_width=on\n", 60 + 41, 80 + 60, 1},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.string);
        const std::string str = dir.write("s.str", std::string("n\n90.000000\n") + c.string + "\n");
        const std::string op = dir.write("s.op", std::string("draw_dimensions=3\n") + c.options);
        const BatchResult r = runBatch(dir, "--draw " + str + " --options " + op + " --export " + dir.file("s.obj") +
                                                " --export " + dir.file("s.ply"));
        ASSERT_EQ(r.status, kDone) << r.err;
        const std::string counts = "vertices " + std::to_string(c.vertices) + " faces " + std::to_string(c.faces) +
                                   " materials " + std::to_string(c.colours) + "\n";
        EXPECT_EQ(readMesh(dir.file("s.obj")), counts);
        EXPECT_EQ(readMesh(dir.file("s.ply")), counts);
        for (const char* file : {"s.obj", "s.ply"})
            EXPECT_EQ(assimpSays(dir.file(file), "Faces:", true), std::to_string(c.faces)) << file;
        EXPECT_EQ(assimpSays(dir.file("s.ply"), "Vertices:", true), std::to_string(c.vertices));
        EXPECT_EQ(assimpSays(dir.file("s.obj"), "Materials:", false), std::to_string(c.colours));
    }
}

// The 3D picture keeps the view's 50,000 elements and says what it cut;
// the export has every segment, 142 vertices and 200 faces each.
TEST(BatchMeshExport, AllSixtyThousandSegmentsAreExportedWhereThePictureIsCut)
{
    TempDir dir;
    const std::string str = dir.write("row.str", "n\n10.000000\n" + std::string(60000, 'F') + "\n");
    const BatchResult r = runBatch(dir, "--draw " + str + " --export " + dir.file("row.ply"));
    ASSERT_EQ(r.status, kDone) << r.err;
    EXPECT_NE(r.out.find("\nScene cut at 50000 elements: 10000 more not drawn\n"), std::string::npos) << r.out;
    EXPECT_EQ(readMesh(dir.file("row.ply"), "--header"), "vertices 8520000 faces 12000000 materials 0\n");
}

}  // namespace
}  // namespace sprig::testing
