#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <tuple>

#include "platform/byte_file.h"
#include "program_fixture.h"
#include "ui/camera_window.h"
#include "ui/picture_window.h"
#include "ui/progress_window.h"
#include "ui/windows.h"

namespace sprig::testing {
namespace {

// The Koch curve: F becomes F+F--F+F, so step 1 has 8 symbols and step 2
// four times F+F--F+F plus the four turns between them, 36.
const char* const kKoch = "angle 60\naxiom F\n#F->F+F--F+F\n";

TEST_F(ProgramTest, ASessionStepsSwitchesModesSavesAndDrawsTheSavedString)
{
    const std::string definition = dir.write("koch.ls", kKoch);
    dir.write("koch.op", "draw_dimensions=2\n");
    open(definition);
    EXPECT_EQ(main().windowTitle().toStdString(), "Sprigwork   " + definition);
    EXPECT_EQ(view(TextView::Definition).toStdString(), kKoch);
    EXPECT_EQ(lastLogLine().toStdString(), "L-system file opened: " + definition);

    struct Row {
        QPushButton* TFormOvlPan::*button;
        const char* stepLabel;
        const char* symbols;
        bool back;
    };
    const Row steps[] = {
        {&TFormOvlPan::forwardButton, "0", "Počet symbolov : 1", false},
        {&TFormOvlPan::forwardButton, "1", "Počet symbolov : 8", true},
        {&TFormOvlPan::forwardButton, "2", "Počet symbolov : 36", true},
        {&TFormOvlPan::backButton, "1", "Počet symbolov : 8", true},
    };
    for (const Row& row : steps) {
        click(panel().*row.button);
        SCOPED_TRACE(row.stepLabel);
        EXPECT_EQ(std::tuple(panel().stepLabel->text(), status(0), panel().backButton->isEnabled()),
                  std::tuple(QString(row.stepLabel), QString::fromUtf8(row.symbols), row.back));
        EXPECT_EQ(std::tuple(main().isEnabled(), program.windows().progress->isVisible(),
                             program.windows().picture2d->isVisible()),
                  std::tuple(true, false, true));
    }
    EXPECT_EQ(view(TextView::String), "F+F--F+F");
    // What a screen reader hears follows the texts shown.
    EXPECT_EQ(std::tuple(spokenName(main().statusPanel(0)), spokenName(main().statusPanel(1)),
                         spokenName(main().statusPanel(2)), spokenName(panel().stepLabel)),
              std::tuple(QString::fromUtf8("Počet symbolov : 8"), QString::fromUtf8("Dĺžka reťazca : 1 KB"),
                         QString::fromUtf8("neparametrický"), QString("1")));
    const QList<QLabel*> cameraLabels = program.windows().camera->findChildren<QLabel*>();
    EXPECT_EQ(std::ranges::count_if(cameraLabels, [](QLabel* label) { return spokenName(label) == "2D"; }), 1);

    // "10 >>", stopped in its first job: the series ends there.
    click(panel().repeatButton);
    // The first tick starts a job; a short one may end before it is seen.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return program.state().threadRunning.load() || program.state().StepsDone == 3; }));
    click(program.windows().progress->stopButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main().timer->isActive(); }));
    // That job was stopped, or had ended with step 2; no other one ran.
    EXPECT_TRUE(view(TextView::Information).contains("Stopped at step 2") || program.state().StepsDone == 3);
    EXPECT_LE(program.state().StepsDone, 3);
    EXPECT_TRUE(main().isEnabled());

    click(panel().resetButton);
    EXPECT_EQ(panel().stepLabel->text(), "");
    EXPECT_EQ(program.state().StepsDone, 0);

    // LSR derives without drawing; back in LSR&D the step shown is drawn at once.
    click(panel().BitBLSR);
    EXPECT_FALSE(program.windows().picture2d->isVisible());
    click(panel().forwardButton);
    click(panel().forwardButton);
    const long jobsBefore = view(TextView::Information).count("Statistics");
    click(panel().BitBLSRDr);
    EXPECT_EQ(view(TextView::Information).count("Statistics"), jobsBefore + 1);
    EXPECT_TRUE(panel().redrawButton->isEnabled());
    EXPECT_TRUE(program.windows().picture2d->isVisible());

    click(panel().saveStringButton);
    const std::string saved = dir.file("koch_001.str");
    EXPECT_EQ(TempDir::read(saved), TempDir::read(dir.file("koch_001.stt")));

    // LSDr deletes the step files and opens the saved string.
    click(panel().BitBLSDr);
    EXPECT_FALSE(fileExists(dir.file("koch_000.stt")));
    EXPECT_EQ(view(TextView::Definition), "");
    open(saved);
    EXPECT_EQ(main().windowTitle().toStdString(), "Sprigwork   " + saved);
    EXPECT_EQ(status(0), QString::fromUtf8("Počet symbolov : 8"));
    EXPECT_EQ(view(TextView::String), "F+F--F+F");
    EXPECT_TRUE(main().tabs()->isTabVisible(2) && !main().tabs()->isTabVisible(0));
}

}  // namespace
}  // namespace sprig::testing
