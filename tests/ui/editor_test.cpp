// The definition and options views as an editor: row numbers, the parts of
// the lines in their formats, and the row of a syntax error marked.

#include "program_fixture.h"

namespace sprig::testing {
namespace {

class EditorTest : public ProgramTest {
protected:
    TextPageView& page(TextView which) { return *main().view(static_cast<int>(which)); }
};

// The margin holds as many digits as the last row number has; the string
// view has none.
TEST_F(EditorTest, RowNumbersStandBesideTheDefinitionAndTheOptionsOnly)
{
    dir.write("p.op", "draw_ground=on\n");
    open(dir.write("p.ls", "axiom F\n" + std::string(120, '\n')));
    const int digit = page(TextView::Definition).fontMetrics().horizontalAdvance('9');
    // 122 rows (the last one empty) against 1.
    EXPECT_EQ(page(TextView::Definition).marginWidth() - page(TextView::Options).marginWidth(), 2 * digit);
    EXPECT_GT(page(TextView::Options).marginWidth(), digit);
    EXPECT_EQ(page(TextView::String).marginWidth(), 0);
    EXPECT_EQ(page(TextView::Information).marginWidth(), 0);
    for (TextView which : {TextView::Definition, TextView::Options, TextView::String})
        EXPECT_EQ(page(which).viewport()->x() - page(which).frameWidth(), page(which).marginWidth());
}

}  // namespace
}  // namespace sprig::testing
