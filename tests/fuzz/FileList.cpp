// The saved-file list store on databases of any bytes, and on valid
// databases whose rows come from the input.
//
// Bytes that begin as a database file are that file: one that is no such
// database is refused and left byte for byte as it was; one that opens lists
// the same rows whole and searched for "%", and a compaction, whether it
// works or not, keeps every row.
//
// Any other bytes are rows, one a line, fields split by tabs (ID, file name,
// size name, template key, folder), written into a table of untyped columns:
// the list opens exactly when every ID is a whole 32-bit number, lists every
// row with its ID, never numbers a new row with an ID in use, and keeps
// every row through a search, a deletion and a compaction.
#include "FuzzSupport.h"
#include "preview/lists/FileListStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace {

// Properties every opened list has.
void checkOpened(preview::FileListStore& store, const QList<preview::FileListRow>& rows)
{
    FUZZ_CHECK(store.SearchFileList(QStringLiteral("%")).size() == rows.size());
    FUZZ_CHECK(store.rowCount() == rows.size());
    store.CompactDataBase();
    FUZZ_CHECK(store.isOpen() && store.OpenFileList() == rows);
}

int fromDatabaseBytes(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nd1File.db"));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    preview::FileListStore store(path, preview::OmoteFileListKind());
    if (store.OpenFileListStore() == preview::FileListStore::OpenResult::Damaged) {
        FUZZ_CHECK(!store.error().isEmpty());
        store.CloseFileListStore();
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::ReadOnly) && f.readAll() == bytes);
        return 0;
    }
    checkOpened(store, store.OpenFileList());
    return 0;
}

// An ID field as the database stores it: a whole number, a real or text.
QVariant idValue(const QString& field, bool* whole32, qint64* id)
{
    bool ok = false;
    const qlonglong n = field.toLongLong(&ok);
    if (ok) {
        *whole32 = n >= -2147483648LL && n <= 2147483647LL;
        *id = n;
        return QVariant(n);
    }
    const double d = field.toDouble(&ok);
    if (ok && std::isfinite(d)) {
        *whole32 = d == std::floor(d) && d >= -2147483648.0 && d <= 2147483647.0;
        *id = *whole32 ? qint64(d) : 0;
        return QVariant(d);
    }
    *whole32 = false;
    return QVariant(field);
}

int fromRows(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nd1File.db"));
    const QList<QByteArray> lines = bytes.split('\n');
    bool allWhole = true;
    QList<qint64> ids;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzz-rows"));
        db.setDatabaseName(path);
        FUZZ_CHECK(db.open());
        QSqlQuery q(db);
        FUZZ_CHECK(q.exec(QStringLiteral("CREATE TABLE ファイルリスト (ID, ファイル名, のし紙サイズ名, 使用するひな型, ディレクトリ)")));
        FUZZ_CHECK(q.prepare(QStringLiteral("INSERT INTO ファイルリスト VALUES (?, ?, ?, ?, ?)")));
        for (const QByteArray& line : lines.mid(0, 64)) {
            const QStringList f = QString::fromUtf8(line).split(u'\t');
            bool whole = false;
            qint64 id = 0;
            q.bindValue(0, idValue(f.value(0), &whole, &id));
            // Missing fields are empty texts: a row without a file name
            // matches no search, which is not what this entry looks at.
            for (int i = 1; i < 5; ++i)
                q.bindValue(i, f.value(i, QStringLiteral("")));
            FUZZ_CHECK(q.exec());
            allWhole = allWhole && whole;
            ids << id;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fuzz-rows"));

    preview::FileListStore store(path, preview::OmoteFileListKind());
    const auto opened = store.OpenFileListStore();
    FUZZ_CHECK((opened == preview::FileListStore::OpenResult::Opened) == allWhole);
    if (!allWhole) {
        FUZZ_CHECK(!store.error().isEmpty());
        return 0;
    }
    const QList<preview::FileListRow> rows = store.OpenFileList();
    FUZZ_CHECK(rows.size() == ids.size());
    QList<qint64> listed;
    for (const preview::FileListRow& r : rows)
        listed << r.id;
    std::sort(ids.begin(), ids.end());
    std::sort(listed.begin(), listed.end());
    FUZZ_CHECK(listed == ids);
    FUZZ_CHECK(!ids.contains(qint64(store.NextFileListId())));
    // The last line's file name, searched: only rows of the list come back.
    const QString text = QString::fromUtf8(lines.last()).section(u'\t', 1, 1);
    for (const preview::FileListRow& r : store.SearchFileList(text))
        FUZZ_CHECK(rows.contains(r));
    checkOpened(store, rows);
    if (!rows.isEmpty()) {
        FUZZ_CHECK(store.DeleteCurrentRow(rows.first().id));
        FUZZ_CHECK(store.rowCount() < rows.size());
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzInitialise();
    const QByteArray bytes = fuzzBytes(data, size);
    return bytes.startsWith(QByteArrayLiteral("SQLite format 3")) ? fromDatabaseBytes(bytes) : fromRows(bytes);
}
