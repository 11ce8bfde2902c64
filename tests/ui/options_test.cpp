// The options dialog through its controls: the five main windows wait
// while it is up, Cancel and the frame put the controls back, OK stores
// them, and the next step draws with them.

#include <QCheckBox>
#include <QLineEdit>

#include "program_fixture.h"
#include "ui/options_dialog.h"
#include "ui/windows.h"

namespace sprig::testing {
namespace {

constexpr Window kMainWindows[] = {Window::Main, Window::ControlPanel, Window::Camera, Window::Picture2d,
                                   Window::Picture3d};

TEST_F(ProgramTest, TheOptionsDialogStoresOnOkRestoresOtherwiseAndTheNextStepUsesIt)
{
    open(dir.write("koch.ls", "angle 60\naxiom F\n#F->F+F--F+F\n"));
    click(panel().forwardButton);
    Windows& windows = program.windows();
    TOKBottomDlg& options = *windows.options;
    const auto change = [&] {
        trigger(main().optionsItem);
        EXPECT_TRUE(options.isVisible());
        for (Window window : kMainWindows) EXPECT_FALSE(windows.window(window).isEnabled());
        options.CheckBox10->setChecked(true);
        options.CheckBox15->setChecked(false);
        options.Edit8->setText("25");
        options.Edit7->setText("abc");
    };
    const auto left = [&] {
        EXPECT_FALSE(options.isVisible());
        for (Window window : kMainWindows) EXPECT_TRUE(windows.window(window).isEnabled());
    };

    change();
    click(options.CancelBtn);
    left();
    change();
    options.close();
    left();
    EXPECT_FALSE(options.CheckBox10->isChecked());
    EXPECT_EQ(options.Edit8->text(), "10");
    EXPECT_EQ(panel().repeatButton->text(), "10 >>");

    change();
    options.CheckBox6->setChecked(true);
    EXPECT_FALSE(options.CheckBox6->isEnabled());
    click(options.OKBtn);
    left();
    EXPECT_EQ(panel().repeatButton->text(), "25 >>");
    EXPECT_EQ(options.Edit7->text(), "90.000000");
    EXPECT_TRUE(options.CheckBox6->isChecked());
    // Nothing is drawn differently before the next step.
    EXPECT_TRUE(windows.window(Window::Picture3d).isVisible());
    click(panel().forwardButton);
    EXPECT_TRUE(windows.window(Window::Picture2d).isVisible());
    EXPECT_FALSE(windows.window(Window::Picture3d).isVisible());
}

}  // namespace
}  // namespace sprig::testing
