#include "driver_fixture.h"

#include <tuple>

#include "platform/byte_file.h"

namespace sprig::testing {
namespace {

TEST_F(DriverTest, OpeningADefinitionLoadsItsOptionsAndDeletesTheLastRunsFiles)
{
    state.runMode = RunMode::LSR;
    open("axiom F\n#F->FF\n", "draw_dimensions=2\n");
    EXPECT_EQ(state.optionsPath, path("p.op"));
    EXPECT_EQ(ui.texts[TextView::Options], "draw_dimensions=2\n");
    forward(2);
    ui.answers.push_back(path("p_001"));
    ASSERT_TRUE(files.UlozitRetAkoClick());
    ui.answers.push_back(dir.write("q.ls", "axiom G\n"));
    ui.picture2dShown = ui.sceneReady = true;
    ASSERT_TRUE(files.FileOpen());
    EXPECT_FALSE(ui.picture2dShown || ui.sceneReady);
    // Step files of the last run are gone; the saved string and the definitions stay.
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"p.ls", "p.op", "p_001.str", "q.ls"}));
    EXPECT_EQ(ui.texts[TextView::Options], "");
    EXPECT_EQ(state.StepsDone, 0);

    // A file that cannot be read changes nothing but says so.
    ui.answers.push_back(path("missing.ls"));
    ui.picture2dShown = ui.sceneReady = true;
    EXPECT_FALSE(files.FileOpen());
    EXPECT_TRUE(ui.picture2dShown && ui.sceneReady);
    EXPECT_EQ(state.definitionPath, path("q.ls"));
    EXPECT_EQ(ui.errors.back(), "Chyba : I/O chyba alebo syntaxtická chyba v súbore\ndefinujúcom L-systém");
    ASSERT_TRUE(state.failure);
    EXPECT_EQ(state.failure->path, path("missing.ls"));
    ui.answers.clear();
    EXPECT_FALSE(files.FileOpen());  // cancelled
    EXPECT_EQ(state.definitionPath, path("q.ls"));
}

TEST_F(DriverTest, SavingStringsCopiesTheStepFileUnderTheRightName)
{
    state.runMode = RunMode::LSR;
    open("axiom F\nhomomorphism\n#F->G\n");
    forward(4);
    ASSERT_TRUE(files.UlozitRetClick());
    EXPECT_EQ(TempDir::read(path("p_003.str")), TempDir::read(path("p_003.stt")));
    const struct {
        const char* answer;
        const char* saved;
    } names[] = {{"result", "result.str"}, {"result.STR", "result.STR.str"}, {"again.str", "again.str"}};
    for (const auto& name : names) {
        ui.answers.push_back(path(name.answer));
        ASSERT_TRUE(files.UlozitRetAkoClick());
        EXPECT_EQ(TempDir::read(path(name.saved)), "n\n90.000000\nF") << name.saved;
    }
    // A folder cannot be written over: the failure is shown, not passed as success.
    std::filesystem::create_directory(path("folder.str"));
    ui.answers.push_back(path("folder.str"));
    EXPECT_FALSE(files.UlozitRetAkoClick());
    EXPECT_EQ(ui.errors.back(), "Chyba : súbor sa nepodarilo uložiť\n" + path("folder.str"));
    EXPECT_EQ(ui.log.back(), "Error: file not saved: " + path("folder.str") + ": Is a directory");
    driver.errorDismissed();
    ui.answers.push_back(path("missing/result.str"));
    EXPECT_FALSE(files.UlozitRetAkoClick());
    EXPECT_EQ(ui.errors.back(), "Chyba : súbor sa nepodarilo uložiť\n" + path("missing/result.str"));
    driver.errorDismissed();

    // In LSDr save does nothing, and save as copies the open string, also onto itself.
    state.runMode = RunMode::LSDr;
    ui.answers.push_back(path("result.str"));
    for (Control control : {Control::SaveStringItems, Control::Redraw, Control::CameraButtons})
        ui.controlEnabled[control] = false;
    EXPECT_TRUE(files.FileOpen());
    // Saving, redrawing and the camera are enabled at once, before the string is shown.
    EXPECT_TRUE(ui.enabled(Control::SaveStringItems) && ui.enabled(Control::Redraw) &&
                ui.enabled(Control::CameraButtons));
    ui.waitForJob(state.threadRunning);
    EXPECT_FALSE(files.UlozitRetClick());
    ui.answers.push_back(path("result.str"));
    ASSERT_TRUE(files.UlozitRetAkoClick());
    EXPECT_EQ(TempDir::read(path("result.str")), "n\n90.000000\nF");
}

TEST_F(DriverTest, SavingTheDefinitionWritesBothTextsAndSaveAsStartsAgain)
{
    state.runMode = RunMode::LSR;
    open("axiom F\n#F->FF\n");
    forward(2);
    ui.texts[TextView::Definition] = "axiom FF\n#F->F\n";
    ASSERT_TRUE(files.FileSave());
    EXPECT_EQ(TempDir::read(path("p.ls")), "axiom FF\n#F->F\n");
    EXPECT_FALSE(fileExists(path("p.op")));  // no options text, no options file

    ui.answers.push_back(path("plant"));
    ui.texts[TextView::Options] = "draw_dimensions=2";
    ASSERT_TRUE(files.FileSaveAs());
    EXPECT_EQ(TempDir::read(path("plant.ls")), "axiom FF\n#F->F\n");
    EXPECT_EQ(TempDir::read(path("plant.op")), "draw_dimensions=2\n");
    EXPECT_EQ(ui.caption, "Sprigwork   " + path("plant.ls"));
    // Only Back stays off, until a step is taken.
    EXPECT_EQ(std::tuple(state.StepsDone, ui.enabled(Control::Forward), ui.enabled(Control::Reset),
                         ui.enabled(Control::Back)),
              std::tuple(0, true, true, false));
    EXPECT_FALSE(fileExists(path("p_000.stt")));
    forward(1);
    EXPECT_TRUE(fileExists(path("plant_000.stt")));

    // A save that fails leaves the old file and the open definition as they were.
    std::filesystem::create_directory(path("taken.ls"));
    ui.answers.push_back(path("taken"));
    EXPECT_FALSE(files.FileSaveAs());
    EXPECT_EQ(state.definitionPath, path("plant.ls"));
}

}  // namespace
}  // namespace sprig::testing
