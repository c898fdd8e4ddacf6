#include "platform/services/TermSignal.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace shell {

namespace {

int wakeFds[2] = {-1, -1};
struct sigaction previous {};

extern "C" void onTerm(int)
{
    // Only async-signal-safe calls here.
    const char b = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[0], &b, 1);
}

} // namespace

TermSignal::TermSignal(QObject* parent) : QObject(parent)
{
    if (wakeFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0)
        return; // one watcher per process
    ::fcntl(wakeFds[0], F_SETFL, O_NONBLOCK);
    struct sigaction sa {};
    sa.sa_handler = onTerm;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &sa, &previous) != 0) {
        ::close(wakeFds[0]);
        ::close(wakeFds[1]);
        wakeFds[0] = wakeFds[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buf[16];
        [[maybe_unused]] const ssize_t n = ::read(wakeFds[1], buf, sizeof buf);
        emit terminateRequested();
    });
}

TermSignal::~TermSignal()
{
    if (!notifier_)
        return;
    ::sigaction(SIGTERM, &previous, nullptr);
    delete notifier_;
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

} // namespace shell
