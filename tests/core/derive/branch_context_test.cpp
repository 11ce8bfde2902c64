// Contexts across branches: what a symbol sees after many symbols inside a
// branch, after nested branches close, and ahead in branches that close late
// or never; and the survey that tells which branches never close.

#include <gtest/gtest.h>

#include "core/derive/branch_ends.h"
#include "derive_fixture.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

using BranchContexts = DeriveFixture;

TEST_F(BranchContexts, ContextsAcrossNestedOpenAndLateClosingBranches)
{
    const std::string n = "n\n90.000000\n";
    const struct {
        const char* rules;
        const char* axiom;
        std::string expected;
    } cases[] = {
        // More symbols in the branch than the history holds; "]" brings back B C.
        {"#BC<A->X", "BC[DEFGA]A", n + "BC[DEFGA]X"},
        {"#BC<A->X", "BC[D[BCA]A]A", n + "BC[D[BCX]A]X"},
        // "]" brings back a history of one symbol, which C then extends.
        {"#BC<A->X", "B[CA]CA[BC]CA", n + "B[CX]CX[BC]CA"},
        // A "]" without its "[" changes nothing.
        {"#BC<A->X", "BC]A", n + "BC]X"},
        // The values of the symbols that dropped out of a branch's history
        // do not shift those that remain or come back.
        {"#B(x)C<A->X(x)", "B(1)C[D(5)E(6)B(2)C[A]F(7)A]A",
         "p\nB(1.000000)C[D(5.000000)E(6.000000)B(2.000000)C[X(2.000000)]F(7.000000)A]X(1.000000)"},
        // The left context stands before every branch still open.
        {"#BC<A->X", "BC[[[[A[[A", n + "BC[[[[X[[A"},
        // A branch skipped for its first symbol closes late or never; a
        // "]" further on that closes an inner branch does not close it.
        {"#A>B->Y", "A[C[D]E]B", n + "Y[C[D]E]B"},
        {"#A>B->Y", "A[C[D]]B", n + "Y[C[D]]B"},
        {"#A>B->Y", "A[C[D]BA[C]B", n + "A[C[D]BY[C]B"},
        {"#A>B->Y", "A[C[A[C]B", n + "A[C[Y[C]B"},
        {"#A>B->Y", "[[A[C]B]A[[CB", n + "[[Y[C]B]A[[CB"},
        // Counting from "]" without "[" on.
        {"#A>B->Y", "]]A[C]B[A[C]B]]", n + "]]Y[C]B[Y[C]B]]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rules) + " on " + c.axiom);
        define(std::string("axiom ") + c.axiom + "\n" + c.rules + "\n");
        ASSERT_EQ(derive(1), kDone);
        EXPECT_EQ(step(1), c.expected);
    }

    // Step 0 as the homomorphism reads it ends with a newline.
    define("axiom A[C[DBA[C]B\nhomomorphism\n#A>B->Y\n");
    ASSERT_EQ(call(0, false), kDone);
    ASSERT_EQ(call(1, true), kDone);
    EXPECT_EQ(step(0, kHomomorphismExt), n + "A[C[DBY[C]B");

    // A string file may hold more lines after its string: a branch that is
    // still open where the string ends finds no right context in them.
    define("axiom A\n#A>B->Y\n");
    dir.write("plant_000.stt", n + "A[C\nB]B\n");
    ASSERT_EQ(call(1, false), kDone);
    EXPECT_EQ(step(1), n + "A[C");
}

// The survey alone, on the branch whose "[" ends at byte 2: a list without
// brackets leaves it sure that the branch never closes; a bracket in a list
// is no symbol, so the "]" after it closes the branch, which the survey must
// not deny.
TEST(BranchEndsSurvey, BracketsInParameterLists)
{
    const struct {
        const char* string;
        bool neverCloses;
    } cases[] = {{"A[C(1)D", true}, {"A[C([)]D", false}};
    TempDir dir;
    TestJob job;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.string);
        InFile in(dir.write("s.stt", c.string));
        BranchEnds ends;
        ASSERT_TRUE(ends.survey(in, job));
        EXPECT_EQ(ends.neverCloses(2, 1), c.neverCloses);
    }
}

}  // namespace
}  // namespace sprig::testing
