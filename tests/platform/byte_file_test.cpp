#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/byte_file.h"
#include "support/temp_dir.h"

namespace sprig::testing {
namespace {

// A file appears under its name whole or not at all, and replaces what was
// there (a link included, not what it points to) only then.
TEST(ByteFiles, WrittenFilesAppearWholeOrNotAtAll)
{
    TempDir dir;
    const std::string target = dir.write("t.txt", "old");
    const std::string linked = dir.write("linked.txt", "theirs");
    std::filesystem::create_symlink(linked, dir.file("link.txt"));
    const struct {
        std::string path;
        bool finish;  // close() rather than discard() or nothing
        bool placed;
    } cases[] = {
        {target, false, false},
        {target, true, true},
        {dir.file("link.txt"), true, true},
    };
    for (const auto& c : cases) {
        {
            OutFile out(c.path);
            ASSERT_TRUE(out.isOpen());
            out.write("new");
            EXPECT_EQ(dir.names().size(), 4u) << "the part file stands beside the target while it is written";
            if (c.finish) {
                EXPECT_TRUE(out.close());
            }
        }
        EXPECT_EQ(TempDir::read(c.path), c.placed ? "new" : "old") << c.path;
    }
    EXPECT_EQ(TempDir::read(linked), "theirs");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.txt", "linked.txt", "t.txt"}));

    // A target that cannot be replaced fails with its reason and leaves nothing.
    std::filesystem::create_directory(dir.file("folder"));
    OutFile out(dir.file("folder"));
    out.write("x");
    EXPECT_FALSE(out.close());
    ASSERT_TRUE(out.failure());
    EXPECT_EQ(out.failure()->path + ": " + out.failure()->reason, dir.file("folder") + ": Is a directory");
    EXPECT_EQ(dir.names().size(), 4u);
}

TEST(ByteFiles, OnlyRegularFilesAreReadAndChunksCoverThemWhole)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    for (const std::string& path : {dir.file("fifo"), dir.file(""), dir.file("missing")}) {
        InFile in;
        EXPECT_FALSE(in.open(path)) << path;
        ASSERT_TRUE(in.failure());
        EXPECT_EQ(in.failure()->path, path);
    }
    const std::string text(3 * 1024 * 1024 + 5, 'x');
    InFile in(dir.write("big", "ab" + text));
    EXPECT_EQ(in.get(), 'a');
    std::size_t total = 0;
    for (std::string_view chunk = in.readChunk(); !chunk.empty(); chunk = in.readChunk()) total += chunk.size();
    EXPECT_EQ(total, text.size() + 1);
    EXPECT_EQ(in.get(), kEof);
}

}  // namespace
}  // namespace sprig::testing
