// The saved-file list store on real database files in a temporary folder.
#include "lists/ListSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <sys/stat.h>

using preview::FileListFaults;
using preview::FileListRow;
using preview::FileListStore;

namespace {

// The table's column names as the file holds them, through a connection of the test's own.
QStringList columnsOf(const QString& dbPath)
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(dbPath);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA table_info(ファイルリスト)"));
            while (q.next())
                names << q.value(1).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return names;
}

// Runs statements on a database through a connection of the test's own.
void execOn(const QString& dbPath, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("exec"));
        db.setDatabaseName(dbPath);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& st : statements)
            EXPECT_TRUE(q.exec(st)) << st.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("exec"));
}

int modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

} // namespace

class FileListStoreTest : public ListTest {};

TEST_F(FileListStoreTest, AMissingDatabaseIsCreatedWithItsTable)
{
    const QString path = tmp.filePath("nd1File.db");
    {
        FileListStore s(path, preview::OmoteFileListKind());
        EXPECT_EQ(s.OpenFileListStore(), FileListStore::OpenResult::Created);
        EXPECT_TRUE(s.OpenFileList().isEmpty());
        EXPECT_EQ(s.NextFileListId(), 1);
    }
    EXPECT_EQ(columnsOf(path), QStringList({"ID", "ファイル名", "のし紙サイズ名", "使用するひな型", "ディレクトリ"}));
    FileListStore again(path, preview::OmoteFileListKind());
    EXPECT_EQ(again.OpenFileListStore(), FileListStore::OpenResult::Opened);
    // Without a data folder there is no list, and no file anywhere else.
    FileListStore nowhere(QString(), preview::OmoteFileListKind());
    EXPECT_EQ(nowhere.OpenFileListStore(), FileListStore::OpenResult::Unavailable);
    EXPECT_FALSE(nowhere.isOpen());
}

TEST_F(FileListStoreTest, AFolderGivesARowPerPartWithAReadableSideFile)
{
    const QString dir = folder("parts");
    part(dir, "贈答.nd1", sideBytes(LargeKey, "大のし"));
    part(dir, "NoSide.nd1", std::nullopt);
    // UTF-16 with its byte-order mark is no code page 932 text.
    part(dir, "Utf16.nd1", QByteArray::fromHex("fffe") + QByteArray("k\0e\0y\0\r\0\n\0", 10));
    part(dir, "Utf8.nd1", QStringLiteral("萌黄（祝大）　\r\n大のし\r\n").toUtf8());
    part(dir, "Sample.ND1", sideBytes(LargeKey, "大のし"));          // the extension as typed only
    part(dir, "Memond1", sideBytes(LargeKey, "小のし"), "Mem.ndb"); // no dot: Mem's side file
    part(dir, "EmptySize.nd1", sideBytes(LargeKey, ""));
    part(dir, "Comma.nd1", sjis("萌黄（祝大）　\r\n大のし,幅広\r\n")); // a field ends at the comma
    part(dir, "name.nd2", sideBytes(LargeKey, "大のし"));           // the other list's part
    QDir(dir).mkdir("sub.nd1");                                      // a folder is no part

    FileListStore s(tmp.filePath("nd1File.db"), preview::OmoteFileListKind());
    ASSERT_EQ(s.OpenFileListStore(), FileListStore::OpenResult::Created);
    EXPECT_EQ(s.replaceWithFolder(dir), 3);
    // IDs in the folder's name order; the list in file-name order.
    const QList<FileListRow> want = {{1, "Comma", "大のし", LargeKey, dir},
                                     {2, "Mem", "小のし", LargeKey, dir},
                                     {3, "贈答", "大のし", LargeKey, dir}};
    EXPECT_EQ(s.OpenFileList(), want);
    EXPECT_EQ(want[2].partPath("nd1"), dir + "/贈答.nd1");

    // A rebuild replaces the rows and numbers them from 1 again; an add
    // takes the same parts a second time under new IDs.
    EXPECT_EQ(s.replaceWithFolder(dir), 3);
    EXPECT_EQ(s.OpenFileList(), want);
    EXPECT_EQ(s.AppendFolderRows(dir), 3);
    QList<int> ids;
    for (const FileListRow& r : s.OpenFileList())
        ids << r.id;
    EXPECT_EQ(ids, QList<int>({1, 4, 2, 5, 3, 6}));
}

TEST_F(FileListStoreTest, AFillTakesThePlainFilesOfAListingByName)
{
    const QString dir = folder("walk");
    for (const char* n : {"b.nd1", "B.nd1", "a.nd1", ".hidden.nd1"})
        part(dir, n, sideBytes(LargeKey, "大のし"));
    // Links: to a part (taken), to nothing and to a folder (not taken).
    for (const char* side : {"link.ndb", "broken.ndb", "dirlink.ndb"})
        writeFileBytes(dir + '/' + side, sideBytes(LargeKey, "大のし"));
    ASSERT_TRUE(QFile::link(dir + "/a.nd1", dir + "/link.nd1"));
    ASSERT_TRUE(QFile::link(dir + "/gone.nd1", dir + "/broken.nd1"));
    ASSERT_TRUE(QFile::link(tmp.path(), dir + "/dirlink.nd1"));

    FileListStore s(tmp.filePath("nd1File.db"), preview::OmoteFileListKind());
    ASSERT_NE(s.OpenFileListStore(), FileListStore::OpenResult::Damaged);
    EXPECT_EQ(s.replaceWithFolder(dir), 4);
    // IDs in the listing's order, which compares case by case ("B" before
    // "a"); the list folds ASCII case and keeps equal names in ID order.
    const QList<FileListRow> want = {{2, "a", "大のし", LargeKey, dir},
                                     {1, "B", "大のし", LargeKey, dir},
                                     {3, "b", "大のし", LargeKey, dir},
                                     {4, "link", "大のし", LargeKey, dir}};
    EXPECT_EQ(s.OpenFileList(), want);
}

TEST_F(FileListStoreTest, AFailurePartWayThroughAFillKeepsTheOldList)
{
    const QString a = folder("a"), b = folder("b");
    for (const char* n : {"一.nd1", "二.nd1"})
        part(a, n, sideBytes(LargeKey, "大のし"));
    for (const char* n : {"三.nd1", "四.nd1", "五.nd1"})
        part(b, n, sideBytes(LargeKey, "大のし"));
    FileListStore s(tmp.filePath("nd1File.db"), preview::OmoteFileListKind());
    ASSERT_NE(s.OpenFileListStore(), FileListStore::OpenResult::Damaged);
    ASSERT_EQ(s.replaceWithFolder(a), 2);
    const QList<FileListRow> before = s.OpenFileList();

    preview::setFileListFaults({[](FileListFaults::Step step, int i) {
        return step == FileListFaults::Step::InsertRow && i == 2;
    }});
    EXPECT_EQ(s.replaceWithFolder(b), -1);
    EXPECT_EQ(s.AppendFolderRows(b), -1);
    EXPECT_FALSE(s.error().isEmpty());
    preview::setFileListFaults({});
    EXPECT_EQ(s.OpenFileList(), before);
    s.CloseFileListStore();
    FileListStore reread(tmp.filePath("nd1File.db"), preview::OmoteFileListKind());
    ASSERT_EQ(reread.OpenFileListStore(), FileListStore::OpenResult::Opened);
    EXPECT_EQ(reread.OpenFileList(), before);
}

TEST_F(FileListStoreTest, SearchesAreLikeTextsNeverStatements)
{
    FileListStore& s = listOf({"O'Neil", "say\"hi", "山田太郎様", "山本", "abc", "ABD", "axc", "ac", "50%off",
                               "％全角"});
    struct Case {
        QString text;
        QStringList names;
    };
    const QStringList all = {"50%off", "abc", "ABD", "ac", "axc", "O'Neil", "say\"hi", "山本", "山田太郎様", "％全角"};
    const Case cases[] = {
        {"", all},
        {"%", all},
        {"_", all},
        {"a_c", {"abc", "axc"}},       // "_" is one character, never none
        {"ab", {"abc", "ABD"}},        // ASCII letters in either case
        {"0%o", {"50%off"}},           // "%" any run, here "" too
        {"O'Neil", {"O'Neil"}},
        {"\"", {"say\"hi"}},
        {"'; DELETE FROM ファイルリスト; --", {}},
        {"山田", {"山田太郎様"}},
        {"％", {"％全角"}},            // the full-width sign is a character like any other
        {"ＡＢ", {}},                  // full-width letters do not match ASCII ones
    };
    for (const Case& c : cases) {
        QStringList got;
        for (const FileListRow& r : s.SearchFileList(c.text))
            got << r.fileName;
        EXPECT_EQ(got, c.names) << c.text.toStdString();
    }
    EXPECT_EQ(s.rowCount(), 10);
}

TEST_F(FileListStoreTest, TheListIsInFileNameOrder)
{
    FileListStore& s = listOf({"b", "A", "a2", "10", "2", "ア", "あ"});
    QStringList got;
    for (const FileListRow& r : s.OpenFileList())
        got << r.fileName;
    // Digits before letters; "A" and "a" alike; hiragana before katakana.
    EXPECT_EQ(got, QStringList({"10", "2", "A", "a2", "b", "あ", "ア"}));
}

TEST_F(FileListStoreTest, IdsFollowTheLargestRow)
{
    FileListStore& s = listOf({"x", "y", "z"}); // IDs 1, 2, 3 in name order
    EXPECT_EQ(s.NextFileListId(), 4);
    ASSERT_TRUE(s.DeleteCurrentRow(1));
    ASSERT_TRUE(s.DeleteCurrentRow(2));
    EXPECT_EQ(s.NextFileListId(), 4);
    ASSERT_TRUE(s.DeleteCurrentRow(3));
    EXPECT_EQ(s.NextFileListId(), 1);
    EXPECT_TRUE(s.ClearFileList()); // an empty list: nothing to run
}

TEST_F(FileListStoreTest, ANewRowNeverTakesAnIdInUse)
{
    FileListStore& s = listOf({"x", "y", "z"}); // IDs 1, 2, 3
    execOn(s.path(), {QStringLiteral("UPDATE ファイルリスト SET ID = 2147483647 WHERE ID = 2")});
    // Nothing follows the largest ID there is: the lowest free one is next.
    EXPECT_EQ(s.NextFileListId(), 2);
    const QString dir = folder("more");
    part(dir, "p.nd1", sideBytes(LargeKey, "大のし"));
    part(dir, "q.nd1", sideBytes(LargeKey, "大のし"));
    ASSERT_EQ(s.AppendFolderRows(dir), 2) << s.error().toStdString();
    QList<int> ids;
    for (const FileListRow& r : s.OpenFileList())
        ids << r.id;
    EXPECT_EQ(ids, QList<int>({2, 4, 1, 2147483647, 3})); // p, q, x, y, z
}

TEST_F(FileListStoreTest, AnIdThatIsNoWholeThirtyTwoBitNumberMarksTheListDamaged)
{
    // A table made elsewhere, its columns without types: any value fits.
    int n = 0;
    for (const char* id : {"'七'", "1.5", "99999999999", "NULL", "2.0"}) {
        SCOPED_TRACE(id);
        const QString path = tmp.filePath(QStringLiteral("foreign%1.db").arg(n++));
        execOn(path, {QStringLiteral("CREATE TABLE ファイルリスト (ID, ファイル名, のし紙サイズ名, 使用するひな型, ディレクトリ)"),
                      QStringLiteral("INSERT INTO ファイルリスト VALUES (1, '贈答', '大のし', '萌黄（祝大）　', '/tmp')"),
                      QStringLiteral("INSERT INTO ファイルリスト VALUES (%1, '壊れ', '大のし', '萌黄（祝大）　', '/tmp')")
                          .arg(QLatin1String(id))});
        const QByteArray before = fileBytes(path);
        FileListStore s(path, preview::OmoteFileListKind());
        if (QByteArray(id) == "2.0") { // a whole number, stored as a real
            ASSERT_EQ(s.OpenFileListStore(), FileListStore::OpenResult::Opened);
            EXPECT_EQ(s.OpenFileList().value(0).id, 2); // 壊れ sorts before 贈答
            EXPECT_EQ(s.NextFileListId(), 3);
            continue;
        }
        EXPECT_EQ(s.OpenFileListStore(), FileListStore::OpenResult::Damaged);
        EXPECT_TRUE(s.error().contains(QStringLiteral("「壊れ」の行"))) << s.error().toStdString();
        s.CloseFileListStore();
        EXPECT_EQ(fileBytes(path), before);
    }
}

TEST_F(FileListStoreTest, CompactionKeepsEveryRow)
{
    FileListStore& s = listOf({"一", "二", "三", "四"});
    ASSERT_TRUE(s.DeleteCurrentRow(2));
    const QList<FileListRow> before = s.OpenFileList();
    // A copy left behind by a run that was cut short does not stop it.
    writeFileBytes(FileListStore::compactPath(s.path()), "left over");
    EXPECT_TRUE(s.CompactDataBase()) << s.error().toStdString();
    EXPECT_TRUE(s.isOpen());
    EXPECT_EQ(s.OpenFileList(), before);
    EXPECT_FALSE(QFile::exists(FileListStore::compactPath(s.path())));
}

TEST_F(FileListStoreTest, CompactionKeepsTheFilesLinkAndPermissions)
{
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "linked" : "plain");
        const QString real = listOf({"一", "二", "三"}).path();
        stores.back()->CloseFileListStore();
        ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0600), 0);
        const QString path = linked ? folder("linked") + QStringLiteral("/nd1File.db") : real;
        if (linked) {
            ASSERT_TRUE(QFile::link(real, path));
        }
        {
            FileListStore s(path, preview::OmoteFileListKind());
            ASSERT_EQ(s.OpenFileListStore(), FileListStore::OpenResult::Opened);
            ASSERT_TRUE(s.DeleteCurrentRow(2));
            ASSERT_TRUE(s.CompactDataBase()) << s.error().toStdString();
        }
        EXPECT_EQ(QFileInfo(path).isSymLink(), linked);
        EXPECT_EQ(modeOf(real), 0600);
        FileListStore target(real, preview::OmoteFileListKind());
        ASSERT_EQ(target.OpenFileListStore(), FileListStore::OpenResult::Opened);
        EXPECT_EQ(target.rowCount(), 2);
    }
}

TEST_F(FileListStoreTest, AFailedCompactionLosesNothing)
{
    for (const auto step : {FileListFaults::Step::CompactCopy, FileListFaults::Step::CompactRename}) {
        FileListStore& s = listOf({"一", "二", "三"});
        const QList<FileListRow> before = s.OpenFileList();
        preview::setFileListFaults({[step](FileListFaults::Step at, int) { return at == step; }});
        EXPECT_FALSE(s.CompactDataBase());
        preview::setFileListFaults({});
        EXPECT_TRUE(s.isOpen()); // the old file opened again
        EXPECT_EQ(s.OpenFileList(), before);
        EXPECT_FALSE(QFile::exists(FileListStore::compactPath(s.path())));
        EXPECT_EQ(s.AppendFolderRows(folder("empty")), 0);
    }
}

TEST_F(FileListStoreTest, ADamagedDatabaseIsReportedAndLeftAlone)
{
    // A list of three rows, then cut in half: its table pages are gone.
    const QString validPath = listOf({"一", "二", "三"}).path();
    stores.clear();
    const QByteArray valid = fileBytes(validPath);
    ASSERT_GT(valid.size(), 4096);

    struct Case {
        const char* what;
        QByteArray bytes; // empty: a folder of that name
    };
    const Case cases[] = {
        {"random bytes", QByteArray(8192, '\x5a') + QByteArray::fromHex("00ff13")},
        {"truncated", valid.left(valid.size() / 2)},
        {"a folder", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = tmp.filePath(QStringLiteral("damaged-%1.db").arg(c.what));
        if (c.bytes.isEmpty())
            ASSERT_TRUE(QDir(tmp.path()).mkdir(QFileInfo(path).fileName()));
        else
            writeFileBytes(path, c.bytes);
        FileListStore s(path, preview::OmoteFileListKind());
        EXPECT_EQ(s.OpenFileListStore(), FileListStore::OpenResult::Damaged);
        EXPECT_TRUE(s.error().contains(path)) << s.error().toStdString();
        EXPECT_TRUE(s.OpenFileList().isEmpty());
        EXPECT_EQ(s.AppendFolderRows(tmp.path()), -1);
        EXPECT_FALSE(s.CompactDataBase());
        s.CloseFileListStore();
        if (c.bytes.isEmpty()) {
            EXPECT_TRUE(QFileInfo(path).isDir());
        } else {
            EXPECT_EQ(fileBytes(path), c.bytes);
        }

        // Set aside on request: the old bytes kept under another name.
        EXPECT_EQ(s.setDamagedFileAside(), FileListStore::OpenResult::Created);
        if (!c.bytes.isEmpty()) {
            EXPECT_EQ(fileBytes(path + ".damaged"), c.bytes);
        }
        EXPECT_TRUE(s.OpenFileList().isEmpty());
    }
}
