// The options dialog through its controls: the five main windows wait
// while it is up, Cancel and the frame put the controls back, OK stores
// them, and the next step draws with them.

#include <QCheckBox>
#include <QLineEdit>
#include <algorithm>
#include <vector>

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
    EXPECT_EQ(options.Edit7->text(), "90.0");
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
    EXPECT_EQ(spokenName(panel().repeatButton), "25 >>");
    EXPECT_EQ(options.Edit7->text(), "90.000000");
    EXPECT_TRUE(options.CheckBox6->isChecked());
    // Nothing is drawn differently before the next step.
    EXPECT_TRUE(windows.window(Window::Picture3d).isVisible());
    click(panel().forwardButton);
    EXPECT_TRUE(windows.window(Window::Picture2d).isVisible());
    EXPECT_FALSE(windows.window(Window::Picture3d).isVisible());
}

// Each check box and edit field shows a value of its own: changing it alone
// changes the form, unlike any other control, and the form put back shows
// that change alone again.
TEST_F(ProgramTest, EveryOptionsControlShowsAValueOfItsOwn)
{
    TOKBottomDlg& options = *program.windows().options;
    const QList<QCheckBox*> boxes = options.findChildren<QCheckBox*>();
    const QList<QLineEdit*> edits = options.findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size() + edits.size(), 20);
    const auto clear = [&] {
        for (QCheckBox* box : boxes) box->setChecked(false);
        for (QLineEdit* edit : edits) edit->setText("");
    };
    clear();
    std::vector<OptionsForm> seen{options.form()};
    const auto check = [&](QWidget* control, const auto& changed) {
        const OptionsForm form = options.form();
        EXPECT_EQ(std::ranges::count(seen, form), 0) << control->objectName().toStdString();
        seen.push_back(form);
        clear();
        options.setForm(form);
        for (QCheckBox* box : boxes) EXPECT_EQ(box->isChecked(), changed(box)) << box->objectName().toStdString();
        for (QLineEdit* edit : edits) EXPECT_EQ(edit->text() == "7", changed(edit)) << edit->objectName().toStdString();
        clear();
    };
    for (QCheckBox* box : boxes) {
        box->setChecked(true);
        check(box, [&](QWidget* w) { return w == box; });
    }
    for (QLineEdit* edit : edits) {
        edit->setText("7");
        check(edit, [&](QWidget* w) { return w == edit; });
    }
}

}  // namespace
}  // namespace sprig::testing
