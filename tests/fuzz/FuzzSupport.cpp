#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QLoggingCategory>
#include <QGuiApplication>

void fuzzInitialise()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (fuzzNeedsGui()) {
            // Fonts and painting want the graphical application, without a screen.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            new QGuiApplication(argc, argv);
        } else {
            new QCoreApplication(argc, argv);
        }
    }
    // Damaged pictures are the point; their warnings are noise.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
}

QString fuzzFile(const QString& name, const QByteArray& bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
    return path;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzInitialise();
    return 0;
}
