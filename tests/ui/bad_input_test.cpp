#include <QPushButton>
#include <filesystem>

#include "program_fixture.h"

namespace sprig::testing {
namespace {

// Each failure shows its dialog and log line with the windows disabled; OK
// gives them back and the program goes on. Which texts each failure gives is
// checked by the step driver's tests.
TEST_F(ProgramTest, BadInputIsReportedAndTheProgramKeepsWorking)
{
    const auto expectReported = [&](const std::string& dialog, const std::string& logLine) {
        EXPECT_TRUE(error().isVisible());
        EXPECT_EQ(error().message->text().toStdString(), dialog);
        EXPECT_EQ(spokenName(error().message).toStdString(), dialog);
        EXPECT_EQ(lastLogLine().toStdString().substr(0, logLine.size()), logLine);
        EXPECT_FALSE(main().isEnabled() || panel().isEnabled());
        click(error().okButton);
        EXPECT_TRUE(!error().isVisible() && main().isEnabled() && panel().isEnabled());
    };
    open(dir.write("p.ls", "axiom F\n\nignore\n"));
    click(panel().forwardButton);
    expectReported("Chyba : Syntaxtická chyba v súbore\ndefinujúcom L-systém na riadku 3",
                   "Error: syntax error in L-system file, row 3");

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
