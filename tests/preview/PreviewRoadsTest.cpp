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
