// Whole processes timed in pairs, each against a bare Qt program doing the
// least the same job needs, run in turn (A B A B ...) so that a machine shared
// with other work slows both alike; the median of the pairwise ratios is the
// figure to quote.
//   - printing one A3 sheet to PDF through the real main window, dispatcher
//     and page printer (noshi_print), against a bare Qt PDF writer; and the
//     same print made from the main window once shown (noshi_print --shown),
//     against the same writer once it has shown a window of Japanese captions;
//   - starting the program up to the main window's first complete frame
//     (the window and all its children drawn), against a bare Qt window up
//     to its first frame, and against the least window that shows Japanese
//     captions (what any window of Japanese text pays).
//   bench_WholeProcess [PAIRS]   (default 9, after one warm-up pair)
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double ms = 0;
    double peakMiB = 0;
    bool ok = false;
};

Run runOnce(const QStringList& command)
{
    std::vector<QByteArray> args;
    for (const QString& a : command)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    Run r;
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        struct rusage use {};
        if (wait4(pid, &status, 0, &use) == pid) {
            r.ms = t.nsecsElapsed() / 1e6;
            r.peakMiB = use.ru_maxrss / 1024.0;
            r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

void pair(const char* what, const QStringList& a, const QStringList& b, int pairs)
{
    runOnce(a); // warm-up: files into the page cache
    runOnce(b);
    std::vector<double> ta, tb, ratio, ma, mb;
    for (int i = 0; i < pairs; ++i) {
        const Run ra = runOnce(a), rb = runOnce(b);
        if (!ra.ok || !rb.ok) {
            std::printf("%s: a run failed (%s)\n", what, qPrintable((ra.ok ? b : a).join(u' ')));
            return;
        }
        ta.push_back(ra.ms);
        tb.push_back(rb.ms);
        ratio.push_back(ra.ms / rb.ms);
        ma.push_back(ra.peakMiB);
        mb.push_back(rb.peakMiB);
    }
    std::printf("%-52s %8.1f ms %6.1f MiB | bare Qt %8.1f ms %6.1f MiB | ratio %.2f (pairs %d, min %.2f, max %.2f)\n",
                what, median(ta), median(ma), median(tb), median(mb), median(ratio), pairs,
                *std::min_element(ratio.begin(), ratio.end()), *std::max_element(ratio.begin(), ratio.end()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString here = QCoreApplication::applicationDirPath();
    std::printf("whole processes, medians of %d pairs run in turn; platform %s\n", pairs,
                qgetenv("QT_QPA_PLATFORM").constData());
    pair("print one A3 sheet to PDF", {QStringLiteral(NOSHI_PRINT_TOOL), QStringLiteral(NOSHI_BENCH_SHEET), home.filePath(QStringLiteral("sheet.pdf"))},
         {here + QStringLiteral("/bare_qt_pdf"), home.filePath(QStringLiteral("bare.pdf"))}, pairs);
    pair("print from the shown window, against a Japanese window",
         {QStringLiteral(NOSHI_PRINT_TOOL), QStringLiteral("--shown"), QStringLiteral(NOSHI_BENCH_SHEET), home.filePath(QStringLiteral("sheet.pdf"))},
         {here + QStringLiteral("/bare_qt_japanese_window"), home.filePath(QStringLiteral("bare.pdf"))}, pairs);
    pair("start-up to the first frame", {here + QStringLiteral("/noshi_first_paint")},
         {here + QStringLiteral("/bare_qt_window")}, pairs);
    pair("start-up, against Japanese captions", {here + QStringLiteral("/noshi_first_paint")},
         {here + QStringLiteral("/bare_qt_japanese_window")}, pairs);
    return 0;
}
