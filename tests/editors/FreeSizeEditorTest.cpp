// The free-size editor: its paper from the settings or the dispatcher, the
// seeded inscription, the writing direction, the page-size dialog, the
// closing question and its files.
#include "EditorSupport.h"

#include "editors/DialogFree.h"
#include "editors/OmoteSeed.h"
#include "platform/richtext/RichTextEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

using editors::frmFreeSize;
using editors::OmoteSizeOption;

namespace {

void selectLast(rt::RichTextBox& box, qsizetype n)
{
    box.setSelStart(box.document().length() - n);
    box.setSelLength(n);
}

} // namespace

TEST(FreeSizeSeed, BaseSizeOffsetAndLeadLines)
{
    // Paper height -> base size in points.
    const std::pair<int, int> bases[] = {{0, 30},   {150, 30},  {151, 40},  {200, 40},  {201, 50},  {300, 60},
                                         {301, 70}, {450, 90},  {451, 100}, {500, 100}, {501, 150}, {-1, 150}};
    for (const auto& [h, pt] : bases)
        EXPECT_EQ(editors::SeedBaseSize(h), pt) << h;
    EXPECT_EQ(editors::SeedSizeDelta(OmoteSizeOption::Standard, 7), 0);
    EXPECT_EQ(editors::SeedSizeDelta(OmoteSizeOption::Larger, 0), 10);
    EXPECT_EQ(editors::SeedSizeDelta(OmoteSizeOption::Smaller, 0), -10);
    EXPECT_EQ(editors::SeedSizeDelta(OmoteSizeOption::Extra, 0), 20);
    EXPECT_EQ(editors::SeedSizeDelta(OmoteSizeOption::None, 7), 7);
    // (120 - 21.1667) / 2 / 1.587502 = 31.13 -> 31; a wide paper always 5;
    // a paper narrower than the column: (10 - 21.1667) / 2 / 1.587502 = -3.5 -> -4.
    EXPECT_EQ(editors::SeedLeadLines(120, 300, 21.1667, 1.587502), 31);
    EXPECT_EQ(editors::SeedLeadLines(300, 120, 21.1667, 1.587502), 5);
    EXPECT_EQ(editors::SeedLeadLines(10, 300, 21.1667, 1.587502), -4);
}

TEST_F(FreeSizeTest, MenuOpensTheStoredSizeOrTheDefaults)
{
    struct Case {
        const char *wide, *height, *direction;
        int w, h;
        bool vertical;
    };
    // Nothing stored, a stored wide horizontal page, sizes no page can have.
    const Case cases[] = {{nullptr, nullptr, nullptr, 120, 300, true},
                          {"200", "100", "横書き", 200, 100, false},
                          {"0", "1001", "斜め", 120, 300, true},
                          {"abc", "-5", nullptr, 120, 300, true},
                          {"1000", "1", "縦書き", 1000, 1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wide ? c.wide : "none");
        QFile::remove(settings::storePath());
        settings::reload();
        if (c.wide) {
            settings::SaveSetting("FreeSizeWide", c.wide);
            settings::SaveSetting("FreeSizeHeight", c.height);
        }
        if (c.direction)
            settings::SaveSetting("FreeSizeCmb3", c.direction);
        frmFreeSize& f = open();
        EXPECT_EQ(f.paperWidth(), c.w);
        EXPECT_EQ(f.paperHeight(), c.h);
        EXPECT_EQ(app::store().PaperWidth, c.w);
        EXPECT_EQ(f.RichTextBox1->vertical(), c.vertical);
        EXPECT_EQ(f.RichTextBox1->widthMm(), c.w);
        EXPECT_EQ(f.RichTextBox1->heightMm(), c.h);
        EXPECT_EQ(f.RichTextBox1->rightMarginMm(), c.vertical ? c.h : c.w);
        f.Form_Activate();
        EXPECT_EQ(f.StatusPanel1->text(), QStringLiteral("　用紙サイズ　横×%1mm　縦×%2mm").arg(c.w).arg(c.h));
        EXPECT_EQ(f.Text12->text(), f.StatusPanel1->text());
        EXPECT_TRUE(f.unload());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FreeSizeTest, SeedsTheInscriptionCentredAcrossATallPaper)
{
    struct Case {
        bool thin, bold;
    };
    for (const Case c : {Case{false, false}, Case{true, true}}) {
        SCOPED_TRACE(c.thin);
        host.c.thinInk = c.thin;
        host.c.omoteBold = c.bold;
        host.c.copies = QStringLiteral("3");
        frmFreeSize& f = open();
        rt::RichTextBox& box = *f.RichTextBox1;
        // 60 pt on a 300 mm paper; 31 lines, so 30 blank 4-point lines first.
        EXPECT_EQ(box.text(), QStringLiteral("\r\n").repeated(30) + QStringLiteral("  御中元"));
        EXPECT_EQ(f.Text1->text(), QStringLiteral("3"));
        EXPECT_EQ(f.Combo2->currentText(), QStringLiteral("ＭＳ Ｐ明朝"));
        EXPECT_FALSE(f.IsDirty);
        // Typing goes on in the inscription's font, size and colour, not bold.
        f.RichTextBox1View->typeText(QStringLiteral("様"));
        selectLast(box, 1);
        EXPECT_EQ(box.selBold(), false);
        EXPECT_EQ(box.selColor(), c.thin ? 0x808080u : 0u);
        EXPECT_EQ(box.selFontSize(), 60);
        box.setSelStart(box.document().length() - 4);
        box.setSelLength(3);
        EXPECT_EQ(box.selText(), QStringLiteral("御中元"));
        EXPECT_EQ(box.selFontName(), QStringLiteral("ＭＳ Ｐ明朝"));
        EXPECT_EQ(box.selFontSize(), 60);
        EXPECT_EQ(box.selBold(), c.bold);
        EXPECT_EQ(box.selColor(), c.thin ? 0x808080u : 0u);
        // The two blanks in the measuring font at the base size; the blank
        // lines at 4 points.
        box.setSelStart(box.document().length() - 6);
        box.setSelLength(2);
        EXPECT_EQ(box.selText(), QStringLiteral("  "));
        EXPECT_EQ(box.selFontName(), QStringLiteral("ＭＳ 明朝"));
        EXPECT_EQ(box.selFontSize(), 60);
        box.setSelStart(0);
        box.setSelLength(60);
        EXPECT_EQ(box.selFontSize(), 4);
        EXPECT_EQ(box.selFontName(), QStringLiteral("ＭＳ 明朝"));
        f.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FreeSizeTest, SeedsAWidePaperAfterFourLinesAndShowsThePlaceholder)
{
    host.c.omote.clear();
    host.c.omoteSize = OmoteSizeOption::Smaller;
    frmFreeSize& f = open(300, 150);
    EXPECT_TRUE(f.RichTextBox1->vertical()) << "a size from the dispatcher starts vertical";
    EXPECT_EQ(f.RichTextBox1->text(), QStringLiteral("\r\n").repeated(4) + QStringLiteral("  表書き"));
    selectLast(*f.RichTextBox1, 3);
    EXPECT_EQ(f.RichTextBox1->selFontSize(), 20); // 30 - 10
    EXPECT_EQ(f.SizeDelta, -10);
}

TEST_F(FreeSizeTest, WritingDirectionReflowsTheSameText)
{
    frmFreeSize& f = open();
    rt::RichTextBox& box = *f.RichTextBox1;
    box.setSelStart(box.document().length());
    f.RichTextBox1View->typeText(QStringLiteral("様"));
    const QString text = box.text();
    f.Combo3->setCurrentText(frmFreeSize::Horizontal);
    f.Combo3_Click();
    EXPECT_FALSE(box.vertical());
    EXPECT_EQ(box.rightMarginMm(), 120);
    EXPECT_EQ(box.text(), text);
    f.Combo3->setCurrentText(frmFreeSize::Vertical);
    f.Combo3_Click();
    EXPECT_TRUE(box.vertical());
    EXPECT_EQ(box.rightMarginMm(), 300);
    EXPECT_EQ(box.text(), text);
    EXPECT_EQ(box.widthMm(), 120);
    EXPECT_EQ(box.heightMm(), 300);
}

TEST_F(FreeSizeTest, PageSizeDialogRefusesSizesNoPageCanHave)
{
    frmFreeSize& f = open();
    QStringList shown;
    // Each step answers the dialog the editor has open.
    const auto fill = [&](const char* w, const char* h, bool ok) {
        QTimer::singleShot(0, [&, w, h, ok] {
            auto* d = qobject_cast<editors::DialogFree*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            shown << d->Text1->text() + "x" + d->Text2->text();
            d->Text1->setText(w);
            d->Text2->setText(h);
            if (ok) {
                d->OKButton_Click();
                if (!d->isUnloaded())
                    d->CancelButton_Click(); // refused: give up
            } else {
                d->CancelButton_Click();
            }
        });
        f.mnuPage_Click();
    };
    fill("0", "100", true);
    EXPECT_EQ(f.paperWidth(), 120);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, editors::DialogFree::OutOfRangeMessage);
    fill("200", "1001", true);
    fill("abc", "100", true);
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(f.paperWidth(), 120);
    fill("200", "100", false); // cancel
    EXPECT_EQ(f.paperWidth(), 120);
    fill("200", "100", true);
    EXPECT_EQ(f.paperWidth(), 200);
    EXPECT_EQ(f.paperHeight(), 100);
    EXPECT_EQ(app::store().PaperWidth, 200);
    EXPECT_EQ(f.RichTextBox1->widthMm(), 200);
    EXPECT_EQ(f.RichTextBox1->rightMarginMm(), 100); // vertical: wraps at the height
    EXPECT_EQ(shown.first(), QStringLiteral("120x300"));
    EXPECT_EQ(f.StatusPanel1->text(), QStringLiteral("　用紙サイズ　横×200mm　縦×100mm"));
}

TEST_F(FreeSizeTest, ReopenedFromTheMenuKeepsItsOwnPaper)
{
    frmFreeSize& f = open(200, 100);
    f.RichTextBox1View->typeText(QStringLiteral("様"));
    frmFreeSize& again = open(0, 0); // the menu command clears the program's paper
    EXPECT_EQ(&again, &f);
    EXPECT_EQ(f.paperWidth(), 200);
    EXPECT_EQ(app::store().PaperWidth, 200);
    EXPECT_EQ(app::store().PaperHeight, 100);
    EXPECT_TRUE(f.RichTextBox1->text().contains(QStringLiteral("様"))) << "the page stays";
}

TEST_F(FreeSizeTest, ClosingAsksOnlyAfterTheUsersChangesAndStoresThePaper)
{
    frmFreeSize& f = open(90, 250);
    f.Form_Activate();
    EXPECT_FALSE(f.IsDirty) << "the seeded page is no change";
    f.RichTextBox1View->typeText(QStringLiteral("様"));
    EXPECT_TRUE(f.IsDirty);
    f.Form_Activate();
    EXPECT_TRUE(f.IsDirty) << "coming back to the window keeps the user's change";

    answer = ui::Answer::Cancel;
    EXPECT_FALSE(f.unload());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, QStringLiteral("文章は変更されています。保存しますか？"));
    EXPECT_EQ(asked[0].title, QStringLiteral("ファイルに保存"));
    EXPECT_EQ(asked[0].buttons, ui::Buttons::YesNoCancel);

    // Yes, but the file cannot be written: the window and its page stay.
    answer = ui::Answer::Yes;
    answerDialogs(QStringLiteral("/nonexistent-folder/page.rtf"));
    EXPECT_FALSE(f.unload());
    EXPECT_EQ(asked.back().title, QStringLiteral("Caution"));
    EXPECT_TRUE(f.IsDirty);

    // Yes and the save dialog cancelled: closes unsaved.
    answerDialogs(QString());
    EXPECT_TRUE(f.unload());
    settings::reload();
    EXPECT_EQ(settings::GetSetting("FreeSizeWide"), QStringLiteral("90"));
    EXPECT_EQ(settings::GetSetting("FreeSizeHeight"), QStringLiteral("250"));
    EXPECT_EQ(settings::GetSetting("FreeSizeCmb3"), QStringLiteral("縦書き"));
}

TEST_F(FreeSizeTest, FilesRoundTripAndABadFileKeepsThePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.rtf"));
    frmFreeSize& f = open();
    f.RichTextBox1View->typeText(QStringLiteral("様"));
    const QString text = f.RichTextBox1->text();
    answerDialogs(path);
    EXPECT_TRUE(f.mnuFileSaveAs_Click());
    EXPECT_FALSE(f.IsDirty);
    EXPECT_EQ(f.windowTitle(), frmFreeSize::Caption) << "saving leaves the caption";

    // New page: the size dialog (cancelled), then an empty page.
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<editors::DialogFree*>(QApplication::activeModalWidget()))
            d->CancelButton_Click();
    });
    f.mnuFileNew_Click();
    EXPECT_TRUE(f.RichTextBox1->text().isEmpty());
    EXPECT_FALSE(f.IsDirty);

    f.mnuFileOpen_Click();
    EXPECT_EQ(f.RichTextBox1->text(), text);
    EXPECT_TRUE(f.RichTextBox1->vertical()) << "a file holds no writing direction";
    EXPECT_EQ(f.windowTitle(), QStringLiteral("フリーサイズ印刷  ") + path);
    EXPECT_EQ(f.Text4->text(), path);
    EXPECT_FALSE(f.IsDirty);

    answerDialogs(dir.filePath(QStringLiteral("missing.rtf")));
    asked.clear();
    f.mnuFileOpen_Click();
    EXPECT_EQ(f.RichTextBox1->text(), text);
    EXPECT_EQ(f.Text4->text(), path);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, QStringLiteral("Caution"));
}
