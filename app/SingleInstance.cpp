#include "app/SingleInstance.h"

#include "platform/services/UserSocket.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace app {

namespace {
const QByteArray ActivateRequest = "activate\n";
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName()
{
    // The user's runtime folder belongs to the user alone, so nobody else can
    // put a socket of this name there first; without it the temporary
    // folder serves, with the user's id in the name.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(QStringLiteral("sorabeni-print-system"));
    return QStringLiteral("sorabeni-print-system-%1").arg(::getuid());
}

bool SingleInstance::tryBecomePrimary()
{
    delete socket_;
    socket_ = new shell::UserSocket(name_, this);
    switch (socket_->deliverOrListen(ActivateRequest)) {
    case shell::UserSocket::Outcome::Delivered:
        return false;
    case shell::UserSocket::Outcome::Listening:
        connect(socket_, &shell::UserSocket::received, this, [this](const QByteArray& m) {
            if (m.contains("activate"))
                emit activateRequested();
        });
        return true;
    case shell::UserSocket::Outcome::Alone:
        break;
    }
    return true; // run alone without the guard rather than not at all
}

} // namespace app
