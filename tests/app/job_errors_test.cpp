#include "driver_fixture.h"

#include "app/result_messages.h"
#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

struct ErrorCase {
    const char* name;
    const char* definition;
    const char* options;
    int steps;  // forward presses
    int code;   // LastResult, or kDrawingFailureBase + the drawing result
    const char* dialog;
    const char* logLine;
    TextView view;  // the view whose row is marked with the tip, when row > 0
    int row;
    const char* tip;
};

const ErrorCase kErrorCases[] = {
    {"definition row", "axiom F\n\nignore\n", "", 1, kDefinitionLineError,
     "Chyba : Syntaxtická chyba v súbore\ndefinujúcom L-systém na riadku 3",
     "Error: syntax error in L-system file, row 3", TextView::Definition, 3,
     "Error: syntax error in L-system file, row 3: at least 1 symbol must follow ignore"},
    // A default line stores no detail, so the one before is not shown.
    {"default row", "axiom F\ndefault U(1\n", "", 1, kDefinitionLineError,
     "Chyba : Syntaxtická chyba v súbore\ndefinujúcom L-systém na riadku 2",
     "Error: syntax error in L-system file, row 2", TextView::Definition, 2,
     "Error: syntax error in L-system file, row 2"},
    {"expression", "axiom A(1)\n#A(x)->A(x/0)\n", "draw_dimensions=2\n", 2, kIoError,
     "Chyba : I/O chyba alebo syntaxtická chyba v súbore\ndefinujúcom L-systém",
     "Error: I/O error or syntax error in L-system file", TextView::Definition, 0, ""},
    {"drawing", "axiom F]F\n", "draw_dimensions=2\n", 1, kDrawingFailureBase + kIoError, "Chyba kreslenia : I/O chyba",
     "Error: I/O error", TextView::Definition, 0, ""},
    // The homomorphism pass's own failure, not the drawing's that would follow.
    {"homomorphism", "axiom F\nhomomorphism\n#F->G(\n", "draw_dimensions=2\n", 1, kIoError,
     "Chyba : I/O chyba alebo syntaxtická chyba v súbore\ndefinujúcom L-systém",
     "Error: I/O error or syntax error in L-system file", TextView::Definition, 0, ""},
    {"options row", "axiom F\n", "draw_dimensions=2\nDraw_ground=on\n", 1, kOptionsSyntaxError,
     "Chyba : Syntaxtická chyba v súbore nastavení na riadku 2", "Error: syntax error in options file, row 2",
     TextView::Options, 2, "Error: syntax error in options file, row 2: unknown key"},
};

// A syntax error also marks its row with what the row's reader finds wrong
// there; a job that reads the texts without error takes the marks away.
TEST_F(DriverTest, EachFailureShowsItsTextsAndKeepsTheWindowsDisabledUntilDismissed)
{
    const std::pair<int, std::string> none{0, ""};
    for (const ErrorCase& c : kErrorCases) {
        SCOPED_TRACE(c.name);
        ui.errors.clear();
        ui.marks.clear();
        open(c.definition, c.options);
        forward(c.steps);
        EXPECT_EQ(state.LastResult ? state.LastResult : kDrawingFailureBase + driver.drawResult(), c.code);
        ASSERT_EQ(ui.errors.size(), 1u);
        EXPECT_EQ(ui.errors[0], c.dialog);
        EXPECT_EQ(ui.log.back(), c.logLine);
        EXPECT_FALSE(ui.enabled(Window::Main) || ui.enabled(Window::ControlPanel) ||
                     ui.windowVisible[Window::Progress]);
        driver.errorDismissed();
        EXPECT_TRUE(ui.enabled(Window::Main) && !state.errorShowing);
        const std::pair<int, std::string> mark{c.row, c.tip};
        EXPECT_EQ(ui.marks[TextView::Definition], c.view == TextView::Definition ? mark : none);
        EXPECT_EQ(ui.marks[TextView::Options], c.view == TextView::Options ? mark : none);
        std::filesystem::remove(path("p.op"));
    }
    // A row that the view no longer holds when the job ends is not marked.
    ui.marks.clear();
    ui.texts[TextView::Options] = "Draw_ground=on\n";
    driver.BDalejClick();
    ui.texts[TextView::Options] = "";
    ui.waitForJob(state.threadRunning);
    driver.errorDismissed();
    EXPECT_EQ(std::tuple(ui.errors.back(), ui.marks.contains(TextView::Options)),
              std::tuple("Chyba : Syntaxtická chyba v súbore nastavení na riadku 1", false));
    ui.texts[TextView::Options] = "draw_dimensions=2\n";
    forward(1);
    EXPECT_EQ(state.LastResult, kDone);
    EXPECT_EQ(ui.marks[TextView::Options].first, 0);
}

// An options error aborts every kind of job before anything is rewritten or drawn.
TEST_F(DriverTest, AnOptionsErrorAbortsEveryJob)
{
    open("axiom F\n#F->FF\n", "draw_dimensions=2\n");
    forward(2);
    ui.texts[TextView::Options] = "draw_dimensions=2\nbad\n";
    for (void (StepDriver::*command)() :
         {&StepDriver::BDalejClick, &StepDriver::BPrekresliClick, &StepDriver::BSpatClick}) {
        const std::size_t logged = ui.log.size();
        canvas.calls.clear();
        press(command);
        driver.errorDismissed();
        EXPECT_EQ(state.LastResult, kOptionsSyntaxError);
        EXPECT_EQ(ui.log.size(), logged + 2);  // the job separator and the error line
        EXPECT_TRUE(canvas.calls.empty());
    }
    EXPECT_FALSE(fileExists(path("p_002.stt")));
}

// The codes no job above reaches, and one the tables do not name.
TEST(ResultMessages, EveryCodeHasItsDialogTextAndLogLine)
{
    const struct {
        ResultMessage (*message)(int);
        int code;
        const char* dialog;
        const char* logLine;
    } rows[] = {
        {[](int code) { return jobErrorMessage(code, 0); }, kOutOfMemory,
         "Chyba : nedostatok pamäte alebo syntaxtická chyba\nv súbore definujúcom L-systém",
         "Error: not enough memory or syntax error in L-system file"},
        {[](int code) { return jobErrorMessage(code, 0); }, kSyntaxError,
         "Chyba : syntaxtická chyba v súbore\ndefinujúcom L-systém", "Error: syntax error in L-system file"},
        {[](int code) { return jobErrorMessage(code, 0); }, 7, "7", "Error: error number 7"},
        {drawErrorMessage, kOutOfMemory, "Chyba kreslenia : nedostatok pamate", "Error: not enough memory"},
        {drawErrorMessage, kGraphicsError, "Chyba kreslenia : chyba grafiky", "Error: graphics error"},
    };
    for (const auto& row : rows) {
        const ResultMessage message = row.message(row.code);
        EXPECT_EQ(message.dialog, row.dialog);
        EXPECT_EQ(message.logLine, row.logLine);
    }
}

}  // namespace
}  // namespace sprig::testing
