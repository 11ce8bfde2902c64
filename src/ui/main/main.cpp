// sprigwork [FILE.ls | FILE.str]: the desktop workbench, opening the file
// when one is named.

#include <QApplication>
#include <cstdio>

#include "ui/program.h"
#include "ui/program_icon.h"
#include "ui/slovak_translation.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Sprigwork");
    QApplication::setDesktopFileName("sprigwork");
    QApplication::setWindowIcon(sprig::programIcon());
    sprig::installSlovakTranslation();
    if (argc > 2) {
        std::fputs("usage: sprigwork [FILE.ls | FILE.str]\n", stderr);
        return 64;
    }
    sprig::Program program;
    program.start(argc == 2 ? argv[1] : "");
    return QApplication::exec();
}
