// The definition and options views as an editor: row numbers, the parts of
// the lines in their formats, and the row of a syntax error marked.

#include <QHelpEvent>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include "program_fixture.h"
#include "ui/line_formats.h"

namespace sprig::testing {
namespace {

class EditorTest : public ProgramTest {
protected:
    TextPageView& page(TextView which) { return *main().view(static_cast<int>(which)); }

    // The formats of a row drawn as letters, one per character: kLetters
    // name the parts in their order, 't' a turtle symbol, '.' no format.
    std::string formats(TextView which, int row)
    {
        const QTextBlock block = page(which).document()->findBlockByNumber(row - 1);
        std::string picture(static_cast<std::size_t>(block.length() - 1), '.');
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            for (int i = range.start; i < range.start + range.length; ++i)
                picture.at(static_cast<std::size_t>(i)) = letterOf(which, range.format);
        return picture;
    }

private:
    static char letterOf(TextView which, const QTextCharFormat& format)
    {
        if (which == TextView::Options) {
            for (int i = 0; i <= static_cast<int>(OptionPart::Error); ++i)
                if (optionFormat(static_cast<OptionPart>(i)) == format) return "/KV_!"[i];
        } else {
            if (definitionFormat(DefinitionPart::Symbol, SymbolKind::Turtle) == format) return 't';
            for (int i = 0; i <= static_cast<int>(DefinitionPart::Error); ++i)
                if (definitionFormat(static_cast<DefinitionPart>(i)) == format) return "/KV#CmPp:c>%sen_!"[i];
        }
        return '?';
    }
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

TEST_F(EditorTest, EachPartOfALineGetsTheFormatOfWhatItIs)
{
    dir.write("p.op", "draw_ground = on\nDraw_ground=on\n");
    open(dir.write("p.ls", "#A(k) < B(x) > C : x>1 -> (0.5) F(x*2)Q\n// a comment\naxiom F+X\n"));
    EXPECT_EQ(formats(TextView::Definition, 1), "#CCCC.m.Pppp.m.C.:.ccc.>>.%%%%%.teeenes");
    EXPECT_EQ(formats(TextView::Definition, 2), "////////////");
    EXPECT_EQ(formats(TextView::Definition, 3), "KKKKK.tts");
    EXPECT_EQ(formats(TextView::Options, 1), "KKKKKKKKKKKKK.VV");
    EXPECT_EQ(formats(TextView::Options, 2), "!!!!!!!!!!!!!!");
    // Typing reformats the row at once.
    QTextCursor end(page(TextView::Options).document()->findBlockByNumber(1));
    end.movePosition(QTextCursor::EndOfBlock);
    page(TextView::Options).setTextCursor(end);
    QTest::keyClicks(&page(TextView::Options), "x");
    EXPECT_EQ(formats(TextView::Options, 2), "!!!!!!!!!!!!!!!");
}

// Every byte but the line feed in a rule and in an options line (the five
// that code page 1250 leaves undefined, the no-break space and the controls
// included), shown in that code page, coloured and saved again with the
// empty last line.
TEST_F(EditorTest, ColouringChangesNoByteOfTheText)
{
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        if (value != '\n') bytes.push_back(static_cast<char>(value));
    const std::string definition = "axiom F\n#F->" + bytes + "\n\n";
    const std::string options = "distance=1" + bytes + "\n";
    const std::string path = dir.write("bytes.ls", definition);
    dir.write("bytes.op", options);
    open(path);
    EXPECT_TRUE(view(TextView::Definition).contains(QString::fromUtf8("ŚŤŽŹ")));
    EXPECT_EQ(formats(TextView::Definition, 2).substr(0, 5), "#P>>s");
    EXPECT_EQ(formats(TextView::Options, 1).substr(0, 11), "KKKKKKKKKV_");
    trigger(main().saveDefinitionItem);
    EXPECT_EQ(TempDir::read(path), definition);
    EXPECT_EQ(TempDir::read(dir.file("bytes.op")), options);
}

// A 111 after the homomorphism line far down the definition, and a 155 in
// an options row longer than the line limit: each shows its page with the
// row marked, in sight and with the cursor at its start, and its tool tip.
TEST_F(EditorTest, TheRowOfASyntaxErrorIsMarkedUntilTheViewIsEdited)
{
    const struct {
        std::string definition;
        std::string options;
        TextView view;
        int row;
        const char* tip;
    } cases[] = {
        {"axiom F\n" + std::string(150, '\n') + "homomorphism\n#F->G\nangle x\n", "", TextView::Definition, 154,
         "Error: syntax error in L-system file, row 154: the number is not written correctly"},
        {"axiom F\n", "// long\ndistance=x" + std::string(300, '1') + "\n", TextView::Options, 2,
         "Error: syntax error in options file, row 2: a number expected after distance="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tip);
        dir.write("p.op", c.options);
        open(dir.write("p.ls", c.definition));
        click(panel().forwardButton);
        click(error().okButton);
        TextPageView& shown = page(c.view);
        EXPECT_EQ(main().tabs()->currentIndex(), static_cast<int>(c.view));
        EXPECT_EQ(shown.markedRow(), c.row);
        ASSERT_EQ(shown.extraSelections().size(), 1);
        EXPECT_EQ(shown.extraSelections()[0].cursor.blockNumber(), c.row - 1);
        EXPECT_EQ(shown.textCursor().blockNumber(), c.row - 1);
        EXPECT_EQ(shown.textCursor().positionInBlock(), 0);
        const QPoint where = shown.cursorRect().center();
        EXPECT_TRUE(shown.viewport()->rect().contains(where));
        QHelpEvent help(QEvent::ToolTip, where, shown.viewport()->mapToGlobal(where));
        QApplication::sendEvent(shown.viewport(), &help);
        EXPECT_EQ(QToolTip::text().toStdString(), c.tip);
        EXPECT_EQ(shown.rowToolTip(c.row - 1), "");

        // Any edit of the view takes the mark away once it has been told.
        shown.setFocus();
        QTest::keyClick(&shown, Qt::Key_Space);
        QApplication::processEvents();
        EXPECT_EQ(shown.markedRow(), 0);
        EXPECT_TRUE(shown.extraSelections().isEmpty());
    }
}

}  // namespace
}  // namespace sprig::testing
