// The panel's picture named by a pipe: neither the start-up nor the picture
// menu waits for a writer, and the panel keeps its picture.
#include "MainTestSupport.h"
#include "app/InfoPanel.h"
#include "common/PipeRelease.h"
#include "platform/services/Dialogs.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QTemporaryDir>
#include <csignal>

namespace {

constexpr qint64 Quick = 1000; // ms: far below PipeRelease::After

} // namespace

TEST(ProgramStart, APictureSettingNamingAPipeDoesNotHoldUpTheStart)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QDir root(home.path());
    for (const char* sub : {"config/Sorabeni", "data", "runtime", "home"})
        ASSERT_TRUE(root.mkpath(sub));
    QFile::setPermissions(root.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString pipe = root.filePath("panel.jpg");
    PipeRelease release(pipe); // an old start would wait here for a writer
    ASSERT_TRUE(release.made());
    {
        QFile ini(root.filePath("config/Sorabeni/Sorabeni Print System.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\nPictureFile=" + pipe.toUtf8() + "\n");
    }
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", root.filePath("home"));
    env.insert("XDG_CONFIG_HOME", root.filePath("config"));
    env.insert("XDG_DATA_HOME", root.filePath("data"));
    env.insert("XDG_RUNTIME_DIR", root.filePath("runtime"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(NOSHI_PROGRAM), QStringList());
    ASSERT_TRUE(program.waitForStarted(10000));
    // Its single-instance socket shows that it runs; its window follows
    // within moments, and an ended session then closes it.
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(root.filePath("runtime/sorabeni-print-system")) && t.elapsed() < 20000)
        QThread::msleep(20);
    QThread::msleep(1500);
    ::kill(pid_t(program.processId()), SIGTERM);
    const bool ended = program.waitForFinished(PipeRelease::After.count() / 2);
    if (!ended) {
        program.kill();
        program.waitForFinished(5000);
    }
    EXPECT_TRUE(ended) << "the program was still starting";
    EXPECT_FALSE(release.released()) << "the program opened the pipe and waited for a writer";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(MainWindowTest, APipeAsThePanelPictureIsRefusedAtOnceAndThePanelKeepsItsPicture)
{
    QTemporaryDir tmp;
    const QString pipe = tmp.filePath(QStringLiteral("panel.jpg"));
    PipeRelease release(pipe);
    ASSERT_TRUE(release.made());

    // At start-up, from the setting.
    preset(QStringLiteral("PictureFile"), pipe);
    settings::reload();
    QElapsedTimer t;
    t.start();
    app::NoshiMain& m = start();
    EXPECT_LT(t.elapsed(), Quick);
    EXPECT_TRUE(m.Picture1->hasBuiltinPicture());
    EXPECT_EQ(m.PictureFile, pipe);

    // From the menu "画像の差し替え(&O)", after a real picture.
    const QString png = tmp.filePath(QStringLiteral("p.png"));
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(png));
    QString answer = png;
    ui::setDialogAnswerer([&](const ui::DialogRequest&) { return ui::DialogAnswer{true, answer, {}, 0}; });
    m.mnuPLoad->trigger();
    ASSERT_FALSE(m.Picture1->hasBuiltinPicture());
    const QImage shown = m.Picture1->grab().toImage();
    answer = pipe;
    ui::clearShownMessages();
    t.restart();
    m.mnuPLoad->trigger();
    EXPECT_LT(t.elapsed(), Quick);
    ui::setDialogAnswerer({});
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("読み込めない形式のﾌｧｲﾙです。"));
    EXPECT_FALSE(m.Picture1->hasBuiltinPicture());
    m.DrawInfoPanel();
    EXPECT_EQ(m.Picture1->grab().toImage(), shown) << "the red picture stays";
    EXPECT_FALSE(release.released());
}
