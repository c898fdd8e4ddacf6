// The lists of saved inscription and name parts: one SQLite file each in the
// data folder, with the one table ファイルリスト. A row names a saved part
// and the paper its side file names, so that a list window can register and
// choose that paper before the part is opened.
//
// Every statement is prepared with bound values: a search text is always a
// search, whatever quotes or wildcards it holds. Fills and rebuilds run in
// one transaction, so a failure part-way leaves the list as it was; a
// damaged database file is reported and left alone.
#pragma once

#include <QList>
#include <QStringList>
#include <QString>
#include <functional>

namespace preview {

// What sets the two lists apart.
struct FileListKind {
    QString databaseName; // "nd1File.db", "nd2File.db"
    QString extension;    // "nd1", "nd2": the last three characters of a listed name
};
const FileListKind& OmoteFileListKind();
const FileListKind& NameFileListKind();

struct FileListRow {
    int id = 0;
    QString fileName;    // ファイル名: the part's name without folder and last four characters
    QString sizeName;    // のし紙サイズ名: line 2 of the side file
    QString templateKey; // 使用するひな型: line 1 of the side file
    QString folder;      // ディレクトリ: the folder that was scanned
    // The part's path again: folder, file name and the list's extension.
    QString partPath(const QString& extension) const;
    bool operator==(const FileListRow&) const = default;
};

// Test seam: steps where a test makes the store fail as a full disk would.
struct FileListFaults {
    enum class Step { InsertRow, CompactCopy, CompactRename };
    // Asked before each step (InsertRow once per row, with its index); true fails it.
    std::function<bool(Step, int)> fail;
};
void setFileListFaults(FileListFaults faults); // empty: no faults

class FileListStore {
public:
    enum class OpenResult { Opened, Created, Damaged, Unavailable };

    FileListStore(QString databasePath, FileListKind kind);
    ~FileListStore();
    FileListStore(const FileListStore&) = delete;
    FileListStore& operator=(const FileListStore&) = delete;

    // The database of a kind in the data folder.
    static QString defaultPath(const FileListKind& kind);
    // The compaction's temporary copy beside a database.
    static QString compactPath(const QString& databasePath);

    // Opens the file, creating the file and its table when there is none.
    // A file that is not such a database (damaged, truncated, a folder in
    // its place, a table of other columns, an ID that is not a whole 32-bit
    // number) is Damaged and left untouched;
    // without a data folder the list is Unavailable.
    OpenResult OpenFileListStore();
    bool isOpen() const { return open_; }
    // The reason of the last failure, in words for the user.
    QString error() const { return error_; }
    const QString& path() const { return path_; }
    const FileListKind& kind() const { return kind_; }

    // Moves a damaged file aside (its name plus ".damaged", numbered when
    // taken) and opens a new empty list. The old bytes are kept.
    OpenResult setDamagedFileAside();

    // The whole list, or the rows whose file name is LIKE %text% ("%" any
    // run of characters, "_" one character); ordered by file name.
    QList<FileListRow> OpenFileList();
    QList<FileListRow> SearchFileList(const QString& text);
    // The same search on a connection of its own that only reads (for a
    // thread other than the store's); a missing or unreadable file gives no rows.
    static QList<FileListRow> searchReadOnly(const QString& databasePath, const QString& text);
    int rowCount();
    // The largest ID plus one; 1 for an empty list; the lowest free ID when
    // the largest is the largest there is.
    int NextFileListId();

    // Adds a row per listed part of the folder with a readable side file
    // naming both values; all or nothing. Rows added, -1 on failure.
    int AppendFolderRows(const QString& folder);
    // Replaces every row by the folder's rows in one transaction; the row
    // count afterwards, -1 on failure (the old rows stay).
    int replaceWithFolder(const QString& folder);
    bool ClearFileList();
    bool DeleteCurrentRow(int id);

    // Copies the database compactly beside it and renames the copy over
    // it (over the file a link points to, with the old file's permissions).
    // A failure at any step keeps the old file and reopens it.
    bool CompactDataBase();

    void CloseFileListStore();

private:
    // The folder's plain files whose last three characters are the list's
    // extension, as typed, in the order of a listing by name.
    QStringList listedNames(const QString& folder) const;
    // A row for each name whose side file names both values, IDs from
    // firstId on; the rows added, -1 on failure.
    // IDs firstId, firstId + 1, ...; each the lowest free one when firstId is 0.
    int insertFolderRows(const QString& folder, const QStringList& names, int firstId);
    // The names whose side file names both values.
    qint64 qualifyingCount(const QString& folder, const QStringList& names) const;
    qint64 largestId();
    int lowestFreeId();
    QList<FileListRow> select(const QString& sql, const QString* like);
    bool fail(const QString& what);
    bool openConnection();
    bool checkOrCreateTable(bool* created);

    QString path_;
    FileListKind kind_;
    QString connection_;
    bool open_ = false;
    QString error_;
};

} // namespace preview
