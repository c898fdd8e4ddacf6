// A named pipe for tests of code that must never open one for reading: a
// reader that blocks on it is let go after a while (a writer opens the
// pipe and closes it again), so that such a fault fails the test by the
// time it took instead of hanging the whole run.
#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class PipeRelease {
public:
    static constexpr std::chrono::milliseconds After{2000};

    explicit PipeRelease(const QString& path) : path_(path.toLocal8Bit())
    {
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
        watcher_ = std::thread([this] {
            const auto start = std::chrono::steady_clock::now();
            while (!stop_) {
                if (std::chrono::steady_clock::now() - start >= After) {
                    const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) { // a reader was waiting: let it go
                        ::close(fd);
                        released_ = true;
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~PipeRelease()
    {
        stop_ = true;
        watcher_.join();
    }
    bool made() const { return made_; }
    // Whether a reader had blocked on the pipe and was let go.
    bool released() const { return released_; }

private:
    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> released_{false};
    std::thread watcher_;
};
