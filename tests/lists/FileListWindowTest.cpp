// The two list windows with the main window, the dispatcher and the editor
// wired as at start-up; databases and saved parts in temporary folders.
#include "preview/PreviewSupport.h"

#include "common/RealBoxes.h"
#include "lists/ListSupport.h"
#include "preview/lists/FileListWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QElapsedTimer>
#include <deque>

using preview::FileListWindow;
using preview::frmNoshiPreView;
using preview::frmDatabase1;
using preview::frmDatabase2;

namespace {

const QString Question = QStringLiteral("Information|のし紙サイズ名「贈答大」は登録されていません。のし紙サイズ名に登録しますか？　　　");
const QString Registered = QStringLiteral(
    "Information|のし紙サイズ名「贈答大」の登録が完了しました。「詳細設定」「のし紙サイズの登録状況」をご確認ください。　　　");
const QString NotFound = QStringLiteral("入力事項の確認|選択されたのし紙サイズが見つかりません。");
const QString CompactFailed = QStringLiteral("Caution|データベースの最適化に失敗しました。");

QStringList namesOf(const FileListWindow& win)
{
    QStringList out;
    for (const preview::FileListRow& r : win.rows())
        out << r.fileName;
    return out;
}

} // namespace

class FileListWindowTest : public PreviewTest {
protected:
    QTemporaryDir lists; // the databases
    QTemporaryDir disk;  // the user's folders of saved parts

    void SetUp() override
    {
        PreviewTest::SetUp();
        preview::installFileLists(w.get(), lists.path());
        w->refreshCommandAvailability();
    }
    QString folder(const QString& name)
    {
        QDir(disk.path()).mkpath(name);
        return disk.filePath(name);
    }
    // Runs `inside` in the list window the next modal command shows, once
    // it is active; the window is closed afterwards if `inside` left it open.
    void whileShown(std::function<void(FileListWindow&)> inside)
    {
        QTimer::singleShot(0, w.get(), [this, inside] {
            FileListWindow* win = nullptr;
            for (FileListWindow* c : w->findChildren<FileListWindow*>())
                if (!c->isUnloaded() && c->isVisible())
                    win = c;
            ASSERT_NE(win, nullptr);
            win->Form_Activate();
            inside(*win);
            if (!win->isUnloaded())
                win->unload();
        });
    }
    // The user's steps in the list window the next command shows modal, each
    // taken once that window is the active one (after its activation has
    // run, also on every return to it). The last step must close it.
    using Step = std::function<void(FileListWindow&)>;
    void walk(std::vector<Step> steps)
    {
        auto left = std::make_shared<std::deque<Step>>(steps.begin(), steps.end());
        auto waited = std::make_shared<QElapsedTimer>();
        waited->start();
        auto* poll = new QTimer(w.get());
        QObject::connect(poll, &QTimer::timeout, w.get(), [poll, left, waited] {
            auto* win = qobject_cast<FileListWindow*>(QApplication::activeModalWidget());
            if (!win || win->isUnloaded() || !win->isActiveWindow()) {
                if (waited->elapsed() > 5000) {
                    ADD_FAILURE() << "the list window is not active; " << left->size() << " steps left";
                    poll->stop();
                    poll->deleteLater();
                    if (win)
                        win->unload();
                }
                return;
            }
            const Step step = left->front();
            left->pop_front();
            if (left->empty()) {
                poll->stop();
                poll->deleteLater();
            }
            waited->restart();
            step(*win);
        });
        poll->start(5);
    }
    // A window of its own over `db`, loaded and activated; an unload
    // deletes it later, the test's end at once.
    template <typename W>
    W* window(const QString& db)
    {
        auto* win = new W(lists.filePath(db));
        own.emplace_back(win);
        win->Form_Load();
        win->Form_Activate();
        return win;
    }
    void TearDown() override
    {
        for (const QPointer<FileListWindow>& win : own)
            delete win.data();
        PreviewTest::TearDown();
    }
    std::vector<QPointer<FileListWindow>> own;
};

TEST_F(FileListWindowTest, OkOnAnUnregisteredPaperOpensThePartInTheEditor)
{
    // A page saved on a paper this installation has not registered.
    frmNoshiPreView& p = openLargeNoshi(false);
    p.RichTextBox1->setSelStart(0);
    p.RichTextBox1->setSelText(QStringLiteral("特選"));
    const QString saved = p.RichTextBox1->text();
    ASSERT_TRUE(saved.startsWith("特選"));
    const QString parts = folder("parts"), path = parts + "/gift.nd1";
    app::store().CurSizeName = QStringLiteral("贈答大");
    answerDialogs(path);
    ASSERT_TRUE(p.saveOmotePart());
    app::store().CurSizeName = QStringLiteral("大のし");
    app::store().FileParth = parts;

    ASSERT_TRUE(w->mnuFileList1->isEnabled());
    ui::clearShownMessages();
    answers({ui::Answer::Yes});
    whileShown([](FileListWindow& win) {
        EXPECT_EQ(win.windowTitle(), "表書き　ファイルリスト");
        EXPECT_EQ(namesOf(win), QStringList{"gift"}); // the empty list filled itself from the save folder
        EXPECT_EQ(win.Label2->text(), "追加件数　1件");
        win.Command1_Click();
        EXPECT_TRUE(win.isUnloaded());
    });
    w->mnuFileList1_Click();

    EXPECT_EQ(messages(), QStringList({Question, Registered}));
    app::LiveStore& st = app::store();
    ASSERT_EQ(st.RegSizeCount(), 2);
    // The template's own size, zero offsets, the name in every style.
    EXPECT_EQ(st.size(1), app::RegisteredSize::make(LargeKey, QStringLiteral("贈答大"), 390, 180));
    EXPECT_EQ(w->Combo1->findText("贈答大"), 1);
    EXPECT_EQ(w->Combo1->currentText(), "贈答大");
    EXPECT_TRUE(fileBytes(dataDir.filePath("NoshiData4.log")).contains(sjis("贈答大")));
    EXPECT_EQ(p.mailbox().inscriptionFile(), path);
    EXPECT_EQ(p.mailbox().fileSizeName(), "贈答大");
    EXPECT_EQ(p.mailbox().fileTemplateKey(), LargeKey);
    EXPECT_EQ(st.PendingOpen, 1);

    // The main window lays the page out on the new paper; the editor then
    // loads the part over it and empties its fields.
    ui::clearShownMessages();
    answers({});
    w->Form_Activate();
    EXPECT_EQ(st.PendingOpen, 0);
    EXPECT_EQ(p.mailbox().sizeName(), "贈答大");
    p.Form_Activate();
    EXPECT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    EXPECT_EQ(p.RichTextBox1->text(), saved); // the laid-out page alone has no 特選
    EXPECT_TRUE(p.mailbox().inscriptionFile().isEmpty());
    EXPECT_TRUE(p.mailbox().fileSizeName().isEmpty());
}

TEST_F(FileListWindowTest, ThePreviewsFileMenuOpensTheListsAndLoadsTheChoice)
{
    frmNoshiPreView& p = openLargeNoshi(false);
    EXPECT_TRUE(p.mnuFileLoad1->isEnabled());
    EXPECT_TRUE(p.mnuList->isEnabled());
    const QString parts = folder("parts"), path = parts + "/山田太郎様.nd2";
    const QString saved = p.RichTextBox2->text();
    answerDialogs(path);
    ASSERT_TRUE(p.saveNamePart());
    p.RichTextBox2->setText(QStringLiteral("書き換え"));
    app::store().FileParth = parts;

    whileShown([](FileListWindow& win) {
        EXPECT_EQ(win.windowTitle(), "名書き　ファイルリスト");
        EXPECT_EQ(namesOf(win), QStringList{"山田太郎様"});
        win.Command1_Click();
    });
    p.mnuList_Click();
    EXPECT_EQ(app::store().PendingOpen, 0); // the editor's own menu hands nothing to the main window
    EXPECT_EQ(p.mailbox().nameFile(), path);
    EXPECT_EQ(p.mailbox().chosenFileName(), "山田太郎様");

    // The paper is the page's own: the editor's activation loads the part at once.
    ui::clearShownMessages();
    p.Form_Activate();
    EXPECT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    EXPECT_EQ(p.RichTextBox2->text(), saved);
    EXPECT_TRUE(p.mailbox().nameFile().isEmpty());
}

TEST_F(FileListWindowTest, OkRefusesWhatItCannotRegister)
{
    chooseSize(LargeKey, 0, 0, QStringLiteral("大のし"));
    struct Case {
        const char* what;
        QString sizeName, key;
        ui::Answer answer;
        bool fullTable;
        QStringList shown;
        bool handedOver;
    };
    const Case cases[] = {
        {"registered but for blanks", "　大のし ", LargeKey, ui::Answer::Yes, false, {}, true},
        {"declined", "贈答大", LargeKey, ui::Answer::No, false, {Question}, false},
        {"unknown template", "贈答大", "無いひな形　　", ui::Answer::Yes, false, {Question, NotFound}, false},
        {"full size table", "贈答大", LargeKey, ui::Answer::Yes, true, {Question}, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.fullTable)
            while (app::store().RegSizeCount() < app::LiveStore::RegSizeCapacity)
                app::store().addSize(app::RegisteredSize::make(LargeKey, QStringLiteral("S%1").arg(n++), 0, 0));
        const int sizesBefore = app::store().RegSizeCount();
        const QString dir = folder(QString::number(n++));
        part(dir, "gift.nd1", sideBytes(c.key, c.sizeName));
        app::store().FileParth = dir;
        preview::PreviewMailbox& mail = preview::NoshiPreView()->mailbox();
        mail.setInscriptionFile(QString());
        auto win = window<frmDatabase1>(QStringLiteral("%1.db").arg(n));
        ASSERT_EQ(win->rows().size(), 1);
        ui::clearShownMessages();
        answers({c.answer});
        win->Command1_Click();

        QStringList shown = messages();
        if (c.fullTable) {
            ASSERT_EQ(shown.size(), 2);
            EXPECT_TRUE(shown.takeLast().startsWith("Caution|"));
        }
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(app::store().RegSizeCount(), sizesBefore);
        EXPECT_EQ(w->Combo1->findText("贈答大"), -1);
        EXPECT_EQ(mail.inscriptionFile(), c.handedOver ? dir + "/gift.nd1" : QString());
        EXPECT_EQ(win->isUnloaded(), c.handedOver);
    }
}

TEST_F(FileListWindowTest, TheNameListOpensOnTheCurrentName)
{
    const QString parts = folder("names");
    for (const char* name : {"山田太郎.nd2", "鈴木一郎.nd2"})
        part(parts, name, sideBytes(LargeKey, "大のし"));
    app::store().FileParth = parts;
    w->Combo3->setCurrentIndex(0); // "１行印刷": the one-line name is the search text

    struct Case {
        QString name;
        QString search;
        QStringList shown;
    };
    const Case cases[] = {
        {"", "", {"山田太郎", "鈴木一郎"}},      // the first opening fills the list
        {"山田", "山田", {"山田太郎"}},
        {"佐藤", "", {"山田太郎", "鈴木一郎"}},  // nothing found: the whole list, search emptied
    };
    for (const Case& c : cases) {
        w->Text2->setText(c.name);
        whileShown([&c](FileListWindow& win) {
            EXPECT_EQ(win.windowTitle(), "名書き　ファイルリスト");
            EXPECT_EQ(win.Text1->text(), c.search);
            EXPECT_EQ(namesOf(win), c.shown);
            win.CancelButton_Click();
        });
        w->Command2_Click();
        EXPECT_EQ(app::store().PendingOpen, 2);
        app::store().PendingOpen = 0;
    }
    EXPECT_TRUE(preview::NoshiPreView()->mailbox().nameFile().isEmpty()); // cancel hands nothing over
}

TEST_F(FileListWindowTest, ADamagedDatabaseIsAskedAboutAndTheWindowStillCloses)
{
    const QString db = lists.filePath("nd1File.db");
    const QByteArray damaged = QByteArray(3000, '\x17');
    writeFileBytes(db, damaged);
    answerDialogs(QString());

    // Declined: the file stays, every command quietly finds no row.
    answers({ui::Answer::No});
    whileShown([](FileListWindow& win) {
        EXPECT_TRUE(win.rows().isEmpty());
        win.Command1_Click();
        win.Label1_Click();
        win.Label3_Click();
        EXPECT_FALSE(win.isUnloaded());
        EXPECT_TRUE(win.unload());
    });
    w->mnuFileList1_Click();
    QStringList shown = messages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith("Caution|ファイルリストのデータベース「" + db + "」を読めません。"))
        << shown[0].toStdString();
    EXPECT_EQ(shown[1], CompactFailed);
    EXPECT_EQ(fileBytes(db), damaged);

    // Accepted: the old bytes set aside, a new empty list in their place.
    ui::clearShownMessages();
    answers({ui::Answer::Yes});
    whileShown([](FileListWindow& win) { EXPECT_TRUE(win.rows().isEmpty()); });
    w->mnuFileList1_Click();
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(fileBytes(db + ".damaged"), damaged);
    preview::FileListStore again(db, preview::OmoteFileListKind());
    EXPECT_EQ(again.OpenFileListStore(), preview::FileListStore::OpenResult::Opened);
}

TEST_F(FileListWindowTest, AddRebuildAndDeleteKeepTheList)
{
    const QString a = folder("a"), b = folder("b");
    for (const char* n : {"一.nd1", "二.nd1"})
        part(a, n, sideBytes(LargeKey, "大のし"));
    part(b, "三.nd1", sideBytes(LargeKey, "大のし"));
    auto* win = window<frmDatabase1>("nd1File.db");
    const auto count = [&] { return win->Label2->isVisibleTo(win) ? win->Label2->text() : QString(); };

    struct Step {
        void (FileListWindow::*command)();
        QString chosen; // empty: the folder dialog is cancelled
        QString label;
        QStringList rows;
        QString fileParth;
    };
    const Step steps[] = {
        {&FileListWindow::Label4_Click, "", "追加件数　0件", {}, ""},
        {&FileListWindow::Label4_Click, a, "追加件数　2件", {"一", "二"}, ""},     // the save folder stays
        {&FileListWindow::Label3_Click, b, "更新件数　1件", {"三"}, b},            // the rebuild's folder is the new one
        {&FileListWindow::Label3_Click, "", "更新件数　0件", {"三"}, b},
    };
    for (const Step& s : steps) {
        answerDialogs(s.chosen);
        ((*win).*s.command)();
        EXPECT_EQ(count(), s.label);
        EXPECT_EQ(namesOf(*win), s.rows);
        EXPECT_EQ(app::store().FileParth, s.fileParth);
    }
    EXPECT_EQ(ui::shownDialogs().back().title, "表書きファイルが保存されているフォルダを選択してください");
    EXPECT_EQ(ui::shownDialogs().back().initialPath, b);

    // Deleting asks; only the row goes, the part stays on disk.
    ui::clearShownMessages();
    answers({ui::Answer::No, ui::Answer::Yes});
    win->Label1_Click();
    EXPECT_EQ(namesOf(*win), QStringList{"三"});
    win->Label1_Click();
    EXPECT_EQ(messages(), QStringList(2, "Question|三を削除します。よろしいですか？"));
    EXPECT_TRUE(win->rows().isEmpty());
    EXPECT_TRUE(QFile::exists(b + "/三.nd1"));
    EXPECT_EQ(preview::FileListStore(lists.filePath("nd1File.db"), preview::OmoteFileListKind()).OpenFileList(),
              QList<preview::FileListRow>());

    // Nothing typed into the grid can reach the file.
    answerDialogs(b);
    win->Label4_Click();
    const QModelIndex cell = win->DataGrid1->model()->index(0, 1);
    EXPECT_FALSE(win->DataGrid1->model()->flags(cell) & Qt::ItemIsEditable);
    EXPECT_FALSE(win->DataGrid1->model()->setData(cell, "改名"));
}

TEST_F(FileListWindowTest, TheWindowOpensWhereItWasClosed)
{
    preset("DataBase2Left", "左"); // no number: the designed place, the screen's corner
    auto* first = window<frmDatabase2>("nd2File.db");
    EXPECT_EQ(first->pos(), QPoint(0, 0));
    first->move(forms::twipsToPx(1500), forms::twipsToPx(900)); // 100 and 60 pixels
    ASSERT_TRUE(first->unload());
    EXPECT_EQ(ini("DataBase2Left"), "1500");
    EXPECT_EQ(ini("DataBase2Top"), "900");
    auto* second = window<frmDatabase2>("nd2File.db");
    EXPECT_EQ(second->pos(), QPoint(100, 60));
}

namespace {

// A key as the user presses it in the search box; `text` is what it types.
void press(FileListWindow& win, Qt::Key key, const QString& text)
{
    drive::keyClick(win.Text1, key, Qt::NoModifier, text);
}

// Lets the window take the rows of the searches it is waiting for.
void settle(FileListWindow& win)
{
    QElapsedTimer t;
    t.start();
    while (win.searchPending() && t.elapsed() < 10000) {
        QApplication::processEvents();
        QThread::msleep(1);
    }
    QApplication::processEvents();
}

} // namespace

TEST_F(FileListWindowTest, TheNoEntryMarkFollowsTheRowsAfterEveryFill)
{
    const QString parts = folder("parts");
    for (const char* n : {"一.nd1", "二.nd1", "山田.nd2", "鈴木.nd2"})
        part(parts, n, sideBytes(LargeKey, "大のし"));
    w->show();
    w->Combo3->setCurrentIndex(0);
    answerDialogs(parts);

    struct Case {
        const char* what;
        QString fileParth;        // the save folder the empty list fills itself from
        QString name;             // the main window's name, the name list's first search
        QLabel* FileListWindow::*command; // clicked after a search that finds nothing
        QStringList rows;
    };
    const Case cases[] = {
        {"add", "", "", &FileListWindow::Label4, {"一", "二"}},
        {"rebuild", "", "", &FileListWindow::Label3, {"一", "二"}},
        {"automatic fill", parts, "佐藤", nullptr, {"山田", "鈴木"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app::store().FileParth = c.fileParth;
        preview::installFileLists(w.get(), folder(QString::number(n++))); // empty databases
        QStringList seen;
        std::vector<Step> steps;
        if (c.command) {
            steps.push_back([&](FileListWindow& win) {
                drive::keyClicks(win.Text1, QStringLiteral("無い"));
                settle(win);
                seen << QString::number(win.rows().size()) + (win.Label6->isVisible() ? " 登録なし" : "");
                drive::click(win.*c.command);
            });
        }
        steps.push_back([&](FileListWindow& win) {
            EXPECT_EQ(namesOf(win), c.rows);
            seen << QString::number(win.rows().size()) + (win.Label6->isVisible() ? " 登録なし" : "");
            drive::click(win.CancelButton);
        });
        walk(steps);
        if (c.command) {
            w->mnuFileList1->trigger();
            EXPECT_EQ(seen.join(" / ").toStdString(), "0 登録なし / 2");
        } else {
            w->Text2->setText(c.name);
            drive::click(w->Command2);
            EXPECT_EQ(seen.join(" / ").toStdString(), "2");
        }
    }
}

TEST_F(FileListWindowTest, DeletingTheLastRowLeavesTheListEmpty)
{
    const QString parts = folder("parts");
    part(parts, "一.nd1", sideBytes(LargeKey, "大のし"));
    app::store().FileParth = parts;
    w->show();
    realbox::answers({ui::Answer::Yes});
    QStringList after;
    walk({
        [](FileListWindow& win) {
            EXPECT_EQ(namesOf(win), QStringList{"一"}); // filled from the save folder on opening
            drive::click(win.Label1);
        },
        [&](FileListWindow& win) {
            // Back from the question: the list stays as the user left it.
            after = namesOf(win);
            EXPECT_TRUE(win.Label6->isVisible());
            drive::click(win.CancelButton);
        },
    });
    w->mnuFileList1->trigger();
    EXPECT_EQ(messages(), QStringList{"Question|一を削除します。よろしいですか？"});
    EXPECT_EQ(after.join(" ").toStdString(), "");
    EXPECT_EQ(preview::FileListStore(lists.filePath("nd1File.db"), preview::OmoteFileListKind()).OpenFileList(),
              QList<preview::FileListRow>());
    EXPECT_TRUE(QFile::exists(parts + "/一.nd1"));
}

// Typing in the search box: the key comes back at once, and the rows that
// follow are the ones the search of that text gives.
TEST_F(FileListWindowTest, TypedSearchesLeaveTheKeyAtOnceAndFindTheSameRows)
{
    const QString dir = folder("parts");
    const QStringList all = {"50%off", "abc", "ABD", "ac", "axc", "O'Neil", "say\"hi", "山本", "山田太郎様", "％全角"};
    for (const QString& n : all)
        part(dir, n + ".nd1", sideBytes(LargeKey, "大のし"));
    {
        preview::FileListStore fill(lists.filePath("nd1File.db"), preview::OmoteFileListKind());
        ASSERT_NE(fill.OpenFileListStore(), preview::FileListStore::OpenResult::Damaged);
        ASSERT_EQ(fill.replaceWithFolder(dir), 10);
    }
    auto* win = window<frmDatabase1>("nd1File.db");
    ASSERT_EQ(namesOf(*win), all);

    // The rows stay as they were until the search of the new text returns.
    press(*win, Qt::Key_A, "a");
    EXPECT_EQ(win->Text1->text(), "a");
    EXPECT_TRUE(win->searchPending());
    EXPECT_EQ(namesOf(*win), all);
    settle(*win);
    EXPECT_EQ(namesOf(*win), QStringList({"abc", "ABD", "ac", "axc", "say\"hi"}));
    EXPECT_EQ(win->currentRow(), 0);

    struct Case {
        QString typed; // replaces the whole text; empty: Backspace over it
        QStringList names;
    };
    const Case cases[] = {
        {"", all},
        {"%", all},
        {"_", all},
        {"a_c", {"abc", "axc"}},
        {"ab", {"abc", "ABD"}},
        {"0%o", {"50%off"}},
        {"O'Neil", {"O'Neil"}},
        {"\"", {"say\"hi"}},
        {"'; DELETE FROM ファイルリスト; --", {}},
        {"山田", {"山田太郎様"}},
        {"％", {"％全角"}},
        {"ＡＢ", {}},
        {"", all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        win->Text1->selectAll();
        if (c.typed.isEmpty())
            press(*win, Qt::Key_Backspace, "\b");
        else
            press(*win, Qt::Key_unknown, c.typed);
        ASSERT_EQ(win->Text1->text(), c.typed);
        settle(*win);
        EXPECT_EQ(namesOf(*win), c.names);
        EXPECT_EQ(win->Label6->isVisibleTo(win), c.names.isEmpty()); // 登録なし
    }

    // Keys typed while a search runs: only the newest text is shown.
    int shown = 0;
    QObject::connect(win->DataGrid1->model(), &QAbstractItemModel::modelReset, win, [&shown] { ++shown; });
    for (const char* k : {"山", "田", "太"})
        press(*win, Qt::Key_unknown, QString::fromUtf8(k));
    settle(*win);
    EXPECT_EQ(namesOf(*win), QStringList{"山田太郎様"});
    EXPECT_EQ(shown, 1);

    // Text set by a command overtakes a search still running.
    press(*win, Qt::Key_Backspace, "\b");
    forms::setText(win->Text1, "ab");
    EXPECT_EQ(namesOf(*win), QStringList({"abc", "ABD"}));
    settle(*win);
    EXPECT_EQ(namesOf(*win), QStringList({"abc", "ABD"}));

    // A row deleted while a search runs is not brought back by it.
    forms::setText(win->Text1, "");
    win->setCurrentRow(1); // abc
    press(*win, Qt::Key_A, "a");
    answers({ui::Answer::Yes});
    win->Label1_Click();
    settle(*win);
    EXPECT_EQ(win->Text1->text(), "a");
    EXPECT_EQ(namesOf(*win), QStringList({"ABD", "ac", "axc", "say\"hi"}));
}
