#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <tuple>

#include "program_fixture.h"
#include "ui/picture_window.h"
#include "ui/windows.h"

namespace sprig::testing {
namespace {

struct WindowRow {
    Window window;
    const char* objectName;
    const char* caption;
    int width;
    int height;
    bool whole;  // the size of the whole window, frame and all; otherwise of the client area
    bool visible;
};

const WindowRow kWindows[] = {
    {Window::Main, "TMainForm", "Sprigwork", 493, 322, true, true},
    {Window::About, "TAboutBox", "About Sprigwork", 298, 212, false, false},
    {Window::Options, "TOKBottomDlg", "Vlastnosti", 493, 402, false, false},
    {Window::Picture2d, "TForm4", "Sprigwork  - obrázok", 414, 302, true, false},
    {Window::Progress, "TForm6", "Sprigwork", 321, 162, false, false},
    {Window::Help, "TForm7", "Pomoc", 506, 361, true, false},
    {Window::ControlPanel, "TFormOvlPan", "Ovl.panel", 104, 369, false, true},
    {Window::Camera, "TFormOvl3D", "Ovl. kamery", 121, 245, false, true},
    {Window::Picture3d, "TFormGL", "Sprigwork - obrázok", 435, 300, true, true},
};

TEST_F(ProgramTest, StartUpShowsTheFourMainWindowsWithNothingOpen)
{
    for (const WindowRow& row : kWindows) {
        const QWidget& window = program.windows().window(row.window);
        SCOPED_TRACE(row.objectName);
        EXPECT_EQ(window.objectName(), row.objectName);
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8(row.caption));
        EXPECT_EQ(row.whole ? window.frameGeometry().size() : window.size(), QSize(row.width, row.height));
        EXPECT_EQ(window.isVisible(), row.visible);
        EXPECT_TRUE(window.isEnabled());
    }
    EXPECT_EQ(std::tuple(error().objectName(), error().windowTitle(), error().size(), error().isVisible()),
              std::tuple(QString("TOKBottomDlg1"), QString("Error"), QSize(358, 157), false));
    for (Window tool : {Window::ControlPanel, Window::Camera, Window::Progress})
        EXPECT_TRUE(program.windows().window(tool).windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    EXPECT_EQ(std::tuple(status(0), status(1), status(2), status(3)),
              std::tuple(QString::fromUtf8("Počet symbolov : "), QString::fromUtf8("Dĺžka reťazca : "), QString(),
                         QString("LSR&D     ")));
    for (int tab = 0; tab < TMainForm::kViewCount; ++tab) EXPECT_FALSE(main().tabs()->isTabVisible(tab));
    // Only the text colour marks the current mode.
    for (QPushButton* mode : {panel().BitBLSR, panel().BitBLSRDr}) mode->ensurePolished();
    EXPECT_EQ(panel().BitBLSRDr->palette().color(QPalette::ButtonText), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(panel().BitBLSR->palette().color(QPalette::ButtonText), QColor(Qt::black));
    EXPECT_EQ(panel().BitBLSRDr->palette().color(QPalette::Button), panel().BitBLSR->palette().color(QPalette::Button));
    EXPECT_EQ(panel().BitBLSRDr->text(), "LSR&&Dr");
    EXPECT_EQ(spokenName(panel().BitBLSRDr), "LSR&Dr");
}

// Screen readers and automation find every control by its name, and every
// menu item by its caption.
TEST_F(ProgramTest, EveryControlAndMenuItemHasAName)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool named = !spokenName(control).isEmpty();
            const bool shown = control->isVisibleTo(window);
            if (shown && (qobject_cast<QAbstractButton*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                          qobject_cast<QProgressBar*>(control))) {
                EXPECT_TRUE(named) << window->objectName().toStdString() << " " << control->metaObject()->className();
            }
        }
        for (QMenu* menu : window->findChildren<QMenu*>())
            for (QAction* item : menu->actions()) EXPECT_TRUE(item->isSeparator() || !item->text().isEmpty());
    }
}

// Which main menu items each run mode leaves usable before anything is open.
TEST_F(ProgramTest, TheMenusFollowTheRunMode)
{
    struct Row {
        QPushButton* TFormOvlPan::*button;
        const char* panelText;
        bool pictureItem;
    };
    const Row rows[] = {
        {&TFormOvlPan::BitBLSR, "LSR     ", false},
        {&TFormOvlPan::BitBLSDr, "LSDr    ", true},
        {&TFormOvlPan::BitBLSRDr, "LSR&D     ", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.panelText);
        click(panel().*row.button);
        EXPECT_EQ(status(3), row.panelText);
        EXPECT_EQ(main().windowMenu.picture->isEnabled(), row.pictureItem);
        EXPECT_TRUE((panel().*row.button)->styleSheet().contains("#ffff00"));
        EXPECT_TRUE(main().openItem->isEnabled());
        for (QAction* item :
             {main().saveDefinitionItem, main().saveDefinitionAsItem, main().saveStringItem, main().saveStringAsItem})
            EXPECT_FALSE(item->isEnabled());
    }
}

}  // namespace
}  // namespace sprig::testing
