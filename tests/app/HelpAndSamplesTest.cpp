// What the program ships and finds again: the help pages, opened through the
// desktop from the help commands (with the file named when nothing opens
// it), and the towel and hand-towel samples that the inscription preview shows.
#include "MainTestSupport.h"

#include "app/InputWindows.h"
#include "app/WebPages.h"
#include "platform/forms/Controls.h"
#include "platform/paths/AppPaths.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/Shell.h"

#include <QAction>
#include <QFileInfo>
#include <QRegularExpression>

using namespace app;

namespace {
class ShippedFilesTest : public MainWindowTest {
protected:
    bool launcherAnswer = true;
    void SetUp() override
    {
        MainWindowTest::SetUp();
        shell::clearActions();
        shell::setLauncher([this](const shell::ShellAction&) { return launcherAnswer; });
    }
    void TearDown() override
    {
        shell::setLauncher({});
        shell::clearActions();
        MainWindowTest::TearDown();
    }
};

QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

TEST_F(ShippedFilesTest, HelpIsTheInstalledJapanesePagesOpenedInTheBrowser)
{
    NoshiMain& m = start();
    m.mnuHelpContents->trigger();
    ASSERT_EQ(shell::actions().size(), 1u);
    const shell::ShellAction& a = shell::actions()[0];
    EXPECT_EQ(a.kind, shell::ActionKind::OpenDocument);
    EXPECT_EQ(a.target, paths::shippedDir() + QStringLiteral("/help/index.html"));
    EXPECT_TRUE(ui::shownMessages().empty());

    // The contents page leads to every topic, and every page it names is there.
    const QString index = readText(a.target);
    for (const char* topic : {"のし紙サイズを登録する", "のし紙を印刷する", "印字位置を調整する", "名書きスタイル",
                              "ファイルとリスト"})
        EXPECT_TRUE(index.contains(QString::fromUtf8(topic))) << topic;
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)\""));
    int links = 0;
    for (auto it = href.globalMatch(index); it.hasNext(); ++links) {
        const QString page = it.next().captured(1);
        EXPECT_TRUE(QFileInfo::exists(shell::HelpFile(page))) << page.toStdString();
    }
    EXPECT_GE(links, 6);
}

TEST_F(ShippedFilesTest, ADesktopThatOpensNothingGetsTheFileOrAddressNamed)
{
    launcherAnswer = false;
    NoshiMain& m = start();
    m.mnuHelpContents->trigger();
    openWebPage(SupportPage);
    ASSERT_EQ(ui::shownMessages().size(), 2u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(shell::HelpFile()));
    EXPECT_TRUE(ui::shownMessages()[1].text.contains(QStringLiteral("/wp_sorabeni/?page_id=8")));
}

TEST_F(ShippedFilesTest, TheTowelSamplesAreShownInTheInscriptionPreview)
{
    NoshiMain& m = start();
    InputWindows inputs(m);
    inputs.install();
    m.Combo1->setEditText(QStringLiteral("Ａ４"));
    for (const char* omote : {"タオル", "お手拭"}) {
        forms::setText(m.Combo2, QString::fromUtf8(omote));
        EXPECT_EQ(m.RichTextBox1->text().trimmed(), QString::fromUtf8(omote)) << omote;
        EXPECT_TRUE(m.RichTextBox1->vertical());
    }
}
