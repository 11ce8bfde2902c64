#include <QPushButton>
#include <filesystem>

#include "program_fixture.h"

namespace sprig::testing {
namespace {

struct BadInput {
    const char* name;
    const char* definition;  // opened as p.ls, then >> is pressed
    const char* options;
    const char* dialog;
    const char* logLine;
};

const BadInput kBadInputs[] = {
    {"definition row", "axiom F\n\nignore\n", "",
     "Chyba : Syntaxtická chyba v súbore\ndefinujúcom L-systém na riadku 3",
     "Error: syntax error in L-system file, row 3"},
    {"options key", "axiom F\n", "draw_dimensions=2\nDraw_ground=on\n",
     "Chyba : Syntaxtická chyba v súbore nastavení na riadku 2", "Error: syntax error in options file, row 2"},
    {"unclosed branch drawn", "axiom F]F\n", "draw_dimensions=2\n", "Chyba kreslenia : I/O chyba", "Error: I/O error"},
};

// Each failure shows its dialog and log line with the windows disabled; OK
// gives them back and the program goes on.
TEST_F(ProgramTest, BadInputIsReportedAndTheProgramKeepsWorking)
{
    const auto expectReported = [&](const std::string& dialog, const std::string& logLine) {
        EXPECT_TRUE(error().isVisible());
        EXPECT_EQ(error().message->text().toStdString(), dialog);
        EXPECT_EQ(spokenName(error().message).toStdString(), dialog);
        EXPECT_EQ(lastLogLine().toStdString().substr(0, logLine.size()), logLine);
        EXPECT_FALSE(main().isEnabled());
        EXPECT_FALSE(panel().isEnabled());
        click(error().okButton);
        EXPECT_FALSE(error().isVisible());
        EXPECT_TRUE(main().isEnabled());
        EXPECT_TRUE(panel().isEnabled());
    };
    for (const BadInput& input : kBadInputs) {
        SCOPED_TRACE(input.name);
        dir.write("p.op", input.options);
        open(dir.write("p.ls", input.definition));
        click(panel().forwardButton);
        expectReported(input.dialog, input.logLine);
    }

    // A folder that does not exist cannot be saved into.
    chosenFile = dir.file("missing/plant");
    trigger(main().saveDefinitionAsItem);
    expectReported("Chyba : súbor sa nepodarilo uložiť\n" + dir.file("missing/plant.ls"),
                   "Error: file not saved: " + dir.file("missing/plant.ls"));

    // A string "file" that is a folder cannot be read, so it cannot be drawn.
    click(panel().BitBLSDr);
    std::filesystem::create_directory(dir.file("folder.str"));
    open(dir.file("folder.str"));
    expectReported("Chyba kreslenia : I/O chyba", "Error: I/O error");

    click(panel().BitBLSRDr);
    open(dir.write("p.ls", "axiom F\n#F->FF\n"));
    click(panel().forwardButton);
    click(panel().forwardButton);
    EXPECT_EQ(status(0), QString::fromUtf8("Počet symbolov : 2"));
    EXPECT_FALSE(error().isVisible());
}

}  // namespace
}  // namespace sprig::testing
