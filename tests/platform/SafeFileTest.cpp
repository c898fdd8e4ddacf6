#include "common/SmallDisk.h"
#include "platform/files/SafeFile.h"
#include "platform/files/SafeFileFaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using files::faults::Step;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Names in the folder other than the ones expected: leftover temporary files.
QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Fails the given step (every time it comes) with the given errno.
struct InjectFault {
    InjectFault(Step step, int err)
    {
        files::faults::setHook([step, err](Step s) { return s == step ? err : 0; });
    }
    ~InjectFault() { files::faults::setHook({}); }
};

const char* stepName(Step s)
{
    switch (s) {
    case Step::Create: return "create";
    case Step::Write: return "write";
    case Step::Sync: return "sync";
    case Step::Close: return "close";
    case Step::Rename: return "rename";
    }
    return "?";
}

} // namespace

TEST(SafeFile, FailureAtAnyStepKeepsOldFileAndReportsWhy)
{
    struct Case {
        Step step;
        int err;
        QString reason;
    } const cases[] = {
        {Step::Create, EACCES, QStringLiteral("書き込む権限がありません。")},
        {Step::Write, ENOSPC, QStringLiteral("ディスクの空き容量が足りません。")},
        {Step::Write, EDQUOT, QStringLiteral("ディスクの使用量の上限を超えています。")},
        {Step::Sync, EIO, QStringLiteral("ディスクの読み書きに失敗しました。")},
        {Step::Close, ENOSPC, QStringLiteral("ディスクの空き容量が足りません。")},
        {Step::Rename, EROFS, QStringLiteral("読み取り専用の場所です。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(stepName(c.step));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.log"));
        put(path, "old contents\r\n");
        QString reason;
        {
            InjectFault fault(c.step, c.err);
            EXPECT_FALSE(files::writeFileSafely(path, QByteArray(300000, 'n'), &reason));
        }
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(contents(path), "old contents\r\n");
        EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("data.log")}) << "temporary file left behind";
    }
}

TEST(SafeFile, FailureBeforeAnyFileExistedLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.ini"));
    InjectFault fault(Step::Sync, EIO);
    EXPECT_FALSE(files::writeFileSafely(path, "a=1\n"));
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}

TEST(SafeFile, ReplacesWholeKeepingLinkAndPermissions)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.rtf"));
    const QString link = dir.filePath(QStringLiteral("link.rtf"));
    put(real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(real, link));

    QString reason;
    ASSERT_TRUE(files::writeFileSafely(link, "new and longer", &reason)) << reason.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(real), "new and longer");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(dir.path()), (QStringList{QStringLiteral("link.rtf"), QStringLiteral("real.rtf")}));

    // An empty file is a valid save too.
    ASSERT_TRUE(files::writeFileSafely(real, QByteArray()));
    EXPECT_EQ(QFileInfo(real).size(), 0);
}

TEST(SafeFile, RefusesToReplaceWhatIsNotARegularFile)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString reason;
    EXPECT_FALSE(files::writeFileSafely(fifo, "x", &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_FALSE(files::writeFileSafely(dir.path(), "x"));
    EXPECT_FALSE(files::writeFileSafely(dir.filePath(QStringLiteral("no/such/folder")), "x"));
}

TEST(SafeFile, RealFullDiskKeepsOldFile)
{
    SmallDisk disk(64);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString path = disk.path() + QStringLiteral("/NoshiData4.log");
    const QByteArray old(5000, 'o');
    put(path, old);
    disk.fill();
    QString reason;
    EXPECT_FALSE(files::writeFileSafely(path, QByteArray(20000, 'n'), &reason));
    EXPECT_EQ(reason, QStringLiteral("ディスクの空き容量が足りません。"));
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(entries(disk.path()), (QStringList{QStringLiteral("NoshiData4.log"), QStringLiteral("filler")}));
}

TEST(SafeFile, ReaderTakesOnlyRegularFilesWithinTheLimit)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ten"));
    put(file, "0123456789");
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("zero"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));

    struct Case {
        QString path;
        qint64 limit;
        files::ReadStatus status;
    } const cases[] = {
        {file, 10, files::ReadStatus::Ok},
        {file, 9, files::ReadStatus::Refused},
        {fifo, 1 << 20, files::ReadStatus::Refused}, // would block in open() forever
        {zero, 1 << 20, files::ReadStatus::Refused}, // would never end
        {dir.path(), 1 << 20, files::ReadStatus::Refused},
        {dir.filePath(QStringLiteral("absent")), 1 << 20, files::ReadStatus::Missing},
    };
    QElapsedTimer t;
    t.start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const files::ReadResult r = files::readRegularFile(c.path, c.limit);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.reason.isEmpty(), r.ok());
        EXPECT_EQ(files::isReadableRegularFile(c.path, c.limit), c.status == files::ReadStatus::Ok);
        QString why;
        const auto mapped = files::mapRegularFile(c.path, c.limit, &why);
        EXPECT_EQ(mapped != nullptr, c.status == files::ReadStatus::Ok);
        EXPECT_EQ(why.isEmpty(), mapped != nullptr);
        if (c.status == files::ReadStatus::Ok) {
            EXPECT_EQ(r.bytes, "0123456789");
            ASSERT_TRUE(mapped);
            EXPECT_EQ(mapped->bytes(), "0123456789");
        }
    }
    // An empty file reads as nothing but cannot be mapped: no font, no crash.
    const QString empty = dir.filePath(QStringLiteral("empty"));
    put(empty, "");
    EXPECT_TRUE(files::readRegularFile(empty, 10).ok());
    QString why;
    EXPECT_EQ(files::mapRegularFile(empty, 10, &why), nullptr);
    EXPECT_FALSE(why.isEmpty());
    EXPECT_LT(t.elapsed(), 1000);
}

namespace {

// The id of a process that has just ended.
pid_t deadPid()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

} // namespace

// A save removes the temporary files of its own target that earlier writers
// left when they were killed mid-save, and only those: a file whose writer
// still runs, a file someone holds locked (a writer in another pid
// namespace or on another machine), and every other file stay.
TEST(SafeFile, ASaveRemovesLeftoversOfDeadWritersOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.log"));
    put(path, "old");
    const QString dead = QString::number(deadPid());
    const QString self = QString::number(::getpid());
    struct Case {
        QString name;
        bool removed;
    } const cases[] = {
        {".data.log.tmp-" + dead + "-k3j9x", true},
        {".data.log.tmp-" + dead + "-0", true},
        {".data.log.tmp-" + self + "-k3j9x", false},     // its writer runs
        {".data.log.tmp-" + dead + "-locked", false},    // held by a writer elsewhere
        {".data.log.tmp-k3j9x", false},                  // no writer named
        {".data.log.tmp-" + dead + "-K3J9X", false},     // not a name a save gives
        {".data.log.tmp-" + dead + "-k3j.bak", false},
        {".data.log.tmp--" + dead + "-k3j", false},
        {".data.log.tmp-0-k3j", false},
        {".other.log.tmp-" + dead + "-k3j9x", false},    // another file's
        {"data.log.tmp-" + dead + "-k3j9x", false},
        {".data.log.tmp-" + dead + "-folder", false},    // a folder
        {".data.log.tmp-" + dead + "-link", false},      // a link, and what it points to
        {"linked", false},
    };
    for (const Case& c : cases) {
        if (c.name.endsWith("-folder"))
            ASSERT_TRUE(QDir(dir.path()).mkdir(c.name));
        else if (c.name.endsWith("-link"))
            ASSERT_TRUE(QFile::link(dir.filePath("linked"), dir.filePath(c.name)));
        else
            put(dir.filePath(c.name), "partial");
    }
    QFile locked(dir.filePath(".data.log.tmp-" + dead + "-locked"));
    ASSERT_TRUE(locked.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(locked.handle(), LOCK_EX | LOCK_NB), 0);

    QString reason;
    ASSERT_TRUE(files::writeFileSafely(path, "new and whole", &reason)) << reason.toStdString();
    EXPECT_EQ(contents(path), "new and whole");
    QStringList kept{QStringLiteral("data.log")};
    for (const Case& c : cases) {
        EXPECT_EQ(QFileInfo(dir.filePath(c.name)).exists() || QFileInfo(dir.filePath(c.name)).isSymLink(), !c.removed)
            << c.name.toStdString();
        if (!c.removed)
            kept << c.name;
    }
    kept.sort();
    EXPECT_EQ(entries(dir.path()), kept) << "no new temporary file either";

    // Once its holder lets go, the next save takes that one too.
    locked.close();
    ASSERT_TRUE(files::writeFileSafely(path, "again"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(".data.log.tmp-" + dead + "-locked")));
}

// While a save is under way its temporary file carries the writer's process
// id and is locked, up to the rename: a cleaner anywhere leaves it alone.
TEST(SafeFile, ATemporaryFileIsMarkedAsInUseUntilItIsRenamed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.rtf"));
    const QString prefix = QStringLiteral(".label.rtf.tmp-%1-").arg(::getpid());
    int checked = 0;
    files::faults::setHook([&](Step s) {
        if (s != Step::Rename && s != Step::Sync)
            return 0;
        const QStringList names = entries(dir.path());
        EXPECT_EQ(names.size(), 1);
        if (names.size() != 1)
            return 0;
        EXPECT_TRUE(names[0].startsWith(prefix)) << names[0].toStdString();
        QFile f(dir.filePath(names[0]));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(::flock(f.handle(), LOCK_EX | LOCK_NB), -1) << "not locked before " << (s == Step::Sync ? "sync" : "rename");
        EXPECT_EQ(errno, EWOULDBLOCK);
        ++checked;
        return 0;
    });
    const bool saved = files::writeFileSafely(path, "{\\rtf1 }");
    files::faults::setHook({});
    EXPECT_TRUE(saved);
    EXPECT_EQ(checked, 2);
    // And the lock went with the save: the file is free.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(::flock(f.handle(), LOCK_EX | LOCK_NB), 0);
}
