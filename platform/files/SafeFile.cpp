#include "platform/files/SafeFile.h"
#include "platform/files/SafeFileFaults.h"
#include "platform/run/RunState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

struct HookSlot {
    faults::Hook hook;
};

faults::Hook& hook() { return run::slot<HookSlot>().hook; }

// 0 when the step may run, else the errno value a test injects.
int injected(faults::Step step)
{
    return hook() ? hook()(step) : 0;
}

bool fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a save replaces: the target of a symbolic link (so the link
// stays a link), else the path itself.
QString resolvedTarget(const QString& path)
{
    QString p = path;
    for (int hops = 0; hops < 32; ++hops) {
        const QFileInfo info(p);
        if (!info.isSymLink())
            return p;
        p = info.symLinkTarget();
    }
    return p;
}

// close() is not retried after EINTR on Linux: the descriptor is gone.
int closeFd(int fd)
{
    return ::close(fd);
}

QString readReason(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR: return QStringLiteral("ファイルがありません。");
    case EACCES:
    case EPERM: return QStringLiteral("読む権限がありません。");
    case EIO: return QStringLiteral("ディスクの読み書きに失敗しました。");
    default: return QString::fromLocal8Bit(std::strerror(err)) + QStringLiteral("。");
    }
}

bool writeAll(int fd, const QByteArray& bytes, int* err)
{
    constexpr qsizetype Block = qsizetype(1) << 20;
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    do {
        if (const int e = injected(faults::Step::Write)) {
            *err = e;
            return false;
        }
        if (left == 0)
            break;
        const ssize_t n = ::write(fd, p, size_t(std::min(left, Block)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *err = errno;
            return false;
        }
        if (n == 0) {
            *err = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    } while (left > 0);
    return true;
}

// The temporary files of a target are named ".<name>.tmp-<pid>-<random>":
// the writer's process id tells a leftover of a dead writer from the file
// of a live one.
QString temporaryPrefix(const QFileInfo& target)
{
    return QStringLiteral(".") + target.fileName() + QStringLiteral(".tmp-");
}

// The writer's process id from what follows the prefix, or 0 when the rest
// is not "<pid>-<random>" (another file, which is never touched).
pid_t writerOf(QStringView rest)
{
    const qsizetype dash = rest.indexOf(u'-');
    if (dash <= 0 || dash > 10 || dash + 1 == rest.size())
        return 0;
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const auto base36 = [&](QChar c) { return digit(c) || (c >= u'a' && c <= u'z'); };
    const QStringView pid = rest.left(dash), random = rest.mid(dash + 1);
    // Decimal digits, a dash, then base-36 digits in lower case.
    if (!std::all_of(pid.begin(), pid.end(), digit) || !std::all_of(random.begin(), random.end(), base36))
        return 0;
    const qlonglong n = pid.toLongLong();
    return n > 0 && n <= std::numeric_limits<pid_t>::max() ? pid_t(n) : 0;
}

bool processRuns(pid_t pid)
{
    // EPERM: it runs, as another user.
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// Removes the temporary files that writers of `target` left when they were
// killed or lost their power mid-save. A leftover goes only when its writer
// no longer runs and nobody holds its lock: a writer keeps its temporary
// file locked from creation until after the rename, so a live one, even in
// another pid namespace or on another machine sharing the folder, keeps
// its file. Anything in doubt stays.
void removeLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QString prefix = temporaryPrefix(info);
    const QDir dir(info.absolutePath());
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (!name.startsWith(prefix))
            continue;
        const pid_t pid = writerOf(QStringView(name).mid(prefix.size()));
        if (pid == 0 || processRuns(pid))
            continue;
        const QByteArray path = nativePath(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        struct stat named {};
        // Still the file of that name, a regular one, and nobody writing it.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
            ::unlink(path.constData());
        ::close(fd);
    }
}

// Creates a new temporary file beside `target`, locked for as long as the
// descriptor (or a duplicate of it) stays open; -1 with *err on failure.
int createTemporary(const QString& target, QString* tempPath, int* err)
{
    if (const int e = injected(faults::Step::Create)) {
        *err = e;
        return -1;
    }
    const QFileInfo info(target);
    const QString stem = info.absolutePath() + u'/' + temporaryPrefix(info) + QString::number(::getpid()) + u'-';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = stem + QString::number(QRandomGenerator::global()->generate64(), 36);
        // 0666 less the umask, as any new file of the user's.
        const int fd = ::open(nativePath(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // A file system without locks still saves; the process id then
            // alone marks the file as in use.
            ::flock(fd, LOCK_EX | LOCK_NB);
            *tempPath = candidate;
            return fd;
        }
        if (errno != EEXIST && errno != EINTR) {
            *err = errno;
            return -1;
        }
    }
    *err = EEXIST;
    return -1;
}

void syncFolder(const QString& folder)
{
    // Makes the rename itself durable; the new file is in place already, so
    // a failure here is not a failed save.
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace faults {
void setHook(Hook h) { hook() = std::move(h); }
} // namespace faults

QString reasonForErrno(int err)
{
    switch (err) {
    case ENOSPC: return QStringLiteral("ディスクの空き容量が足りません。");
    case EDQUOT: return QStringLiteral("ディスクの使用量の上限を超えています。");
    case EACCES:
    case EPERM: return QStringLiteral("書き込む権限がありません。");
    case EROFS: return QStringLiteral("読み取り専用の場所です。");
    case ENOENT: return QStringLiteral("フォルダがありません。");
    case EIO: return QStringLiteral("ディスクの読み書きに失敗しました。");
    case EFBIG: return QStringLiteral("ファイルが大きすぎます。");
    default: return QString::fromLocal8Bit(std::strerror(err)) + QStringLiteral("。");
    }
}

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* reason)
{
    if (path.isEmpty())
        return fail(reason, QStringLiteral("ファイル名がありません。"));
    const QString target = resolvedTarget(path);

    struct stat old {};
    const bool exists = ::stat(nativePath(target).constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(reason, QStringLiteral("通常のファイルではないため上書きできません。"));

    removeLeftovers(target);
    QString temp;
    int err = 0;
    const int fd = createTemporary(target, &temp, &err);
    if (fd < 0)
        return fail(reason, reasonForErrno(err));
    // Holds the lock past the close until the rename is done.
    const int lockFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    const auto unlock = [lockFd] {
        if (lockFd >= 0)
            ::close(lockFd);
    };
    const QByteArray tempNative = nativePath(temp);
    const auto abandon = [&](int e, bool open) {
        if (open)
            closeFd(fd);
        ::unlink(tempNative.constData());
        unlock();
        return fail(reason, reasonForErrno(e));
    };

    // The replacement keeps the old file's permissions.
    if (exists)
        ::fchmod(fd, old.st_mode & 07777);
    if (!writeAll(fd, bytes, &err))
        return abandon(err, true);
    if ((err = injected(faults::Step::Sync)) != 0 || (::fsync(fd) != 0 && (err = errno) != 0))
        return abandon(err, true);
    if ((err = injected(faults::Step::Close)) != 0)
        return abandon(err, true);
    if (closeFd(fd) != 0)
        return abandon(errno, false);
    if ((err = injected(faults::Step::Rename)) != 0
        || (::rename(tempNative.constData(), nativePath(target).constData()) != 0 && (err = errno) != 0))
        return abandon(err, false);
    unlock();
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}

namespace {

// Opens without blocking (a pipe with no writer would wait forever) and
// checks the kind and size; the descriptor or -1 with the reason.
int openChecked(const QString& path, qint64 maxBytes, qint64* size, ReadResult* res)
{
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int e = errno;
        res->status = (e == ENOENT || e == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Refused;
        res->reason = readReason(e);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        res->status = ReadStatus::Refused;
        res->reason = QStringLiteral("通常のファイルではありません。");
        return -1;
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        res->status = ReadStatus::Refused;
        res->reason = QStringLiteral("ファイルが大きすぎます（%1 バイトまで）。").arg(maxBytes);
        return -1;
    }
    *size = st.st_size;
    return fd;
}

} // namespace

bool isReadableRegularFile(const QString& path, qint64 maxBytes, QString* reason)
{
    ReadResult res;
    qint64 size = 0;
    const int fd = openChecked(path, maxBytes, &size, &res);
    if (fd < 0)
        return fail(reason, res.reason);
    ::close(fd);
    return true;
}

ReadResult readRegularFile(const QString& path, qint64 maxBytes)
{
    ReadResult res;
    qint64 size = 0;
    const int fd = openChecked(path, maxBytes, &size, &res);
    if (fd < 0)
        return res;
    // Reads to the end, whatever size the file had a moment ago, but never
    // past the limit: a file that grows while read is refused.
    QByteArray bytes;
    bytes.resize(qsizetype(size));
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got >= maxBytes + 1)
                break;
            bytes.resize(qsizetype(std::min<qint64>(maxBytes + 1, std::max<qint64>(got * 2, got + 4096))));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            ::close(fd);
            res.status = ReadStatus::Refused;
            res.reason = readReason(e);
            return res;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    if (got > maxBytes) {
        res.status = ReadStatus::Refused;
        res.reason = QStringLiteral("ファイルが大きすぎます（%1 バイトまで）。").arg(maxBytes);
        return res;
    }
    bytes.resize(qsizetype(got));
    res.status = ReadStatus::Ok;
    res.bytes = std::move(bytes);
    return res;
}

MappedFile::~MappedFile()
{
    ::munmap(const_cast<char*>(data_), size_t(size_));
}

std::unique_ptr<MappedFile> mapRegularFile(const QString& path, qint64 maxBytes, QString* reason)
{
    ReadResult res;
    qint64 size = 0;
    const int fd = openChecked(path, maxBytes, &size, &res);
    if (fd < 0) {
        fail(reason, res.reason);
        return nullptr;
    }
    if (size == 0) {
        ::close(fd);
        fail(reason, QStringLiteral("ファイルが空です。"));
        return nullptr;
    }
    void* at = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, fd, 0);
    const int e = errno;
    ::close(fd); // the mapping keeps the file
    if (at == MAP_FAILED) {
        fail(reason, readReason(e));
        return nullptr;
    }
    return std::make_unique<MappedFile>(static_cast<const char*>(at), size);
}

} // namespace files
