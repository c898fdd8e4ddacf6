// A meeting point for the processes of one user on a Unix-domain socket:
// the first to arrive listens there, later ones hand it a short message.
// Plain sockets and the event loop's notifiers, so that nothing beyond
// Qt Core is loaded for it at start-up.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace shell {

class UserSocket : public QObject {
    Q_OBJECT
public:
    // `path` is a socket file; a bare name lies in the temporary folder.
    explicit UserSocket(const QString& path, QObject* parent = nullptr);
    // Stops listening and removes the socket file if it is still this one's.
    ~UserSocket() override;

    enum class Outcome {
        Delivered, // another process of this user listens and has the message
        Listening, // nobody listened: this one listens now
        Alone,     // neither (a foreign socket, a path too long): go on unguarded
    };
    // Hands `message` to the process listening at the path, or, when there is
    // none (no file, or one left by a process that ended), listens there.
    Outcome deliverOrListen(const QByteArray& message);

    QString path() const { return path_; }

signals:
    // A message another process handed over (at most 256 bytes).
    void received(const QByteArray& message);

private:
    void acceptPending();

    QString path_;
    int listenFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    quint64 fileDev_ = 0, fileIno_ = 0; // the socket file this one made
};

} // namespace shell
