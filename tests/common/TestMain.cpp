// Test entry point: an offscreen application whose settings, data and
// desktop folders live in a temporary directory, never in the user's; every
// test runs in a program context of its own, so nothing one test leaves in
// the store, the printer slots or the settings cache reaches the next.
#include "common/ContextPerTest.h"
#include "platform/services/ProgramLook.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DESKTOP_DIR"}) {
        const QString dir = home.path() + "/" + QString::fromLatin1(var).toLower();
        QDir().mkpath(dir);
        qputenv(var, dir.toLocal8Bit());
    }
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    // Windows under test look as the program shows them.
    ui::useProgramLook();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new testing_support::ContextPerTest);
    return RUN_ALL_TESTS();
}
