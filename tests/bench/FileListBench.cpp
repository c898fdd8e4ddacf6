// The saved-file lists over folders of 10,000 and 100,000 saved parts.
// A rebuild (walk, side files, one transaction) should grow linearly with
// the parts and keep its peak memory small (under 60 MiB at 100,000); a
// keystroke in the search box should never keep the window's thread busy
// for longer than a 16 ms frame, however long the list.
#include "common/BenchMain.h"

#include "platform/forms/Controls.h"
#include "platform/text/Cp932.h"
#include "preview/lists/FileListStore.h"
#include "preview/lists/FileListWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <map>
#include <memory>
#include <sys/resource.h>

namespace {

// The folder of n parts, made once per n: part i is named after a family
// name, a given name and i, so that "田中花" finds one part in 80.
QString partsFolder(int n)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> made;
    auto& dir = made[n];
    if (dir)
        return dir->path();
    dir = std::make_unique<QTemporaryDir>();
    const QStringList family = {"山田", "鈴木", "佐藤", "高橋", "田中", "伊藤", "渡辺", "中村", "小林", "加藤"};
    const QStringList given = {"太郎", "花子", "一郎", "商店", "工業", "株式会社", "様", "御中"};
    const QByteArray side = cp932::encode(QStringLiteral("萌黄（祝大）　\r\n大のし\r\n"));
    for (int i = 0; i < n; ++i) {
        const QString base = dir->filePath(family[i % 10] + given[(i / 10) % 8] + QString::number(i));
        QFile part(base + ".nd1"), sideFile(base + ".ndb");
        if (!part.open(QIODevice::WriteOnly) || !sideFile.open(QIODevice::WriteOnly))
            break;
        part.write("{\\rtf1 }");
        sideFile.write(side);
    }
    return dir->path();
}

double peakMiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

void BM_Rebuild(benchmark::State& state)
{
    const int n = int(state.range(0));
    const QString folder = partsFolder(n);
    QTemporaryDir db;
    preview::FileListStore store(db.filePath("nd1File.db"), preview::OmoteFileListKind());
    store.OpenFileListStore();
    for (auto _ : state) {
        if (store.replaceWithFolder(folder) != n)
            state.SkipWithError("rebuild failed");
    }
    state.counters["rows"] = store.rowCount();
    state.counters["process peak MiB"] = peakMiB();
}

// A search for `text` straight on the store; the empty text lists every row.
void searchLoop(benchmark::State& state, const QString& text)
{
    QTemporaryDir db;
    preview::FileListStore store(db.filePath("nd1File.db"), preview::OmoteFileListKind());
    store.OpenFileListStore();
    store.replaceWithFolder(partsFolder(int(state.range(0))));
    qsizetype found = 0;
    for (auto _ : state) {
        found = store.SearchFileList(text).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}

// One keystroke in the list window's search box, from the key to the rows
// in the grid: "花" after "田中" (a few hits), or Backspace over the whole
// selected text (the whole list). The time is the latency; "longest block"
// is the longest the window's thread was busy at once meanwhile, the key's
// own handling included.
void keystrokeToRows(benchmark::State& state, bool clear)
{
    const int n = int(state.range(0));
    QTemporaryDir dir;
    const QString db = dir.filePath("nd1File.db");
    {
        preview::FileListStore fill(db, preview::OmoteFileListKind());
        fill.OpenFileListStore();
        fill.replaceWithFolder(partsFolder(n));
    }
    preview::frmDatabase1 win(db);
    win.Form_Load();
    win.show();
    win.Form_Activate();
    win.Text1->setFocus();
    QApplication::processEvents();

    using clock = std::chrono::steady_clock;
    const auto ms = [](clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    double longest = 0;
    for (auto _ : state) {
        forms::setText(win.Text1, clear ? QStringLiteral("田中花") : QStringLiteral("田中"));
        if (clear)
            win.Text1->selectAll();
        else
            win.Text1->end(false);
        QApplication::processEvents();

        const auto t0 = clock::now();
        QKeyEvent key(QEvent::KeyPress, clear ? Qt::Key_Backspace : Qt::Key_unknown, Qt::NoModifier,
                      clear ? QStringLiteral("\b") : QStringLiteral("花"));
        QApplication::sendEvent(win.Text1, &key);
        longest = std::max(longest, ms(clock::now() - t0));
        while (win.searchPending()) {
            const auto t = clock::now();
            QApplication::processEvents();
            longest = std::max(longest, ms(clock::now() - t));
            QThread::usleep(50);
        }
        QApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(clock::now() - t0).count());
    }
    state.counters["rows"] = double(win.rows().size());
    state.counters["longest block ms"] = longest;
}

} // namespace

BENCHMARK(BM_Rebuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(searchLoop, FewHits, QStringLiteral("田中花"))->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchLoop, WholeList, QString())->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keystrokeToRows, FewHits, false)
    ->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keystrokeToRows, Cleared, true)
    ->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
