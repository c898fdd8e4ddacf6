// A session that ends sends the program SIGTERM. The signal handler only
// writes one byte into a pipe; the event loop picks it up and reports it as
// an ordinary Qt signal, so that the windows can close as they would by hand.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace shell {

class TermSignal : public QObject {
    Q_OBJECT
public:
    explicit TermSignal(QObject* parent = nullptr);
    // Restores the handler that was in force before.
    ~TermSignal() override;

    bool isInstalled() const { return notifier_ != nullptr; }

signals:
    void terminateRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace shell
