// The saved-file list over a folder of 10,000 saved parts: a rebuild (scan,
// side files, one transaction) should stay under 2 s, a search among the
// 10,000 rows under 20 ms.
#include "common/BenchMain.h"

#include "platform/text/Cp932.h"
#include "preview/lists/FileListStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kParts = 10000;

// The folder of parts, made once: part i is named after a family name, a
// given name and i, so that a search finds a few hundred of them.
QString partsFolder()
{
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        const QStringList family = {"山田", "鈴木", "佐藤", "高橋", "田中", "伊藤", "渡辺", "中村", "小林", "加藤"};
        const QStringList given = {"太郎", "花子", "一郎", "商店", "工業", "株式会社", "様", "御中"};
        const QByteArray side = cp932::encode(QStringLiteral("萌黄（祝大）　\r\n大のし\r\n"));
        for (int i = 0; i < kParts; ++i) {
            const QString base = dir.filePath(family[i % 10] + given[(i / 10) % 8] + QString::number(i));
            QFile part(base + ".nd1"), sideFile(base + ".ndb");
            if (!part.open(QIODevice::WriteOnly) || !sideFile.open(QIODevice::WriteOnly))
                return dir.path();
            part.write("{\\rtf1 }");
            sideFile.write(side);
        }
        made = true;
    }
    return dir.path();
}

void BM_RebuildFrom10000Parts(benchmark::State& state)
{
    const QString folder = partsFolder();
    QTemporaryDir db;
    preview::FileListStore store(db.filePath("nd1File.db"), preview::OmoteFileListKind());
    store.open();
    for (auto _ : state) {
        if (store.replaceWithFolder(folder) != kParts)
            state.SkipWithError("rebuild failed");
    }
    state.counters["rows"] = store.rowCount();
}

// A search for `text` in the list of all parts; the empty text lists every row.
void searchLoop(benchmark::State& state, const QString& text)
{
    QTemporaryDir db;
    preview::FileListStore store(db.filePath("nd1File.db"), preview::OmoteFileListKind());
    store.open();
    store.replaceWithFolder(partsFolder());
    qsizetype found = 0;
    for (auto _ : state) {
        found = store.search(text).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}

} // namespace

BENCHMARK(BM_RebuildFrom10000Parts)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(searchLoop, InTenThousandRows, QStringLiteral("田中花"))->Unit(benchmark::kMillisecond); // 125 rows
BENCHMARK_CAPTURE(searchLoop, WholeListOfTenThousand, QString())->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
