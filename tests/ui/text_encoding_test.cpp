#include "platform/qt/cp1250_text.h"
#include "program_fixture.h"

namespace sprig::testing {
namespace {

// Every byte but the line feed, which separates lines: the five that code
// page 1250 leaves undefined, the no-break space and the controls included.
std::string everyByteButLineFeed()
{
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        if (value != '\n') bytes.push_back(static_cast<char>(value));
    return bytes;
}

TEST(TextEncoding, EveryByteValueSurvivesDecodingAndEncoding)
{
    std::string all;
    for (int value = 0; value < 256; ++value) all.push_back(static_cast<char>(value));
    EXPECT_EQ(encodeCp1250(decodeCp1250(all)), all);
    EXPECT_EQ(decodeCp1250("\x8a\x9e\xe8\xfd\xe1\xed"), QString::fromUtf8("Šžčýáí"));
}

TEST_F(ProgramTest, ADefinitionOpenedAndSavedUnchangedComesBackByteForByte)
{
    const std::string content = "axiom F\n# " + everyByteButLineFeed() + "\n\n";
    const std::string path = dir.write("bytes.ls", content);
    open(path);
    EXPECT_TRUE(view(TextView::Definition).contains(QString::fromUtf8("ŚŤŽŹ")));
    trigger(main().saveDefinitionItem);
    EXPECT_EQ(TempDir::read(path), content);
}

}  // namespace
}  // namespace sprig::testing
