// A saved-file list database of any bytes: a file that is no such database
// is refused and left byte for byte as it was; one that opens lists the
// same rows whole and searched for "%", and a compaction, whether it works
// or not, keeps every row.
#include "FuzzSupport.h"
#include "preview/lists/FileListStore.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzInitialise();
    const QByteArray bytes = fuzzBytes(data, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nd1File.db"));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    preview::FileListStore store(path, preview::OmoteFileListKind());
    if (store.open() == preview::FileListStore::OpenResult::Damaged) {
        FUZZ_CHECK(!store.error().isEmpty());
        store.close();
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::ReadOnly) && f.readAll() == bytes);
        return 0;
    }
    const QList<preview::FileListRow> rows = store.all();
    FUZZ_CHECK(store.search(QStringLiteral("%")).size() == rows.size());
    store.compact();
    FUZZ_CHECK(store.isOpen() && store.all() == rows);
    return 0;
}
