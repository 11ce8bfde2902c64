#pragma once
// The whole program with its real windows, started as a user would start
// it; file dialogs answer with a path the test chooses, and each command
// waits for the job it starts.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/control_panel.h"
#include "ui/error_dialog.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/text_page_view.h"

// Failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace sprig::testing {

// What a screen reader hears a control called.
inline QString spokenName(QObject* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest()
    {
        program.ui().fileChooser = [this](FileDialog) { return std::optional<std::string>(chosenFile); };
        program.start();
    }

    void finishJob() { program.ui().waitForWorker(program.state().threadRunning); }
    void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        finishJob();
    }
    void trigger(QAction* item)
    {
        item->trigger();
        finishJob();
    }
    // Opens the file through the control panel's open button.
    void open(const std::string& path)
    {
        chosenFile = path;
        click(panel().openButton);
    }

    TFormOvlPan& panel() { return *program.windows().panel; }
    TMainForm& main() { return *program.windows().main; }
    TOKBottomDlg1& error() { return *program.windows().error; }
    QString status(int panel) { return main().statusPanel(panel)->text(); }
    QString view(TextView which) { return main().view(static_cast<int>(which))->toPlainText(); }
    QString lastLogLine() { return view(TextView::Information).split('\n').last(); }

    TempDir dir;
    Program program;
    std::string chosenFile;
};

}  // namespace sprig::testing
