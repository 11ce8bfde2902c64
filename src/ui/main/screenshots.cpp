// sprigwork-screenshots DIR: the desktop program photographs itself for the
// README. It opens a bundled 3D and a bundled 2D example, steps each as a
// user would, and writes every window's picture as a PNG file into DIR.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>

#include "ui/camera_window.h"
#include "ui/control_panel.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/picture_window.h"
#include "ui/program.h"
#include "ui/slovak_translation.h"

namespace {

// Opens the example as "&Otvoriť..." would and steps it.
void openAndStep(sprig::Program& program, const QString& example, int times)
{
    program.ui().answerNextDialog((QStringLiteral(SPRIG_EXAMPLES_DIR "/") + example).toStdString());
    program.windows().main->openItem->trigger();
    for (int i = 0; i < times; ++i) {
        program.windows().panel->forwardButton->click();
        program.ui().waitForWorker(program.state().threadRunning);
    }
    QApplication::processEvents();
}

bool save(QWidget& window, const QDir& dir, const char* name)
{
    const bool saved = window.grab().save(dir.filePath(name));
    if (!saved) std::fprintf(stderr, "sprigwork-screenshots: cannot write %s\n", qPrintable(dir.filePath(name)));
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    sprig::installSlovakTranslation();
    if (argc != 2) {
        std::fputs("usage: sprigwork-screenshots DIR\n", stderr);
        return 64;
    }
    const QDir dir(argv[1]);
    sprig::Program program;
    sprig::Windows& windows = program.windows();
    program.start();
    openAndStep(program, "plant_3d.ls", 5);
    bool saved = save(*windows.main, dir, "main_window.png") && save(*windows.picture3d, dir, "picture_3d.png") &&
                 save(*windows.camera, dir, "camera_window.png") && save(*windows.panel, dir, "control_panel.png");
    openAndStep(program, "bracketed_plant.ls", 5);
    saved = saved && save(*windows.picture2d, dir, "picture_2d.png");
    QTabWidget& pages = *windows.options->findChild<QTabWidget*>();
    windows.options->show();
    for (int page = 0; page < pages.count(); ++page) {
        pages.setCurrentIndex(page);
        const std::string name = "options_" + std::to_string(page + 1) + ".png";
        saved = saved && save(*windows.options, dir, name.c_str());
    }
    return saved ? 0 : 1;
}
