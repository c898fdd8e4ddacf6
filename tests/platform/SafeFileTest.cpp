#include "common/SmallDisk.h"
#include "platform/files/SafeFile.h"
#include "platform/files/SafeFileFaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
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
