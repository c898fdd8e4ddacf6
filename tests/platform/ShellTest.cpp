#include "platform/services/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell::clearActions();
        shell::setLauncher([](const shell::ShellAction&) { return true; });
    }
    void TearDown() override
    {
        shell::setLauncher({});
        shell::clearActions();
    }
};

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST_F(ShellTest, LaunchesAreRecordedNotRun)
{
    EXPECT_TRUE(shell::OpenUrl("http://example.invalid/sorabeni/faq.htm"));
    EXPECT_TRUE(shell::OpenDocument("/tmp/Nhelp4.html"));
    shell::StartProgram("/bin/sh", {"-c", "true"});
    const auto& a = shell::actions();
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].kind, shell::ActionKind::OpenUrl);
    EXPECT_EQ(a[0].target, QStringLiteral("http://example.invalid/sorabeni/faq.htm"));
    EXPECT_EQ(a[1].kind, shell::ActionKind::OpenDocument);
    EXPECT_EQ(a[2].kind, shell::ActionKind::StartProgram);
    EXPECT_EQ(a[2].target, QStringLiteral("/bin/sh"));
    EXPECT_EQ(a[2].arguments, (QStringList{"-c", "true"}));

    // Names of the old platform's tools map to what this desktop has, or to nothing.
    EXPECT_EQ(QFileInfo(shell::ResolveProgram("sh")).fileName(), QStringLiteral("sh"));
    EXPECT_TRUE(shell::ResolveProgram("no-such-program-here").isEmpty());
    shell::setLauncher({});
    EXPECT_FALSE(shell::StartProgram("no-such-program-here")); // real launcher: nothing to start
}

TEST_F(ShellTest, ClipboardHoldsPlainText)
{
    shell::SetClipboardText(QStringLiteral("/home/user/のし"));
    EXPECT_EQ(shell::ClipboardText(), QStringLiteral("/home/user/のし"));
    shell::ClearClipboard();
    EXPECT_TRUE(shell::ClipboardText().isEmpty());
}

TEST_F(ShellTest, DesktopShortcutIsWrittenOrFailsLoudly)
{
    const QString desktop = shell::DesktopDir();
    ASSERT_EQ(desktop, qEnvironmentVariable("XDG_DESKTOP_DIR"));
    const QString target = QStringLiteral("/opt/のし $HOME/bin/kazaguru");
    QString error;
    ASSERT_TRUE(shell::CreateDesktopShortcut("Sorabeni Print System", target, "/opt/icon.png", &error))
        << error.toStdString();
    ASSERT_TRUE(shell::CreateDesktopShortcut("Sorabeni Print System", target, "/opt/icon.png", &error)); // twice: replaced
    const QString path = desktop + "/Sorabeni Print System.desktop";
    const QString text = readAll(path);
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("Name=Sorabeni Print System\n"));
    // Inside the Exec quotes "$" takes a backslash, which the entry's own escaping doubles.
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"/opt/のし \\\\$HOME/bin/kazaguru\"\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains("Icon=/opt/icon.png\n"));
    EXPECT_TRUE(QFileInfo(path).isExecutable());

    // No desktop folder: an error, never a reported success.
    QTemporaryDir tmp;
    const QByteArray saved = qgetenv("XDG_DESKTOP_DIR");
    qputenv("XDG_DESKTOP_DIR", (tmp.path() + "/missing").toLocal8Bit());
    error.clear();
    EXPECT_FALSE(shell::CreateDesktopShortcut("Sorabeni Print System", target, {}, &error));
    EXPECT_FALSE(error.isEmpty());
    qputenv("XDG_DESKTOP_DIR", saved);
}
