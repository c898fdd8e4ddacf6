// Roads that lead from the editor to other windows and back, walked through
// the windows' own menus, buttons, lists and real message boxes and file
// dialogs, with the activations the windows get on their own.
#include "preview/PreviewSupport.h"

#include "preview/ModalHand.h"
#include "common/FileBytes.h"
#include "preview/lists/FileListWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using preview::FileListWindow;
using preview::frmNoshiPreView;

namespace {

const QString LargeKey = QStringLiteral("萌黄（祝大）　");  // 390 x 180: boxes of 90
const QString MediumKey = QStringLiteral("萌黄（　中　）"); // 390 x 135: boxes of 67

} // namespace

class PreviewRoadsTest : public PreviewTest {
protected:
    QTemporaryDir lists;
    QString parts;

    void SetUp() override
    {
        PreviewTest::SetUp();
        preview::installFileLists(w.get(), lists.path());
        w->refreshCommandAvailability();
        dispatcher->setKeepPreviewHidden(false);
        QDir(dataDir.path()).mkpath("parts");
        parts = dataDir.filePath("parts");
        app::store().FileParth = parts;
        addSize(LargeKey, QStringLiteral("大のし"));
        addSize(MediumKey, QStringLiteral("中のし"));
        w->show();
        settleAlone();
    }
    void TearDown() override
    {
        realWindows(false);
        PreviewTest::TearDown();
    }
    void addSize(const QString& key, const QString& name)
    {
        app::store().addSize(app::RegisteredSize::make(key, name, 0, 0));
        w->Combo1->addItem(name);
    }
    // The size chosen in the main window's size list, as a user picks it.
    void pickSize(const QString& name)
    {
        w->Combo1->setCurrentIndex(w->Combo1->findText(name));
        emit w->Combo1->activated(w->Combo1->currentIndex());
    }
    // From here on the message boxes and file dialogs are the real ones.
    static void realWindows(bool on)
    {
        if (on) {
            ui::setAnswerer({});
            ui::setDialogAnswerer({});
        } else {
            ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
        }
    }
    static void settleAlone()
    {
        ModalHand none;
        none.settle(200);
    }
    // The editor on `size`, opened with the main window's edit button.
    frmNoshiPreView& edit(const QString& size)
    {
        pickSize(size);
        w->Command1->click();
        settleAlone();
        EXPECT_NE(pv(), nullptr);
        return *pv();
    }
    // A name part saved on `size` with `text` as its name column.
    QString savedNamePart(const QString& size, const QString& fileName, const QString& text)
    {
        frmNoshiPreView& p = edit(size);
        p.RichTextBox2->setText(text);
        answerDialogs(parts + u'/' + fileName);
        EXPECT_TRUE(p.saveNamePart());
        ui::setDialogAnswerer({});
        p.mailbox().setPageLoaded(false);
        p.mnuFileExit->trigger();
        settleAlone();
        return parts + u'/' + fileName;
    }
    // The list's row of this file chosen and OK pressed.
    static void chooseInList(ModalHand& hand, const QString& fileName)
    {
        hand.in<FileListWindow>([fileName](FileListWindow& list) {
            for (int r = 0; r < list.rows().size(); ++r)
                if (list.rows()[r].fileName == fileName)
                    list.setCurrentRow(r);
            list.Command1->click();
        });
    }
};

// A name part saved on the large sheet, chosen from the editor's own list
// while the page is on the medium sheet: both questions answered yes, the
// page is laid out again on the large sheet and the part is loaded on it,
// once, in the editor on screen.
TEST_F(PreviewRoadsTest, RefitFromTheEditorsListLoadsThePartOnceOnTheNewSize)
{
    savedNamePart(QStringLiteral("大のし"), QStringLiteral("御祝.nd2"), QStringLiteral("保存した名前"));
    frmNoshiPreView& p = edit(QStringLiteral("中のし"));
    ASSERT_DOUBLE_EQ(p.RichTextBox1->heightMm(), 67);

    realWindows(true);
    ui::clearShownMessages();
    ModalHand hand;
    chooseInList(hand, QStringLiteral("御祝"));
    hand.press(QMessageBox::Yes);
    hand.press(QMessageBox::Yes);
    p.mnuList->trigger();
    hand.settle();
    // The user may click into the editor afterwards: nothing more happens.
    if (p.isVisible()) {
        p.activateWindow();
        hand.settle();
    }

    EXPECT_TRUE(hand.done());
    EXPECT_EQ(messages(), QStringList({"変更の確認|のし紙サイズを、大のしに変更しますか。　　",
                                       "変更の確認|表書きを、大のしのサイズに修正しますか。　　"}))
        << messages().join("\n").toStdString();
    ASSERT_EQ(pv(), &p);
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.RichTextBox2->text().toStdString(), "保存した名前");
    EXPECT_DOUBLE_EQ(p.RichTextBox1->heightMm(), 90); // laid out anew on 180 mm
    EXPECT_DOUBLE_EQ(p.RichTextBox2->heightMm(), 90);
    EXPECT_EQ(p.mailbox().sizeName(), "大のし");
    EXPECT_EQ(w->Combo1->currentText(), "大のし");
    EXPECT_EQ(app::store().PendingOpen, 0);
    EXPECT_TRUE(p.mailbox().nameFile().isEmpty());
    EXPECT_TRUE(p.mailbox().fileSizeName().isEmpty());
    EXPECT_TRUE(p.mailbox().fileTemplateKey().isEmpty());
}

// OK in a list opened from the editor's menu puts the part into the editor
// at once, without a click into it.
TEST_F(PreviewRoadsTest, OkInTheEditorsListLoadsThePartAtOnce)
{
    savedNamePart(QStringLiteral("中のし"), QStringLiteral("山田.nd2"), QStringLiteral("保存した名前"));
    frmNoshiPreView& p = edit(QStringLiteral("中のし"));
    ASSERT_NE(p.RichTextBox2->text(), "保存した名前");

    realWindows(true);
    ui::clearShownMessages();
    ModalHand hand;
    chooseInList(hand, QStringLiteral("山田"));
    p.mnuList->trigger();
    hand.settle();

    EXPECT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    EXPECT_EQ(p.RichTextBox2->text().toStdString(), "保存した名前");
    EXPECT_EQ(p.windowTitle().toStdString(), ("編集  " + parts + "/山田.nd2").toStdString());
    EXPECT_TRUE(p.mailbox().nameFile().isEmpty());
    EXPECT_EQ(app::store().PendingOpen, 0);
}

// A name part whose side file is gone, opened from the editor's File menu:
// the part is loaded and its paper reported as not found.
TEST_F(PreviewRoadsTest, OpenWithoutTheSideFileLoadsThePartAndReportsThePaper)
{
    const QString path = savedNamePart(QStringLiteral("大のし"), QStringLiteral("迷子.nd2"), QStringLiteral("保存した名前"));
    ASSERT_TRUE(QFile::remove(parts + "/迷子.ndb"));
    frmNoshiPreView& p = edit(QStringLiteral("大のし"));

    realWindows(true);
    ui::clearShownMessages();
    ModalHand hand;
    hand.type(QStringLiteral("迷子.nd2"));
    hand.press(QMessageBox::Ok);
    p.mnuFileOpen->trigger();
    EXPECT_TRUE(hand.settle());

    EXPECT_EQ(messages(), QStringList{"入力事項の確認|選択されたのし紙サイズが見つかりません。"})
        << messages().join("\n").toStdString();
    EXPECT_EQ(p.RichTextBox2->text().toStdString(), "保存した名前");
    EXPECT_EQ(p.windowTitle().toStdString(), ("編集  " + path).toStdString());
    EXPECT_FALSE(p.NagakiChanged);
    EXPECT_EQ(p.mailbox().sizeName(), "大のし"); // the paper stays
}

// Saving under a name typed without its extension over a part that exists
// asks first; no goes back to the dialog and the old part stays.
TEST_F(PreviewRoadsTest, ANameTypedWithoutItsExtensionAsksBeforeReplacing)
{
    frmNoshiPreView& p = edit(QStringLiteral("大のし"));
    realWindows(true);
    ModalHand first;
    first.type(QStringLiteral("御祝1"));
    p.mnuOfileSave->trigger();
    ASSERT_TRUE(first.settle());
    const QByteArray old = fileBytes(parts + "/御祝1.nd1"), oldSide = fileBytes(parts + "/御祝1.ndb");
    ASSERT_FALSE(old.isEmpty());
    ASSERT_FALSE(oldSide.isEmpty());

    p.RichTextBox1->setText(QStringLiteral("寿"));
    ui::clearShownMessages();
    ModalHand hand;
    hand.type(QStringLiteral("御祝1"));
    hand.press(QMessageBox::No);
    hand.type(QStringLiteral("御祝2"));
    p.mnuOfileSave->trigger();
    EXPECT_TRUE(hand.settle());

    EXPECT_EQ(messages(), QStringList{"名前を付けて保存|御祝1.nd1 は既に存在します。\n置き換えますか?"})
        << messages().join("\n").toStdString();
    EXPECT_EQ(fileBytes(parts + "/御祝1.nd1"), old);
    EXPECT_EQ(fileBytes(parts + "/御祝1.ndb"), oldSide);
    EXPECT_EQ(fileBytes(parts + "/御祝2.nd1"), p.RichTextBox1->textRtf());
    EXPECT_TRUE(QFile::exists(parts + "/御祝2.ndb"));

    // Yes replaces it.
    ModalHand again;
    again.type(QStringLiteral("御祝1"));
    again.press(QMessageBox::Yes);
    p.mnuOfileSave->trigger();
    EXPECT_TRUE(again.settle());
    EXPECT_EQ(fileBytes(parts + "/御祝1.nd1"), p.RichTextBox1->textRtf());
}

// The save and open dialogs start in the folder used last and propose the
// file used last.
TEST_F(PreviewRoadsTest, TheFileDialogsStartWhereTheLastFileWent)
{
    frmNoshiPreView& p = edit(QStringLiteral("大のし"));
    QDir(dataDir.path()).mkpath("elsewhere");
    const QString elsewhere = dataDir.filePath("elsewhere");
    realWindows(true);

    ModalHand hand;
    hand.type(elsewhere + "/御祝.nd1");
    p.mnuOfileSave->trigger();
    ASSERT_TRUE(hand.settle());
    EXPECT_TRUE(QFile::exists(elsewhere + "/御祝.nd1"));

    // The name part: typed as a bare name it lands beside the inscription.
    hand.type(QStringLiteral("御祝"));
    p.mnuFileSaveAs->trigger();
    ASSERT_TRUE(hand.settle());
    // The dialog gives the proposed name the extension of its filter.
    EXPECT_EQ(hand.lastDialogStart().toStdString(), (elsewhere + "|御祝.nd2").toStdString());
    EXPECT_TRUE(QFile::exists(elsewhere + "/御祝.nd2"));
    EXPECT_TRUE(QFile::exists(elsewhere + "/御祝.ndb"));
    EXPECT_FALSE(QFile::exists(parts + "/御祝.nd2"));

    hand.type(QStringLiteral("御祝.nd2"));
    p.mnuFileOpen->trigger();
    ASSERT_TRUE(hand.settle());
    EXPECT_EQ(hand.lastDialogStart().toStdString(), (elsewhere + "|御祝.nd2").toStdString());
    EXPECT_EQ(p.windowTitle().toStdString(), ("編集  " + elsewhere + "/御祝.nd2").toStdString());
}
