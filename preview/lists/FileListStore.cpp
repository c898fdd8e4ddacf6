#include "preview/lists/FileListStore.h"

#include "platform/paths/AppPaths.h"
#include "preview/SideFile.h"
#include "platform/run/RunState.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace preview {

namespace {

FileListFaults& faults() { return run::slot<FileListFaults>(); }

bool injected(FileListFaults::Step step, int index = 0)
{
    return faults().fail && faults().fail(step, index);
}

// A folder and a name joined with one separator (a root folder keeps its own).
QString joined(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

const QString Table = QStringLiteral("ファイルリスト");
const QStringList Columns = {QStringLiteral("ID"), QStringLiteral("ファイル名"), QStringLiteral("のし紙サイズ名"),
                             QStringLiteral("使用するひな型"), QStringLiteral("ディレクトリ")};
// Case is folded for ASCII letters only, as a user comparing names expects;
// equal names keep the order they were added in.
const QString Order = QStringLiteral(" ORDER BY ファイル名 COLLATE NOCASE ASC, ID ASC");
const QString SelectRows = QStringLiteral("SELECT ID, ファイル名, のし紙サイズ名, 使用するひな型, ディレクトリ FROM ファイルリスト");
const QString SearchRows = SelectRows + QStringLiteral(" WHERE ファイル名 LIKE ?") + Order;

// The side file of a listed part that names both values, nothing for any
// other name: the part's name minus its last four characters, plus ".ndb".
std::optional<SideFile> listedSide(const QString& folder, const QString& name, const QString& extension)
{
    if (name.size() < 4 || !name.endsWith(extension, Qt::CaseSensitive))
        return std::nullopt;
    auto side = readSideFile(joined(folder, name.left(name.size() - 4) + QStringLiteral(".ndb")));
    if (!side || side->sizeName.isEmpty() || side->templateKey.isEmpty())
        return std::nullopt;
    return side;
}

QString likePattern(const QString& text) { return u'%' + text + u'%'; }

QString sqlReason(const QSqlError& e)
{
    const QString t = e.driverText().isEmpty() ? e.databaseText() : e.databaseText() + u' ' + e.driverText();
    return t.trimmed();
}

// The rows a select of the list's five columns gives on `db`; a failure
// gives none and its reason in *error.
QList<FileListRow> selectRows(const QSqlDatabase& db, const QString& sql, const QString* like, QString* error)
{
    QList<FileListRow> rows;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        *error = sqlReason(q.lastError());
        return rows;
    }
    if (like)
        q.addBindValue(*like);
    if (!q.exec()) {
        *error = sqlReason(q.lastError());
        return rows;
    }
    while (q.next())
        rows.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                     q.value(4).toString()});
    return rows;
}

} // namespace

const FileListKind& OmoteFileListKind()
{
    static const FileListKind k{QStringLiteral("nd1File.db"), QStringLiteral("nd1")};
    return k;
}

const FileListKind& NameFileListKind()
{
    static const FileListKind k{QStringLiteral("nd2File.db"), QStringLiteral("nd2")};
    return k;
}

QString FileListRow::partPath(const QString& extension) const
{
    return joined(folder, fileName + u'.' + extension);
}

void setFileListFaults(FileListFaults f) { faults() = std::move(f); }

FileListStore::FileListStore(QString databasePath, FileListKind kind)
    : path_(std::move(databasePath)), kind_(std::move(kind))
{
    static std::atomic<int> serial{0};
    connection_ = QStringLiteral("filelist-%1").arg(++serial);
}

FileListStore::~FileListStore() { CloseFileListStore(); }

QString FileListStore::defaultPath(const FileListKind& kind)
{
    // No data folder, no list: never a file of that name in whatever folder is current.
    return paths::dataDir().isEmpty() ? QString() : paths::dataFile(kind.databaseName);
}

QString FileListStore::compactPath(const QString& databasePath)
{
    return joined(QFileInfo(databasePath).path(), QStringLiteral("CompactFileName.db"));
}

bool FileListStore::fail(const QString& what)
{
    error_ = what;
    return false;
}

bool FileListStore::openConnection()
{
    QSqlDatabase db = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    if (!db.open())
        return fail(sqlReason(db.lastError()));
    return true;
}

bool FileListStore::checkOrCreateTable(bool* created)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    // Reads every page of the file: a truncated or overwritten file shows here.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
        return fail(sqlReason(q.lastError()));
    if (q.value(0).toString() != QStringLiteral("ok"))
        return fail(q.value(0).toString());
    QStringList have;
    if (!q.exec(QStringLiteral("PRAGMA table_info(ファイルリスト)")))
        return fail(sqlReason(q.lastError()));
    while (q.next())
        have << q.value(1).toString();
    if (!have.isEmpty()) {
        for (const QString& c : Columns)
            if (!have.contains(c))
                return fail(QStringLiteral("表「%1」に列「%2」がありません").arg(Table, c));
        // A row is found again, deleted and numbered by its ID: one that is
        // not a whole 32-bit number would be read as another row's.
        if (!q.exec(QStringLiteral("SELECT ファイル名, ID FROM ファイルリスト WHERE typeof(ID) NOT IN ('integer', 'real') "
                                   "OR ID <> CAST(ID AS INTEGER) OR ID < -2147483648 OR ID > 2147483647 LIMIT 1")))
            return fail(sqlReason(q.lastError()));
        if (q.next())
            return fail(QStringLiteral("「%1」の行のID「%2」が整数ではありません。")
                            .arg(q.value(0).toString(), q.value(1).toString()));
        return true;
    }
    *created = true;
    const QStringList create = {
        QStringLiteral("CREATE TABLE ファイルリスト (ID INTEGER PRIMARY KEY, ファイル名 TEXT, "
                       "のし紙サイズ名 TEXT, 使用するひな型 TEXT, ディレクトリ TEXT)"),
        QStringLiteral("CREATE INDEX ファイル名順 ON ファイルリスト (ファイル名 COLLATE NOCASE, ID)")};
    for (const QString& s : create)
        if (!q.exec(s))
            return fail(sqlReason(q.lastError()));
    return true;
}

FileListStore::OpenResult FileListStore::OpenFileListStore()
{
    CloseFileListStore();
    error_.clear();
    const QFileInfo info(path_);
    const auto damaged = [&](const QString& reason) {
        CloseFileListStore();
        error_ = QStringLiteral("ファイルリストのデータベース「%1」を読めません。%2").arg(path_, reason);
        return OpenResult::Damaged;
    };
    if (path_.isEmpty()) {
        error_ = QStringLiteral("ファイルリストのデータベースを置くデータフォルダを作れません。");
        return OpenResult::Unavailable;
    }
    if (info.exists() && !info.isFile())
        return damaged(info.isDir() ? QStringLiteral("同じ名前のフォルダがあります。")
                                    : QStringLiteral("通常のファイルではありません。"));
    bool created = !info.exists();
    if (!openConnection() || !checkOrCreateTable(&created))
        return damaged(error_);
    open_ = true;
    return created ? OpenResult::Created : OpenResult::Opened;
}

FileListStore::OpenResult FileListStore::setDamagedFileAside()
{
    CloseFileListStore();
    QString aside = path_ + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged%1").arg(n);
    if (!QDir().rename(path_, aside)) {
        error_ = QStringLiteral("ファイルリストのデータベース「%1」を「%2」に移せません。").arg(path_, aside);
        return OpenResult::Damaged;
    }
    return OpenFileListStore();
}

void FileListStore::CloseFileListStore()
{
    if (QSqlDatabase::contains(connection_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
}

QList<FileListRow> FileListStore::select(const QString& sql, const QString* like)
{
    if (!open_)
        return {};
    return selectRows(QSqlDatabase::database(connection_, false), sql, like, &error_);
}

QList<FileListRow> FileListStore::OpenFileList() { return select(SelectRows + Order, nullptr); }

QList<FileListRow> FileListStore::SearchFileList(const QString& text)
{
    const QString pattern = likePattern(text);
    return select(SearchRows, &pattern);
}

QList<FileListRow> FileListStore::searchReadOnly(const QString& databasePath, const QString& text)
{
    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("filelist-search-%1").arg(++serial);
    QList<FileListRow> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        // Never creates the file, never writes to it.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!databasePath.isEmpty() && QFileInfo(databasePath).isFile() && db.open()) {
            const QString pattern = likePattern(text);
            QString error;
            rows = selectRows(db, SearchRows, &pattern, &error);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

int FileListStore::rowCount()
{
    if (!open_)
        return 0;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM ファイルリスト")) || !q.next())
        return 0;
    return q.value(0).toInt();
}

qint64 FileListStore::largestId()
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(QStringLiteral("SELECT CAST(MAX(ID) AS INTEGER) FROM ファイルリスト")) || !q.next())
        return 0;
    return q.value(0).toLongLong(); // NULL for an empty table reads as 0
}

int FileListStore::lowestFreeId()
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(QStringLiteral("SELECT CASE WHEN NOT EXISTS (SELECT 1 FROM ファイルリスト WHERE ID = 1) THEN 1 ELSE "
                               "(SELECT CAST(MIN(a.ID) AS INTEGER) + 1 FROM ファイルリスト a WHERE a.ID >= 1 AND NOT EXISTS "
                               "(SELECT 1 FROM ファイルリスト b WHERE b.ID = a.ID + 1)) END"))
        || !q.next())
        return 1;
    return int(q.value(0).toLongLong());
}

int FileListStore::NextFileListId()
{
    if (!open_)
        return 1;
    const qint64 largest = largestId();
    // Nothing follows the largest ID there is: the lowest free one instead.
    return largest < std::numeric_limits<int>::max() ? int(largest + 1) : lowestFreeId();
}

qint64 FileListStore::qualifyingCount(const QString& folder, const QStringList& names) const
{
    return std::count_if(names.begin(), names.end(),
                         [&](const QString& s) { return listedSide(folder, s, kind_.extension).has_value(); });
}

QStringList FileListStore::listedNames(const QString& folder) const
{
    QStringList names;
    if (folder.isEmpty())
        return names;
    // Only the names are kept: a file-info object for every entry (a folder
    // of 100,000 parts holds as many side files) cost far more time and
    // memory than the walk. The last three characters, as typed: "Sample.ND1"
    // is no inscription part.
    QDirIterator it(folder, {u'*' + kind_.extension}, QDir::Files | QDir::CaseSensitive);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    // As a listing by name: case-sensitive, character by character.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    return names;
}

int FileListStore::insertFolderRows(const QString& folder, const QStringList& names, int firstId)
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.prepare(QStringLiteral("INSERT INTO ファイルリスト (ID, ファイル名, のし紙サイズ名, 使用するひな型, ディレクトリ) "
                                  "VALUES (?, ?, ?, ?, ?)"))) {
        fail(sqlReason(q.lastError()));
        return -1;
    }
    // Each side file is read as its row is written: no list of all the rows
    // is held at once.
    int added = 0;
    for (const QString& s : names) {
        const QString base = s.left(s.size() - 4);
        const auto side = listedSide(folder, s, kind_.extension);
        if (!side)
            continue;
        if (injected(FileListFaults::Step::InsertRow, added)) {
            fail(QStringLiteral("書き込みに失敗しました。"));
            return -1;
        }
        q.bindValue(0, firstId > 0 ? firstId + added : lowestFreeId());
        q.bindValue(1, base);
        q.bindValue(2, side->sizeName);
        q.bindValue(3, side->templateKey);
        q.bindValue(4, folder);
        if (!q.exec()) {
            fail(sqlReason(q.lastError()));
            return -1;
        }
        ++added;
    }
    return added;
}

int FileListStore::AppendFolderRows(const QString& folder)
{
    if (!open_)
        return -1;
    const QStringList names = listedNames(folder);
    if (names.isEmpty())
        return 0;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) {
        fail(sqlReason(db.lastError()));
        return -1;
    }
    // The rows follow the largest ID, unless they would run past the largest
    // ID there is: then each takes the lowest free one. The names bound the
    // rows; only when they do not fit are the rows counted first.
    const qint64 largest = largestId();
    const auto fits = [&](qint64 rows) { return largest + rows <= std::numeric_limits<int>::max(); };
    const int firstId = fits(names.size()) || fits(qualifyingCount(folder, names)) ? int(largest + 1) : 0;
    const int added = insertFolderRows(folder, names, firstId);
    if (added == 0) { // nothing qualified: the list as it was
        db.rollback();
        return 0;
    }
    if (added < 0 || !db.commit()) {
        db.rollback();
        return -1;
    }
    return added;
}

int FileListStore::replaceWithFolder(const QString& folder)
{
    if (!open_)
        return -1;
    const QStringList names = listedNames(folder);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) {
        fail(sqlReason(db.lastError()));
        return -1;
    }
    QSqlQuery q(db);
    int added = -1;
    if (q.exec(QStringLiteral("DELETE FROM ファイルリスト")))
        added = insertFolderRows(folder, names, 1);
    else
        fail(sqlReason(q.lastError()));
    if (added < 0 || !db.commit()) {
        db.rollback();
        return -1;
    }
    return added;
}

bool FileListStore::ClearFileList()
{
    if (!open_ || rowCount() == 0)
        return open_;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    return q.exec(QStringLiteral("DELETE FROM ファイルリスト")) || fail(sqlReason(q.lastError()));
}

bool FileListStore::DeleteCurrentRow(int id)
{
    if (!open_)
        return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("DELETE FROM ファイルリスト WHERE ID = ?"));
    q.addBindValue(id);
    return q.exec() || fail(sqlReason(q.lastError()));
}

bool FileListStore::CompactDataBase()
{
    if (!open_)
        return fail(error_.isEmpty() ? QStringLiteral("データベースが開いていません。") : error_);
    // A linked database is compacted where the link points, and the copy
    // takes the old file's permissions before it replaces it.
    const QFileInfo info(path_);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path_;
    if (target.isEmpty())
        return fail(QStringLiteral("リンク先のデータベースがありません。"));
    const QString tmp = compactPath(target);
    // A copy left by an earlier run that was cut short is ours to remove.
    if (QFileInfo(tmp).isFile())
        QFile::remove(tmp);
    const auto failed = [&](const QString& why) {
        QFile::remove(tmp);
        if (!open_)
            OpenFileListStore(); // the old file, as it was
        error_ = open_ ? why : why + u'\n' + error_;
        return false;
    };
    {
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        if (injected(FileListFaults::Step::CompactCopy))
            return failed(QStringLiteral("最適化した写しを作れません。"));
        q.prepare(QStringLiteral("VACUUM INTO ?"));
        q.addBindValue(tmp);
        if (!q.exec())
            return failed(sqlReason(q.lastError()));
    }
    // The copy reaches the disk before it takes the old file's place.
    {
        struct stat old {};
        QFile f(tmp);
        if (::stat(QFile::encodeName(target).constData(), &old) != 0 || !f.open(QIODevice::ReadOnly)
            || ::fchmod(f.handle(), old.st_mode & 07777) != 0 || ::fsync(f.handle()) != 0)
            return failed(QStringLiteral("最適化した写しを保存できません。"));
    }
    CloseFileListStore();
    if (injected(FileListFaults::Step::CompactRename)
        || std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(target).constData()) != 0)
        return failed(QStringLiteral("最適化した写しで置き換えられません。"));
    OpenFileListStore();
    return open_;
}

} // namespace preview
