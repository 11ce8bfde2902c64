// The program in everyday hands: status texts legible however long, the
// keys of the control panel, dialogs in front of the tool windows and in
// Slovak.

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>
#include <functional>
#include <tuple>

#include "program_fixture.h"
#include "ui/about_box.h"
#include "ui/camera_window.h"
#include "ui/options_dialog.h"
#include "ui/picture_window.h"
#include "ui/windows.h"

namespace sprig::testing {
namespace {

// Runs the command, and the answer to the modal dialog it brings up: true
// accepts the dialog, false cancels it. The dialog is looked for every
// 20 ms while the command runs; a modal window that is no dialog, or one
// that stays up after its answer, is closed after 250 looks, so nothing
// hangs the test.
bool answerDialog(const std::function<void()>& command, const std::function<bool(QDialog&)>& answer)
{
    bool seen = false;
    int looks = 0;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog && !seen) {
            seen = true;
            answer(*dialog) ? dialog->accept() : dialog->reject();
        } else if (modal && ++looks == 250) {
            modal->close();
        }
    });
    timer.start();
    command();
    return seen;
}

QString cancelText(QDialog& dialog)
{
    const QPushButton* cancel = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
    return cancel ? cancel->text() : QString();
}

// A 12-digit count and a 10-digit length: each panel shows its whole text,
// none runs into the next, and all stay inside the window.
TEST_F(ProgramTest, StatusPanelsHoldTheirWholeTextsSideBySide)
{
    const char* const texts[] = {"Počet symbolov : 123456789012", "Dĺžka reťazca : 1234567890 KB", "neparametrický",
                                 "LSR&D     "};
    for (int i = 0; i < TMainForm::kViewCount; ++i) program.ui().setStatus(static_cast<StatusPanel>(i), texts[i]);
    // A window manager widens the window in its own time.
    const QLabel* last = main().statusPanel(TMainForm::kViewCount - 1);
    static_cast<void>(QTest::qWaitFor([&] { return last->geometry().right() < main().statusBar()->width(); }));
    int right = 0;
    for (int i = 0; i < TMainForm::kViewCount; ++i) {
        const QLabel* shown = main().statusPanel(i);
        SCOPED_TRACE(texts[i]);
        EXPECT_GE(shown->contentsRect().width(), shown->fontMetrics().horizontalAdvance(shown->text()));
        EXPECT_GE(shown->x(), right);
        right = shown->geometry().right() + 1;
    }
    EXPECT_LE(right, main().statusBar()->contentsRect().right() + 1);
}

// Return on a button that is not the default one, then keypad Enter: each
// takes a step, and after each job ">>" has the focus again.
TEST_F(ProgramTest, ReturnAndEnterInTheControlPanelPressForward)
{
    open(dir.write("koch.ls", "angle 60\naxiom F\n#F->F+F--F+F\n"));
    const struct {
        QPushButton* TFormOvlPan::*focused;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* stepLabel;
    } presses[] = {
        {&TFormOvlPan::openButton, Qt::Key_Return, Qt::NoModifier, "0"},
        {&TFormOvlPan::resetButton, Qt::Key_Enter, Qt::KeypadModifier, "1"},
        {&TFormOvlPan::forwardButton, Qt::Key_Return, Qt::NoModifier, "2"},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(press.stepLabel);
        QTest::keyClick(panel().*press.focused, press.key, press.modifiers);
        finishJob();
        EXPECT_EQ(panel().stepLabel->text(), press.stepLabel);
        EXPECT_EQ(panel().focusWidget(), panel().forwardButton);
    }
    // Focusing another window leaves the panel's focus where it was.
    panel().openButton->setFocus();
    program.ui().focus(Window::Main);
    EXPECT_EQ(panel().focusWidget(), panel().openButton);
}

// With the tool windows shown, every dialog stays on top as they do, so it
// comes up in front of them; Qt's dialogs speak Slovak. What a dialog
// accepts is taken: a file is opened, a colour becomes the pen's.
TEST_F(ProgramTest, DialogsComeUpAboveTheToolWindowsInSlovak)
{
    ASSERT_TRUE(panel().isVisible() && program.windows().camera->isVisible());
    program.ui().fileChooser = nullptr;
    const struct {
        QAction* item;
        const char* title;
    } dialogs[] = {
        {main().openItem, "Otvoriť"},
        {program.windows().picture3d->saveAsItem, "Uložiť ako"},
        {main().colourItem, "Vybrať farbu"},
    };
    for (const auto& row : dialogs) {
        SCOPED_TRACE(row.title);
        EXPECT_TRUE(answerDialog([&] { row.item->trigger(); },
                                 [&](QDialog& dialog) {
                                     EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
                                     EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(row.title));
                                     EXPECT_EQ(cancelText(dialog), QString::fromUtf8("Zrušiť"));
                                     return false;
                                 }));
    }
    for (QWidget* box :
         std::initializer_list<QWidget*>{program.windows().options.get(), program.windows().about.get(), &error()})
        EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << box->objectName().toStdString();
    // What the cancelled dialogs would have changed stays as it was.
    EXPECT_EQ(std::tuple(program.state().definitionPath, program.targets().penColour), std::tuple("", 0x0000FF00u));

    const std::string ls = dir.write("a.ls", "axiom F\n");
    EXPECT_TRUE(answerDialog([&] { main().openItem->trigger(); },
                             [&](QDialog& dialog) {
                                 dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(ls));
                                 return true;
                             }));
    EXPECT_TRUE(answerDialog([&] { main().colourItem->trigger(); },
                             [&](QDialog& dialog) {
                                 static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(1, 2, 3));
                                 return true;
                             }));
    EXPECT_EQ(std::tuple(program.state().definitionPath, program.targets().penColour), std::tuple(ls, 0x030201u));
}

}  // namespace
}  // namespace sprig::testing
