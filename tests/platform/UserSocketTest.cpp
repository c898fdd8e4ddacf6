#include "platform/services/UserSocket.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using shell::UserSocket;

namespace {

// Runs the event loop until `n` messages arrived or a second passed.
QList<QByteArray> collect(UserSocket& listener, int n)
{
    QList<QByteArray> got;
    QObject::connect(&listener, &UserSocket::received, [&](const QByteArray& m) { got << m; });
    QElapsedTimer t;
    t.start();
    while (got.size() < n && t.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return got;
}

} // namespace

TEST(UserSocket, TheFirstListensAndEachLaterOneDeliversItsMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meet"));
    UserSocket first(path);
    ASSERT_EQ(first.deliverOrListen("first\n"), UserSocket::Outcome::Listening);
    // Only the owner may connect to it.
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    UserSocket second(path), third(path);
    EXPECT_EQ(second.deliverOrListen("second\n"), UserSocket::Outcome::Delivered);
    EXPECT_EQ(third.deliverOrListen(QByteArray(1000, 'x')), UserSocket::Outcome::Delivered);
    QList<QByteArray> got = collect(first, 2);
    std::sort(got.begin(), got.end());
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], QByteArray("second\n"));
    EXPECT_EQ(got[1], QByteArray(256, 'x')); // cut at the limit
}

TEST(UserSocket, EndingRemovesOnlyItsOwnSocketFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meet"));
    {
        UserSocket gone(path);
        ASSERT_EQ(gone.deliverOrListen("x\n"), UserSocket::Outcome::Listening);
    }
    EXPECT_FALSE(QFileInfo::exists(path));

    auto old = std::make_unique<UserSocket>(path);
    ASSERT_EQ(old->deliverOrListen("x\n"), UserSocket::Outcome::Listening);
    QFile::remove(path); // someone cleared the folder; a new start takes the name
    UserSocket next(path);
    ASSERT_EQ(next.deliverOrListen("x\n"), UserSocket::Outcome::Listening);
    old.reset();
    EXPECT_TRUE(QFileInfo::exists(path));
    UserSocket later(path);
    EXPECT_EQ(later.deliverOrListen("x\n"), UserSocket::Outcome::Delivered);
}

TEST(UserSocket, APathTooLongForASocketRunsAlone)
{
    UserSocket s(QStringLiteral("/tmp/") + QString(200, u'a'));
    EXPECT_EQ(s.deliverOrListen("x\n"), UserSocket::Outcome::Alone);
}
