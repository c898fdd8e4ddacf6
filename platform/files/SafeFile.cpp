#include "platform/files/SafeFile.h"
#include "platform/files/SafeFileFaults.h"
#include "platform/run/RunState.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

// Creates a new temporary file beside `target`; -1 with *err on failure.
int createTemporary(const QString& target, QString* tempPath, int* err)
{
    if (const int e = injected(faults::Step::Create)) {
        *err = e;
        return -1;
    }
    const QFileInfo info(target);
    const QString stem = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".tmp-");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = stem + QString::number(QRandomGenerator::global()->generate64(), 36);
        // 0666 less the umask, as any new file of the user's.
        const int fd = ::open(nativePath(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
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

    QString temp;
    int err = 0;
    const int fd = createTemporary(target, &temp, &err);
    if (fd < 0)
        return fail(reason, reasonForErrno(err));
    const QByteArray tempNative = nativePath(temp);
    const auto abandon = [&](int e, bool open) {
        if (open)
            closeFd(fd);
        ::unlink(tempNative.constData());
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
