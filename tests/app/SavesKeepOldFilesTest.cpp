// Every writer of the program saves whole or not at all: a failure anywhere
// in a save (here a failed sync, and a real full disk) keeps the old file
// and is reported, never taken for success.
#include "model/DataFile.h"
#include "common/SmallDisk.h"
#include "platform/files/SafeFileFaults.h"
#include "platform/paths/AppPaths.h"
#include "platform/print/LpOptions.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/Shell.h"
#include "platform/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sys/stat.h>

using files::faults::Step;
using namespace app;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

struct Writer {
    const char* name;
    std::function<QString(const QString& folder)> path;
    QByteArray old;
    // Saves something new to the path; the message when it failed, empty on success.
    std::function<QString(const QString& path)> save;
};

LiveStore storeWithSizes(int n)
{
    LiveStore s;
    for (int i = 0; i < n; ++i) {
        RegisteredSize z;
        for (int st = 0; st < NameStyleCount; ++st) {
            z.RegSizeTemplate[size_t(st)] = QStringLiteral("Ａ４判　　　　");
            z.RegSizeName[size_t(st)] = QStringLiteral("登録サイズ%1").arg(i);
        }
        s.addSize(z);
    }
    return s;
}

const QByteArray OldRtf = "{\\rtf1\\ansi old label\\par}";
const QByteArray OldIni = "[Settings]\nFontName=old\n";

std::vector<Writer> writers()
{
    return {
        {"data file", [](const QString& d) { return d + QStringLiteral("/NoshiData4.log"); }, "old data\r\n",
         [](const QString& p) {
             LiveStore s = storeWithSizes(40);
             const DataFileResult r = WriteDataFile(s, p);
             return r.ok ? QString() : r.problem;
         }},
        {"label file", [](const QString& d) { return d + QStringLiteral("/label.rtf"); }, OldRtf,
         [](const QString& p) {
             rt::RichTextBox box;
             box.setSelText(QString(3000, QChar(0x5BFF)));
             QString error;
             return box.saveFile(p, &error) ? QString() : error;
         }},
        {"settings", [](const QString&) { return settings::storePath(); }, OldIni,
         [](const QString&) {
             settings::reload();
             QString error;
             return settings::SaveSetting(QStringLiteral("FontName"), QString(20000, u'n'), settings::Section, &error)
                        ? QString()
                        : error;
         }},
        {"printer defaults", [](const QString&) { return prn::userLpOptionsPath(); }, "Dest old PageSize=A4\n",
         [](const QString&) {
             QString error;
             return prn::setUserDefaultPaper(QStringLiteral("office"), QStringLiteral("B5"), &error) ? QString() : error;
         }},
        {"desktop shortcut", [](const QString&) { return shell::DesktopDir() + QStringLiteral("/のし.desktop"); },
         "[Desktop Entry]\nName=old\n",
         [](const QString&) {
             QString error;
             return shell::CreateDesktopShortcut(QStringLiteral("のし"), QStringLiteral("/usr/bin/true"), {}, &error)
                        ? QString()
                        : error;
         }},
    };
}

} // namespace

TEST(SavesKeepOldFiles, FailedSyncIsAFailedSaveWithTheOldFileKept)
{
    QTemporaryDir dir;
    files::faults::setHook([](Step s) { return s == Step::Sync ? EIO : 0; });
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.name);
        const QString path = w.path(dir.path());
        put(path, w.old);
        const QString message = w.save(path);
        EXPECT_TRUE(message.contains(QStringLiteral("ディスクの読み書きに失敗しました。"))) << message.toStdString();
        EXPECT_EQ(contents(path), w.old);
        QFile::remove(path);
    }
    files::faults::setHook({});
    settings::reload();
    // Without the fault each writer saves.
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.name);
        const QString path = w.path(dir.path());
        put(path, w.old);
        EXPECT_EQ(w.save(path), QString());
        EXPECT_NE(contents(path), w.old);
        QFile::remove(path);
    }
    settings::reload();
}

TEST(SavesKeepOldFiles, RealFullDiskKeepsDataSettingsAndLabel)
{
    SmallDisk disk(64);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(disk.path() + QStringLiteral("/config")));
    settings::reload();
    std::vector<Writer> onDisk;
    for (const Writer& w : writers())
        if (QByteArray(w.name) != "printer defaults" && QByteArray(w.name) != "desktop shortcut")
            onDisk.push_back(w);
    for (const Writer& w : onDisk)
        put(w.path(disk.path()), w.old);
    disk.fill();
    for (const Writer& w : onDisk) {
        SCOPED_TRACE(w.name);
        const QString path = w.path(disk.path());
        const QString message = w.save(path);
        EXPECT_TRUE(message.contains(QStringLiteral("ディスクの空き容量が足りません。"))) << message.toStdString();
        EXPECT_EQ(contents(path), w.old);
    }
    qputenv("XDG_CONFIG_HOME", configHome);
    settings::reload();
}

TEST(ReadersRefuseWhatIsNotAFile, PipesAndDevicesGiveAMessageAtOnce)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("NoshiData4.log"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("label.rtf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));

    for (const QString& path : {fifo, zero}) {
        SCOPED_TRACE(path.toStdString());
        LiveStore s;
        const DataFileResult data = ReadDataFile(s, path);
        EXPECT_FALSE(data.ok);
        EXPECT_TRUE(data.problem.contains(QStringLiteral("通常のファイルではありません"))) << data.problem.toStdString();
        rt::RichTextBox box;
        box.setSelText(QStringLiteral("kept"));
        QString error;
        EXPECT_FALSE(box.loadFile(path, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("通常のファイルではありません"))) << error.toStdString();
    }
}

TEST(ReadersRefuseWhatIsNotAFile, OversizedRtfIsRefusedBeforeReading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.rtf"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(600) * 1024 * 1024)); // sparse: takes no disk space
    }
    rt::RichTextBox box;
    QString error;
    EXPECT_FALSE(box.loadFile(path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("大きすぎます"))) << error.toStdString();
}
