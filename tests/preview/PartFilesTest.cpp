// Saving the two parts with their side file and loading them back over the page.
#include "preview/PreviewSupport.h"

#include "model/LiveStore.h"
#include "preview/SideFile.h"
#include "common/FileBytes.h"

#include <QFile>
#include <QLabel>
#include <QRandomGenerator>

using preview::frmNoshiPreView;

namespace {

const QString ChangeToWide = QStringLiteral("変更の確認|のし紙サイズを、大のし（幅広）に変更しますか。");
const QString NotFound = QStringLiteral("入力事項の確認|選択されたのし紙サイズが見つかりません。");

// 萌黄（祝大）　 and 大のし in code page 932, each line ended by CR LF.
const QByteArray LargeNoshiSideFile = QByteArray::fromHex("964789a981698f6a91e5816a8140" "0d0a" "91e582cc82b5" "0d0a");

} // namespace

class PartFilesTest : public PreviewTest {
protected:
    frmNoshiPreView* p = nullptr;

    void SetUp() override
    {
        PreviewTest::SetUp();
        p = &openLargeNoshi(false);
    }
    // A second size on the same template, wider: 300 by 200 mm.
    void registerWide()
    {
        app::RegisteredSize z;
        const QString key = QStringLiteral("萌黄（祝大）　"), name = QStringLiteral("大のし（幅広）");
        z.RegSizeTemplate = {key, key, key};
        z.RegSizeName = {name, name, name};
        z.RegSizeWidth = 300;
        z.RegSizeHeight = 200;
        app::store().addSize(z);
        w->Combo1->addItem(name);
    }
    QString save(int which, const QString& path)
    {
        answerDialogs(path);
        EXPECT_TRUE(which == 1 ? p->saveOmotePart() : p->saveNamePart());
        return path;
    }
};

TEST_F(PartFilesTest, SideFileOfAKnownPage)
{
    const QString path = save(1, dataDir.filePath("gift.nd1"));
    EXPECT_EQ(fileBytes(dataDir.filePath("gift.ndb")), LargeNoshiSideFile);
    EXPECT_EQ(fileBytes(path), p->RichTextBox1->textRtf());
    EXPECT_EQ(ui::shownDialogs().back().title, "名前を付けて保存");
}

TEST_F(PartFilesTest, NamesWithoutTheExtensionGetIt)
{
    save(2, dataDir.filePath("gift"));
    EXPECT_TRUE(QFile::exists(dataDir.filePath("gift.nd2")));
    EXPECT_TRUE(QFile::exists(dataDir.filePath("gift.ndb")));
    EXPECT_FALSE(QFile::exists(dataDir.filePath("gift")));
}

TEST_F(PartFilesTest, OneSideFileForBothPartsWithTheLaterPaper)
{
    save(1, dataDir.filePath("X.nd1"));
    app::store().CurSizeTemplate = QStringLiteral("萌黄（祝大）　");
    app::store().CurSizeName = QStringLiteral("大のし（幅広）");
    save(2, dataDir.filePath("X.nd2"));
    const auto side = preview::readSideFile(dataDir.filePath("X.ndb"));
    ASSERT_TRUE(side);
    EXPECT_EQ(side->sizeName, "大のし（幅広）");
    EXPECT_EQ(QDir(dataDir.path()).entryList({"X.*"}, QDir::Files), QStringList({"X.nd1", "X.nd2", "X.ndb"}));
}

TEST_F(PartFilesTest, SideFileQuotesOnlyWhatNeedsIt)
{
    struct Case {
        QString name;
        QByteArray line2;
    };
    // A quote inside a quoted value is doubled; blanks at the ends would be
    // skipped by the reader, so such a value is quoted too.
    const Case cases[] = {
        {QStringLiteral("A4,横"), QByteArray("\"A4,") + QByteArray::fromHex("89a1") + "\""},
        {QStringLiteral("A4 \"特\""), QByteArray("\"A4 \"\"") + QByteArray::fromHex("93c1") + "\"\"\""},
        {QStringLiteral("大のし\"特\""), QByteArray::fromHex("22" "91e582cc82b5" "2222" "93c1" "222222")},
        {QStringLiteral("\""), QByteArray("\"\"\"\"")},
        {QStringLiteral(" A4 "), QByteArray("\" A4 \"")},
        {QStringLiteral("A4 横"), QByteArray("A4 ") + QByteArray::fromHex("89a1")},
    };
    for (const Case& c : cases) {
        const auto bytes = preview::sideFileBytes({QStringLiteral("Ａ４　テスト用"), c.name});
        ASSERT_TRUE(bytes);
        EXPECT_EQ(bytes->split('\n').value(1), c.line2 + "\r") << c.name.toStdString();
        const auto back = preview::parseSideFile(*bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->templateKey, "Ａ４　テスト用");
        EXPECT_EQ(back->sizeName, c.name);
    }
}

TEST_F(PartFilesTest, SaveAndOpenRoundTripBothParts)
{
    // A page with fonts, sizes, colour, bold, a baseline offset and an object.
    for (rt::RichTextBox* box : {p->RichTextBox1, p->RichTextBox2}) {
        box->setSelStart(0);
        box->setSelLength(2);
        box->setSelBold(true);
        box->setSelColor(0x3366CC);
        box->setSelCharOffset(-1.5);
        box->setSelFontName(QStringLiteral("ＭＳ ゴシック"));
        box->setSelFontSize(33);
    }
    p->RichTextBox2->setSelStart(p->RichTextBox2->document().length());
    auto obj = std::make_shared<rt::EmbeddedObject>();
    obj->kind = rt::EmbeddedObject::Kind::Object;
    obj->objectClass = QStringLiteral("RichText.Document");
    obj->objectData = QByteArray("{\\rtf1 label}");
    obj->sizeMm = QSizeF(30, 20);
    p->RichTextBox2->insertObject(obj);
    const rt::RichDocument omote = p->RichTextBox1->document(), name = p->RichTextBox2->document();
    save(1, dataDir.filePath("page.nd1"));
    save(2, dataDir.filePath("page.nd2"));
    EXPECT_FALSE(p->OmotegakiChanged);
    EXPECT_FALSE(p->NagakiChanged);

    for (rt::RichTextBox* box : {p->RichTextBox1, p->RichTextBox2})
        box->setText(QStringLiteral("別"));
    ui::clearShownMessages();
    answerDialogs(dataDir.filePath("page.nd2"));
    p->mnuFileOpen_Click();
    EXPECT_EQ(p->RichTextBox2->document(), name) << p->RichTextBox2->dump().toStdString();
    // The inscription's open command on the page's own paper reloads the
    // file as stored: fonts without the vertical form.
    answerDialogs(dataDir.filePath("page.nd1"));
    p->mnuOfileOpen_Click();
    EXPECT_EQ(p->RichTextBox1->document(), omote) << p->RichTextBox1->dump().toStdString();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(p->windowTitle(), "編集  " + dataDir.filePath("page.nd1"));
    EXPECT_EQ(ui::shownDialogs().back().filterIndex, 2);
}

TEST_F(PartFilesTest, InscriptionFromAListShowsEveryCharacterVertically)
{
    p->RichTextBox1->setSelStart(0);
    p->RichTextBox1->setSelLength(1);
    p->RichTextBox1->setSelFontName(QStringLiteral("@ＭＳ 明朝"));
    save(1, dataDir.filePath("v.nd1"));
    p->mailbox().setInscriptionFile(dataDir.filePath("v.nd1"));
    p->mailbox().setFileSizeName(QStringLiteral("大のし"));
    p->mailbox().setFileTemplateKey(QStringLiteral("萌黄（祝大）　"));
    p->Form_Activate();
    for (const rt::Paragraph& para : p->RichTextBox1->document().paragraphs)
        for (const rt::Inline& item : para.items)
            EXPECT_TRUE(item.format.fontName.startsWith(u'@')) << item.format.fontName.toStdString();
    EXPECT_EQ(p->RichTextBox1->insertionFormat().fontName.left(1), "@");
    EXPECT_TRUE(p->mailbox().inscriptionFile().isEmpty());
    EXPECT_EQ(p->windowTitle(), "編集  " + dataDir.filePath("v.nd1"));
    EXPECT_EQ(p->StatusPanel1->text(), "選択されているのし紙ｻｲｽﾞは、「大のし」です。");
}

TEST_F(PartFilesTest, OpenOfAnotherPaperAsksAndLaysThePageOutForIt)
{
    registerWide();
    app::store().CurSizeName = QStringLiteral("大のし（幅広）");
    save(2, dataDir.filePath("wide.nd2"));
    app::store().CurSizeName = QStringLiteral("大のし");

    struct Case {
        ui::Answer answer;
        int paperWidth, layoutWidth;
        double boxHeight;
    };
    const Case cases[] = {
        {ui::Answer::No, 0, 210, 90},    // the page keeps its paper, 萌黄（祝大）'s own 390 by 180
        {ui::Answer::Yes, 300, 210, 100}, // 300 by 200: two boxes of 100, text block 210 wide
    };
    for (const Case& c : cases) {
        answers({c.answer});
        answerDialogs(dataDir.filePath("wide.nd2"));
        ui::clearShownMessages();
        const int widthBefore = app::store().PaperWidth;
        p->mnuFileOpen_Click();
        EXPECT_EQ(messages(), QStringList{ChangeToWide});
        EXPECT_EQ(app::store().PaperWidth, c.paperWidth ? c.paperWidth : widthBefore);
        EXPECT_EQ(app::store().LayoutWidth, c.layoutWidth);
        EXPECT_DOUBLE_EQ(p->RichTextBox2->heightMm(), c.boxHeight);
        EXPECT_DOUBLE_EQ(p->RichTextBox1->heightMm(), c.boxHeight);
    }
    EXPECT_EQ(app::store().CurSizeName, "大のし（幅広）");
    EXPECT_EQ(p->mailbox().sizeName(), "大のし（幅広）");
    EXPECT_EQ(app::store().PendingOpen, 0); // the open commands hand nothing back
}

TEST_F(PartFilesTest, ListLoadHandsTheRelayoutBackToTheMainWindow)
{
    registerWide();
    app::store().CurSizeName = QStringLiteral("大のし（幅広）");
    save(2, dataDir.filePath("wide.nd2"));
    rt::RichDocument saved = p->RichTextBox2->document();
    app::store().CurSizeName = QStringLiteral("大のし");

    // What the name-file list leaves behind when it closes.
    const auto listChose = [&] {
        p->mailbox().setNameFile(dataDir.filePath("wide.nd2"));
        p->mailbox().setFileSizeName(QStringLiteral("大のし（幅広）"));
        p->mailbox().setFileTemplateKey(QStringLiteral("萌黄（祝大）　"));
    };
    listChose();
    answers({ui::Answer::Yes, ui::Answer::Yes});
    p->Form_Activate();
    EXPECT_EQ(messages(), QStringList({ChangeToWide + "　　",
                                       "変更の確認|表書きを、大のし（幅広）のサイズに修正しますか。　　"}));
    EXPECT_EQ(app::store().PendingOpen, 2);
    EXPECT_EQ(w->Combo1->currentText(), "大のし（幅広）");
    EXPECT_FALSE(p->isVisible());
    EXPECT_FALSE(p->mailbox().nameFile().isEmpty()); // kept for the load after the new layout

    // The main window's activation lays the page out for the file's size;
    // the editor's activation then loads the file again, sizes equal.
    ui::clearShownMessages();
    answers({});
    w->Form_Activate();
    EXPECT_EQ(app::store().PendingOpen, 0);
    EXPECT_EQ(app::store().PaperWidth, 300);
    EXPECT_EQ(p->mailbox().sizeName(), "大のし（幅広）");
    p->Form_Activate();
    EXPECT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    EXPECT_EQ(p->RichTextBox2->document(), saved);
    EXPECT_TRUE(p->mailbox().nameFile().isEmpty());
    EXPECT_TRUE(p->mailbox().fileSizeName().isEmpty());
    EXPECT_DOUBLE_EQ(p->RichTextBox1->heightMm(), 100);
}

TEST_F(PartFilesTest, UnknownSizeIsReportedAndTheFieldsCleared)
{
    save(2, dataDir.filePath("n.nd2"));
    p->mailbox().setNameFile(dataDir.filePath("n.nd2"));
    p->mailbox().setFileSizeName(QStringLiteral("どこにもない"));
    p->mailbox().setFileTemplateKey(QStringLiteral("萌黄（祝大）　"));
    p->Form_Activate();
    EXPECT_EQ(messages(), QStringList{NotFound});
    EXPECT_TRUE(p->mailbox().nameFile().isEmpty());
    EXPECT_TRUE(p->mailbox().fileTemplateKey().isEmpty());
}

TEST_F(PartFilesTest, DamagedInputsAreReportedAndLoseNothing)
{
    const QString good = save(2, dataDir.filePath("good.nd2"));
    save(1, dataDir.filePath("good.nd1"));
    const QByteArray rtf = fileBytes(good);
    writeFileBytes(dataDir.filePath("cut.nd1"), rtf.left(rtf.size() / 2));
    QFile::copy(dataDir.filePath("good.ndb"), dataDir.filePath("cut.ndb"));
    QByteArray noise(4000, '\0');
    for (char& c : noise)
        c = char(QRandomGenerator::global()->bounded(256));
    writeFileBytes(dataDir.filePath("noise.nd2"), noise);
    QFile::copy(dataDir.filePath("good.ndb"), dataDir.filePath("noise.ndb"));
    writeFileBytes(dataDir.filePath("oneline.nd2"), rtf);
    writeFileBytes(dataDir.filePath("oneline.ndb"), LargeNoshiSideFile.left(16));
    writeFileBytes(dataDir.filePath("utf8.nd2"), rtf);
    writeFileBytes(dataDir.filePath("utf8.ndb"), QStringLiteral("萌黄（祝大）　\r\n大のし\r\n").toUtf8());

    struct Case {
        const char* file;
        int box;
    };
    const Case cases[] = {{"cut.nd1", 1}, {"noise.nd2", 2}, {"oneline.nd2", 2}, {"utf8.nd2", 2}};
    for (const Case& c : cases) {
        rt::RichTextBox& box = c.box == 1 ? *p->RichTextBox1 : *p->RichTextBox2;
        box.setText(QStringLiteral("今の") + QString::fromUtf8(c.file));
        const rt::RichDocument before = box.document();
        const int width = app::store().PaperWidth;
        ui::clearShownMessages();
        answerDialogs(dataDir.filePath(c.file));
        answers({ui::Answer::Yes, ui::Answer::Yes});
        c.box == 1 ? p->mnuOfileOpen_Click() : p->mnuFileOpen_Click();
        EXPECT_EQ(messages().size(), 1) << c.file << ": " << messages().join("\n").toStdString();
        EXPECT_EQ(box.document(), before) << c.file;
        EXPECT_EQ(app::store().PaperWidth, width) << c.file;
        EXPECT_EQ(fileBytes(good), rtf) << c.file;
    }
}

TEST_F(PartFilesTest, AFailedSaveKeepsTheOldFileAndTheChangeFlag)
{
    const QString path = save(2, dataDir.filePath("keep.nd2"));
    p->RichTextBox2->setText(QStringLiteral("新しい名前"));
    ASSERT_TRUE(p->NagakiChanged);
    // The side file's place is taken by a folder: the save cannot finish.
    QFile::remove(dataDir.filePath("keep.ndb"));
    ASSERT_TRUE(QDir(dataDir.path()).mkdir("keep.ndb"));
    answerDialogs(path);
    ui::clearShownMessages();
    EXPECT_FALSE(p->saveNamePart());
    EXPECT_EQ(messages().size(), 1);
    EXPECT_TRUE(p->NagakiChanged);
    // A folder that is not there: nothing written, the old file kept.
    answerDialogs(dataDir.filePath("missing/keep.nd2"));
    EXPECT_FALSE(p->saveNamePart());
    EXPECT_TRUE(p->NagakiChanged);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_FALSE(QFile::exists(dataDir.filePath("missing/keep.nd2")));
}
