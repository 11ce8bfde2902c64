// The window tests need one application object for all of them.

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/slovak_translation.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    sprig::installSlovakTranslation();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
