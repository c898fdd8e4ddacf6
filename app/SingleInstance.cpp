#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
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
    // put a socket of this name there first; without it Qt's temporary
    // folder serves, with the user's id in the name.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(QStringLiteral("sorabeni-print-system"));
    return QStringLiteral("sorabeni-print-system-%1").arg(::getuid());
}

bool SingleInstance::tryBecomePrimary()
{
    {
        QLocalSocket probe;
        probe.connectToServer(name_);
        if (probe.waitForConnected(500)) {
            probe.write(ActivateRequest);
            probe.waitForBytesWritten(1000);
            probe.disconnectFromServer();
            return false;
        }
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Nobody answered, so the name is a leftover of a program that ended
        // without cleaning up: take it over.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_))
            return true; // run alone without the guard rather than not at all
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* c = server_->nextPendingConnection()) {
            connect(c, &QLocalSocket::readyRead, this, [this, c] {
                if (c->readAll().contains("activate"))
                    emit activateRequested();
                c->deleteLater();
            });
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace app
