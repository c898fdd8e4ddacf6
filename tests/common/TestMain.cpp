// Test entry point: an offscreen application whose settings, data and
// desktop folders live in a temporary directory, never in the user's.
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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
