// The main of a benchmark program: private data and settings folders, so a
// run reads and writes none of the user's files, and the offscreen platform
// unless another one is chosen.
//
// A benchmark run at two sizes n and 10n (->Arg(n)->Arg(10 * n)) also
// prints its growth, time at 10n over time at n: about 10 for work that
// grows linearly, about 100 for quadratic work.
#pragma once

#include <QApplication>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

class GrowthReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred)
                continue;
            // n is the last part of the name that is a number: settings
            // such as "iterations:3" or "manual_time" may follow it.
            QStringList parts = QString::fromStdString(r.benchmark_name()).split(u'/');
            for (qsizetype i = parts.size() - 1; i > 0; --i) {
                bool ok = false;
                const qint64 n = parts[i].toLongLong(&ok);
                if (!ok)
                    continue;
                parts.removeAt(i);
                times_[parts.join(u'/')][n] = r.GetAdjustedRealTime();
                break;
            }
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (auto it = times_.cbegin(); it != times_.cend(); ++it)
            for (auto size = it->cbegin(); size != it->cend(); ++size)
                if (it->contains(size.key() * 10))
                    std::printf("growth %s: n = %lld to %lld takes %.1f times as long (linear 10, quadratic 100)\n",
                                qPrintable(it.key()), static_cast<long long>(size.key()),
                                static_cast<long long>(size.key() * 10),
                                it->value(size.key() * 10) / size.value());
        std::fflush(stdout);
    }

private:
    QMap<QString, QMap<qint64, double>> times_;
};

inline int runBenchmarks(int argc, char** argv)
{
    QTemporaryDir xdg;
    qputenv("XDG_DATA_HOME", (xdg.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (xdg.path() + "/config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    GrowthReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
