// The main of a benchmark program: private data and settings folders, so a
// run reads and writes none of the user's files, and the offscreen platform
// unless another one is chosen.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

inline int runBenchmarks(int argc, char** argv)
{
    QTemporaryDir xdg;
    qputenv("XDG_DATA_HOME", (xdg.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (xdg.path() + "/config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
