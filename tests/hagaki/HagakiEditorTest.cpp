// The postcard editor as the main window's menu opens it: its five layouts
// on the page, files and the closing question, and printing with the copies
// rules, over a host with the main window's choices and a recording printer.
#include "../editors/EditorSupport.h"

#include "editors/PageInserts.h"
#include "editors/PostcardPrint.h"
#include "editors/frmFileLoad.h"
#include "editors/frmHagaki.h"
#include "editors/frmHagakiSub.h"
#include "editors/frmFreeSize.h"
#include "platform/print/PaperCodes.h"
#include "platform/forms/FileLists.h"
#include "platform/richtext/RichTextEdit.h"
#include "common/FileBytes.h"
#include "common/HugePng.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QStyle>
#include <QStyleOptionComboBox>

using editors::frmHagaki;

#include "PostcardNames.h"

namespace {

using postcard_names::PortraitV;

// The free-size editor's rig (host, recorder, answered messages) with a
// printer whose pixel is a twip; the postcard editor unloaded after each test.
class HagakiTest : public FreeSizeTest {
protected:
    QTemporaryDir dir;

    void SetUp() override
    {
        FreeSizeTest::SetUp();
        host.c.copies = QStringLiteral("5"); // not taken: the postcard starts at 1
        prn::RecordingBackend::Device d;
        d.dpi = 1440;
        useRecorder(d);
    }
    void TearDown() override
    {
        if (frmHagaki* f = editors::Hagaki().peek()) {
            f->IsDirty = false;
            f->unload();
        }
        FreeSizeTest::TearDown();
    }

    frmHagaki& open()
    {
        editors::showHagaki();
        return *editors::Hagaki().peek();
    }

    void choose(frmHagaki& w, const QString& layout)
    {
        w.Combo3->setCurrentText(layout);
        w.Combo3_Click();
    }
};

} // namespace

TEST_F(HagakiTest, OpensEmptyOnTheDefaultLayout)
{
    frmHagaki& w = open();
    EXPECT_EQ(w.windowTitle(), "はがき印刷");
    EXPECT_EQ(w.Combo3->currentText(), PortraitV);
    EXPECT_EQ(w.Combo3->count(), 5);
    EXPECT_EQ(w.Text10->text(), "印刷方向");
    EXPECT_EQ(w.Text1->text(), "1");
    EXPECT_EQ(w.Combo2->currentText(), "ＭＳ Ｐ明朝");
    const rt::RichTextBox& page = *w.RichTextBox1;
    EXPECT_TRUE(page.text().isEmpty());
    EXPECT_TRUE(page.vertical());
    EXPECT_EQ(page.widthMm(), 94);
    EXPECT_EQ(page.heightMm(), 142);
    EXPECT_EQ(page.rightMarginMm(), 142);
    EXPECT_EQ(page.insertionFormat().fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(page.insertionFormat().size, 11);
    EXPECT_EQ(app::store().LayoutWidth, 94);
    EXPECT_EQ(app::store().PaperHeight, 142);
    EXPECT_FALSE(w.IsDirty);
    // Shown again: the same window, the page kept.
    w.RichTextBox1->setText(QStringLiteral("残る"));
    editors::showHagaki();
    EXPECT_EQ(editors::Hagaki().peek(), &w);
    EXPECT_EQ(w.RichTextBox1->text(), "残る");
}

TEST_F(HagakiTest, EachLayoutSetsThePageAndKeepsTheText)
{
    frmHagaki& w = open();
    w.RichTextBox1->setSelFontSize(20);
    w.RichTextBox1View->typeText(QStringLiteral("賀正"));
    w.IsDirty = false;
    const QString before = w.RichTextBox1->dump();
    struct Row {
        QString layout;
        double w, h, wrap;
        bool vertical;
    };
    const Row rows[] = {
        {QStringLiteral("はがき　縦置き／横書き"), 94, 142, 94, false},
        {QStringLiteral("はがき　横置き／横書き"), 142, 94, 142, false},
        {QStringLiteral("はがき　横置き／縦書き"), 142, 94, 94, true},
        {QStringLiteral("往復はがき　縦置き／縦書き"), 194, 142, 142, true},
        {PortraitV, 94, 142, 142, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.layout.toStdString());
        choose(w, r.layout);
        const rt::RichTextBox& page = *w.RichTextBox1;
        EXPECT_EQ(page.widthMm(), r.w);
        EXPECT_EQ(page.heightMm(), r.h);
        EXPECT_EQ(page.rightMarginMm(), r.wrap);
        EXPECT_EQ(page.vertical(), r.vertical);
        EXPECT_EQ(app::store().LayoutWidth, int(r.w));
        EXPECT_EQ(app::store().PaperHeight, int(r.h));
        EXPECT_EQ(w.Text2->width(), w.RichTextBox1View->width()); // the rulers follow the page
    }
    EXPECT_EQ(w.RichTextBox1->dump(), before);
    EXPECT_FALSE(w.IsDirty); // a change of layout is no change of the text
}

TEST_F(HagakiTest, FilesAndTheClosingQuestion)
{
    frmHagaki& w = open();
    w.RichTextBox1View->typeText(QStringLiteral("暑中お見舞い"));
    EXPECT_TRUE(w.IsDirty);
    const QString saved = dir.filePath("card"); // no extension is added
    answerDialogs(saved);
    ASSERT_TRUE(w.mnuFileSaveAs_Click());
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_FALSE(w.IsDirty);
    EXPECT_EQ(w.windowTitle(), "はがき印刷");

    w.mnuFileNew_Click();
    EXPECT_TRUE(w.RichTextBox1->text().isEmpty());
    EXPECT_EQ(w.Combo3->currentText(), PortraitV);
    w.mnuFileOpen_Click();
    EXPECT_EQ(w.RichTextBox1->text(), "暑中お見舞い");
    EXPECT_EQ(w.windowTitle(), "はがき印刷  " + saved);
    EXPECT_EQ(w.Text4->text(), saved);

    // Closing with a change asks; Cancel keeps the window.
    w.RichTextBox1View->typeText(QStringLiteral("！"));
    app::store().CurSizeTemplate = QStringLiteral("美濃判　　　　");
    answer = ui::Answer::Cancel;
    w.Command2_Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "はがきは変更されています。保存しますか？");
    EXPECT_EQ(asked[0].title, "ファイルに保存");
    EXPECT_TRUE(editors::Hagaki().isLoaded());
    answer = ui::Answer::No;
    w.Command2_Click();
    EXPECT_FALSE(editors::Hagaki().isLoaded());
    EXPECT_TRUE(app::store().CurSizeTemplate.isEmpty());
}

TEST_F(HagakiTest, PrintsTheCopiesAndRefusesACountOutOfRange)
{
    frmHagaki& w = open();
    w.RichTextBox1->setText(QStringLiteral("謹賀新年"));
    host.c.Check3 = true;
    // The default layout on its 100 x 148 card: 284 + 5670 - 5670 across, 284 down.
    const QString band = "box RichTextBox1 284,284,5670,8392 page 0,0,5670,8392";
    w.Text1->setText(QStringLiteral("2"));
    w.mnuFilePrint_Click();
    EXPECT_EQ(rec->log(), (QStringList{"userPaper 5670x8392", "orientation 1", "startDoc", band, "newPage", band,
                                       "endDoc", "release RichTextBox1"}));
    EXPECT_EQ(w.Text1->text(), "1");
    EXPECT_TRUE(asked.empty());

    for (const char* bad : {"0", "1001", "2.5", "abc", "99999"}) {
        SCOPED_TRACE(bad);
        rec->clearCalls();
        asked.clear();
        w.Text1->setText(QString::fromUtf8(bad));
        w.mnuFilePrint_Click();
        EXPECT_TRUE(rec->log().isEmpty()) << rec->log().join("; ").toStdString();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].title, "印刷部数の確認");
        EXPECT_EQ(w.Text1->text(), QString::fromUtf8(bad)); // kept for the user to mend
    }
    // An empty box prints one copy.
    rec->clearCalls();
    w.Text1->clear();
    w.mnuFilePrint_Click();
    EXPECT_EQ(rec->count("box"), 1);
}

namespace {

QStringList menuTexts(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("—") : a->text());
    return out;
}

} // namespace

// The free-size editor has the three picture and object items in its edit
// menu, the postcard editor the picture item there and three buttons; each
// window's commands reach its own page only.
TEST_F(HagakiTest, PictureCommandsOfBothEditorsActOnTheirOwnPage)
{
    frmHagaki& card = open();
    editors::showFreeSize();
    editors::frmFreeSize& free = *editors::FreeSize().peek();
    EXPECT_EQ(menuTexts(free.mnuEdit), (QStringList{"画像ﾌｧｲﾙの読み込み(&L)", "画像の挿入(&P)", "ｵﾌﾞｼﾞｪｸﾄの挿入(&A)", "—",
                                                    "元に戻す(&U)", "—", "切り取り(&T)", "ｺﾋﾟｰ(&C)", "貼り付け(&P)"}));
    EXPECT_EQ(menuTexts(card.mnuEdit),
              (QStringList{"画像ﾌｧｲﾙの読み込み(&L)", "元に戻す(&U)", "—", "切り取り(&T)", "ｺﾋﾟｰ(&C)", "貼り付け(&P)"}));
    EXPECT_EQ(card.Command8->text(), "画像ﾌｧｲﾙの読み込み(&L)");
    EXPECT_EQ(card.Command9->text(), "画像の挿入(&P)");
    EXPECT_EQ(card.Command1->text(), "ｵﾌﾞｼﾞｪｸﾄの挿入(&A)");

    const QString freeBefore = free.RichTextBox1->text();
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(img);
    card.Command9->click();
    EXPECT_EQ(card.RichTextBox1->text(), QString(QChar(0xFFFC)));
    EXPECT_EQ(free.RichTextBox1->text(), freeBefore);

    const QString doc = dir.filePath("地図.doc");
    QFile f(doc);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("map");
    f.close();
    free.Inserts->embedFile(doc);
    EXPECT_EQ(free.Inserts->Text11->text(), doc);
    EXPECT_EQ(card.Inserts->Text11->text(), "Text11");
    EXPECT_EQ(card.RichTextBox1->text(), QString(QChar(0xFFFC)));

}

// A picture of 20000 x 20000 pixels (a few kilobytes on disk) is too large
// to decode: the picture picker and the object insertion, opened by the
// postcard editor's buttons, each say so and the page stays as it was.
TEST_F(HagakiTest, APictureTooLargeToDecodeIsReportedByThePickerAndTheObjectInsertion)
{
    writeFileBytes(dir.filePath("huge.png"), hugePng(20000, 20000));
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path());
    frmHagaki& card = open();
    card.RichTextBox1->setText(QStringLiteral("賀正"));
    const auto saysTooLarge = [&] {
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_TRUE(asked[0].text.contains(QStringLiteral("大きすぎ"))) << asked[0].text.toStdString();
        EXPECT_TRUE(asked[0].text.contains(QStringLiteral("20000×20000"))) << asked[0].text.toStdString();
        asked.clear();
    };

    bool pickerStayed = false;
    QTimer::singleShot(0, [&] {
        auto* picker = qobject_cast<editors::frmFileLoad*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->File1->setFileName(QStringLiteral("huge.png"));
        picker->Command1->click();
        pickerStayed = !picker->isUnloaded();
        picker->Command2->click();
    });
    card.Command8->click();
    EXPECT_TRUE(pickerStayed);
    saysTooLarge();

    bool dialogStayed = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<editors::frmHagakiSub*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->Text3->setText(dir.filePath("huge.png"));
        d->Command1->click();
        dialogStayed = !d->isUnloaded();
        d->Command2->click();
    });
    card.Command1->click();
    EXPECT_TRUE(dialogStayed);
    saysTooLarge();
    EXPECT_EQ(card.RichTextBox1->text(), QStringLiteral("賀正")) << "nothing embedded";
    QDir::setCurrent(oldCurrent);
}

// After a free-size print on A3 in landscape, a postcard printed without the
// size notice comes out on postcard paper, upright: each print sets its
// paper and orientation from its own page.
TEST_F(HagakiTest, APostcardAfterAFreeSizeA3LandscapePrintIsOnItsOwnPaper)
{
    host.c.Check3 = false;
    editors::frmFreeSize& free = FreeSizeTest::open(420, 150);
    free.RichTextBox1->setText(QStringLiteral("御祝"));
    free.Text1->setText(QStringLiteral("1"));
    free.mnuFilePrint->trigger();
    ASSERT_EQ(rec->paperCode(), prn::DMPAPER_A3);
    ASSERT_EQ(rec->orientation(), prn::vbPRORLandscape);

    struct Case {
        const char* layout;
        int paper, orientation;
    };
    for (const Case c : {Case{"はがき　縦置き／縦書き", 43, 1}, Case{"はがき　横置き／横書き", 43, 2},
                         Case{"往復はがき　縦置き／縦書き", 69, 1}}) {
        SCOPED_TRACE(c.layout);
        frmHagaki& w = open();
        choose(w, QString::fromUtf8(c.layout));
        w.RichTextBox1->setText(QStringLiteral("謹賀新年"));
        rec->clearCalls();
        w.mnuFilePrint->trigger();
        EXPECT_EQ(rec->count("startDoc"), 1);
        EXPECT_EQ(rec->paperCode(), c.paper);
        EXPECT_EQ(rec->orientation(), c.orientation);
    }
}

TEST_F(HagakiTest, TheLayoutListShowsEveryLayoutWhole)
{
    frmHagaki& w = open();
    w.show();
    QApplication::processEvents();
    QStyleOptionComboBox opt;
    opt.initFrom(w.Combo3);
    opt.editable = w.Combo3->isEditable();
    const QRect field = w.Combo3->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, w.Combo3);
    for (int i = 0; i < w.Combo3->count(); ++i)
        EXPECT_GE(field.width(), w.Combo3->fontMetrics().horizontalAdvance(w.Combo3->itemText(i)))
            << w.Combo3->itemText(i).toStdString();
    EXPECT_TRUE(w.Combo3->isVisible());
}
