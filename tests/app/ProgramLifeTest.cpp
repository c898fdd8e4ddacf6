// The program's life: the last window closing ends the event loop, a second
// start brings the front window forward without bringing back a closed main
// window, a session end saves as the close box does, a damaged settings file
// is reported, and Qt's own texts are Japanese.
#include "MainTestSupport.h"

#include "app/ProgramLife.h"
#include "app/SingleInstance.h"
#include "platform/forms/Form.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Translations.h"

#include <QApplication>
#include <QRadioButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QFileInfo>
#include <QTimer>
#include <QUuid>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace app;

namespace {

// Runs the application's event loop with a watchdog: the exit code, or -1
// when the loop did not end within the time.
int runLoop(int ms = 3000)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    watchdog.start(ms);
    return QCoreApplication::exec();
}

void settle()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

QString uniqueName()
{
    return QStringLiteral("noshi-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

TEST_F(MainWindowTest, TheLastWindowToCloseEndsTheProgramWhicheverItIs)
{
    NoshiMain& m = start();
    ProgramLife life(m, nullptr);
    m.show();
    // A window the main window does not close (as the guide): left open.
    auto* guide = new forms::Form;
    guide->show();
    life.arm();

    bool stillRunning = false;
    QTimer::singleShot(0, [&] { m.close(); });
    QTimer::singleShot(50, [&] {
        stillRunning = true; // the loop survived the main window's closing
        guide->unload();
    });
    EXPECT_EQ(runLoop(), 0);
    EXPECT_TRUE(stillRunning);
    EXPECT_TRUE(m.isClosed());
    EXPECT_EQ(ini(QStringLiteral("Font")), QStringLiteral("ＭＳ 明朝")); // saved at the close
}

TEST_F(MainWindowTest, ASecondStartBringsTheFrontWindowAndNeverAClosedMainWindow)
{
    NoshiMain& m = start();
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.tryBecomePrimary());
    ProgramLife life(m, &first);
    m.show();
    auto* editor = new forms::Form;
    editor->show();
    settle();
    m.close();
    settle();
    ASSERT_TRUE(m.isClosed());
    editor->showMinimized();
    settle();

    SingleInstance second(name);
    EXPECT_FALSE(second.tryBecomePrimary());
    QElapsedTimer t;
    t.start();
    while (editor->isMinimized() && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(editor->isMinimized()); // restored and brought forward
    EXPECT_FALSE(m.isVisible());         // the closed main window stays closed
    editor->unload();
    settle();
}

TEST_F(MainWindowTest, ASessionEndSavesTheSettingsAndTheDataFileAndEnds)
{
    store().addSize([] {
        RegisteredSize z;
        z.RegSizeTemplate = {QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４判　　　　")};
        z.RegSizeName = {QStringLiteral("Ａ４"), QStringLiteral("Ａ４"), QStringLiteral("Ａ４")};
        return z;
    }());
    NoshiMain& m = start();
    ProgramLife life(m, nullptr);
    m.show();
    life.arm();
    m.Option3->setChecked(true); // 小さめ: NFontSize 3
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    EXPECT_EQ(runLoop(), 0);
    EXPECT_TRUE(m.isClosed());
    EXPECT_EQ(ini(QStringLiteral("NFontSize")), QStringLiteral("3"));
    EXPECT_TRUE(QFileInfo::exists(dataFilePath()));
}

TEST_F(MainWindowTest, ADamagedSettingsFileIsReportedAtStartUp)
{
    QDir().mkpath(QFileInfo(settings::storePath()).path());
    QFile f(settings::storePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Settings]\nFont=IPAGothic\ngarbage without equals\n");
    f.close();
    settings::reload();
    NoshiMain& m = start();
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(settings::storePath()));
    EXPECT_EQ(m.Combo4->currentText(), QStringLiteral("IPAGothic")); // what could be read stays
}

TEST(SingleInstance, TheSocketLivesInTheUsersRuntimeFolderAndAStaleOneIsTakenOver)
{
    QTemporaryDir runtime;
    const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString name = SingleInstance::defaultName();
    EXPECT_EQ(name, runtime.path() + QStringLiteral("/sorabeni-print-system"));

    // A crashed run leaves its socket file behind with nobody listening.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = name.toLocal8Bit();
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(name));

    {
        SingleInstance next(name);
        EXPECT_TRUE(next.tryBecomePrimary());
        SingleInstance third(name);
        EXPECT_FALSE(third.tryBecomePrimary()); // the new one answers
    }
    qputenv("XDG_RUNTIME_DIR", old);
}

TEST(Translations, QtsOwnTextsAreJapanese)
{
    ASSERT_TRUE(ui::installJapaneseTranslations());
    const struct {
        const char* context;
        const char* source;
        const char* japanese;
    } cases[] = {
        {"QPlatformTheme", "&Yes", "はい(&Y)"},
        {"QPlatformTheme", "&No", "いいえ(&N)"},
        {"QPlatformTheme", "Cancel", "キャンセル"},
        {"QFileDialog", "File &name:", "ファイル名(&N):"},
        {"QColorDialog", "Select Color", "色を選択"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source), QString::fromUtf8(c.japanese)) << c.source;
}

// The open dialog on a folder holding a folder and a file: its type column
// names the folder in Japanese, and every detail column shows its texts whole.
TEST(Translations, TheFileDialogIsJapaneseAndItsColumnsWhole)
{
    ASSERT_TRUE(ui::installJapaneseTranslations());
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("保存先")));
    QFile file(dir.filePath(QStringLiteral("御祝.nd1")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(93000, 'x'));
    file.close();

    QStringList types;
    bool whole = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->resize(640, 400);
        QTreeView* view = d->findChild<QTreeView*>();
        ASSERT_NE(view, nullptr);
        QElapsedTimer t;
        t.start();
        while (view->model()->rowCount(view->rootIndex()) < 2 && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::processEvents();
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            types << view->model()->index(row, 2, view->rootIndex()).data().toString();
        whole = true;
        for (int column = 1; column < 4; ++column) {
            // The widest text of the column, its header's included.
            int needed = view->header()->fontMetrics().horizontalAdvance(
                view->model()->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                needed = std::max(needed, view->fontMetrics().horizontalAdvance(
                                              view->model()->index(row, column, view->rootIndex()).data().toString()));
            EXPECT_GE(view->columnWidth(column), needed) << column;
            whole = whole && view->columnWidth(column) >= needed;
        }
        d->reject();
    });
    EXPECT_FALSE(ui::GetOpenFileName(QStringLiteral("開く"), dir.path(), QStringLiteral("すべて (*.*)|*.*"), 1));
    EXPECT_TRUE(types.contains(QStringLiteral("フォルダ"))) << types.join(u',').toStdString();
    EXPECT_TRUE(whole);
}
