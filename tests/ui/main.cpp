#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

#include "platform/ui/kit.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A settings folder of this process's own: the test programs run side by side, and tests
    // that write settings files must not read each other's.
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    QApplication app(argc, argv);
    ApplyProgramLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
