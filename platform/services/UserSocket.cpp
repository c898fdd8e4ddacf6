#include "platform/services/UserSocket.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <functional>

namespace shell {

namespace {

constexpr qsizetype MaxMessage = 256;

bool addressOf(const QByteArray& path, sockaddr_un* addr)
{
    *addr = {};
    addr->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof addr->sun_path)
        return false;
    std::memcpy(addr->sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Only this user's processes may talk to each other here.
bool peerIsThisUser(int fd)
{
    ucred cred{};
    socklen_t len = sizeof cred;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == ::getuid();
}

enum class Probe { Delivered, NobodyListens, Foreign };

Probe deliver(const sockaddr_un& addr, const QByteArray& message)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Probe::Foreign;
    int rc = -1;
    // A listener whose queue is full is busy, not gone: give it half a second.
    for (int tries = 0; tries < 50; ++tries) {
        rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
        if (rc == 0 || errno != EAGAIN)
            break;
        ::usleep(10'000);
    }
    if (rc != 0) {
        const bool busy = errno == EAGAIN;
        ::close(fd);
        return busy ? Probe::Foreign : Probe::NobodyListens;
    }
    if (!peerIsThisUser(fd)) {
        ::close(fd);
        return Probe::Foreign;
    }
    qsizetype sent = 0;
    for (int tries = 0; sent < message.size() && tries < 50; ++tries) {
        const ssize_t n = ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        pollfd p{fd, POLLOUT, 0};
        ::poll(&p, 1, 10);
    }
    ::close(fd);
    return Probe::Delivered;
}

// One connected process: reads its message up to a newline, the end of the
// stream or the size limit, then hands it on once.
class Incoming : public QObject {
public:
    Incoming(int fd, UserSocket* owner, std::function<void(const QByteArray&)> done)
        : QObject(owner), fd_(fd), done_(std::move(done))
    {
        auto* n = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(n, &QSocketNotifier::activated, this, [this, n] {
            char buf[MaxMessage];
            const ssize_t got = ::read(fd_, buf, sizeof buf);
            if (got < 0 && (errno == EAGAIN || errno == EINTR))
                return;
            if (got > 0)
                data_.append(buf, qsizetype(got));
            if (got > 0 && !data_.contains('\n') && data_.size() < MaxMessage)
                return;
            n->setEnabled(false);
            done_(data_.left(MaxMessage));
            deleteLater();
        });
    }
    ~Incoming() override { ::close(fd_); }

private:
    int fd_;
    QByteArray data_;
    std::function<void(const QByteArray&)> done_;
};

} // namespace

UserSocket::UserSocket(const QString& path, QObject* parent)
    : QObject(parent), path_(path.contains(u'/') ? path : QDir(QDir::tempPath()).filePath(path))
{
}

UserSocket::~UserSocket()
{
    if (listenFd_ < 0)
        return;
    delete notifier_;
    ::close(listenFd_);
    // A later process may have taken the name over: remove only our own file.
    struct stat st {};
    const QByteArray file = QFile::encodeName(path_);
    if (::lstat(file.constData(), &st) == 0 && quint64(st.st_dev) == fileDev_ && quint64(st.st_ino) == fileIno_)
        ::unlink(file.constData());
}

UserSocket::Outcome UserSocket::deliverOrListen(const QByteArray& message)
{
    const QByteArray file = QFile::encodeName(path_);
    sockaddr_un addr;
    if (!addressOf(file, &addr))
        return Outcome::Alone;

    // Two starts at once must not both take a leftover file over: the probe
    // and the taking over happen under a lock beside the socket.
    const int lockFd = ::open((file + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd >= 0)
        ::flock(lockFd, LOCK_EX);
    struct Unlock {
        int fd;
        ~Unlock()
        {
            if (fd >= 0)
                ::close(fd); // closing releases the lock
        }
    } unlock{lockFd};

    switch (deliver(addr, message)) {
    case Probe::Delivered:
        return Outcome::Delivered;
    case Probe::Foreign:
        return Outcome::Alone;
    case Probe::NobodyListens:
        break;
    }

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Outcome::Alone;
    // Nobody answered, so a file there is a leftover of a process that ended.
    ::unlink(file.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        return Outcome::Alone;
    }
    ::chmod(file.constData(), 0600);
    struct stat st {};
    if (::lstat(file.constData(), &st) == 0) {
        fileDev_ = quint64(st.st_dev);
        fileIno_ = quint64(st.st_ino);
    }
    listenFd_ = fd;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UserSocket::acceptPending);
    return Outcome::Listening;
}

void UserSocket::acceptPending()
{
    for (;;) {
        const int c = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (c < 0)
            return;
        if (!peerIsThisUser(c)) {
            ::close(c);
            continue;
        }
        new Incoming(c, this, [this](const QByteArray& m) { emit received(m); });
    }
}

} // namespace shell
