// One running program per user: the first start listens on a socket named
// per user; a later start finds it, asks it to come to the front and ends.
#pragma once

#include <QObject>
#include <QString>

namespace shell {
class UserSocket;
}

namespace app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True: this is the only instance and now listens. False: another
    // instance runs and has been asked to come to the front.
    bool tryBecomePrimary();

    static QString defaultName();

signals:
    // Another start asked this instance to bring its window to the front.
    void activateRequested();

private:
    QString name_;
    shell::UserSocket* socket_ = nullptr;
};

} // namespace app
