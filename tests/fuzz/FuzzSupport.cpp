#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QLoggingCategory>

void fuzzInitialise()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    // Damaged pictures are the point; their warnings are noise.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzInitialise();
    return 0;
}
