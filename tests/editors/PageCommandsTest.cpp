// The page editors' commands on their one page: the toolbar's toggles
// against the menu's "on", the selection test, the size box, the pop-up's
// items and the edit commands.
#include "EditorSupport.h"

#include "common/FontDialogDriver.h"

#include "platform/richtext/RichTextEdit.h"
#include "preview/PreviewFormatter.h"

#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <QLineEdit>
#include <QScrollBar>

using editors::frmFreeSize;

namespace {

// Selects the inscription "御中元" (the page's last three characters).
void selectInscription(frmFreeSize& f, qsizetype length = 3)
{
    rt::RichTextBox& box = *f.RichTextBox1;
    box.setSelStart(box.document().length() - 3);
    box.setSelLength(length);
    f.RichTextBox1_Click();
}

} // namespace

TEST_F(FreeSizeTest, ToolbarTogglesWhereTheMenuSetsOn)
{
    frmFreeSize& f = open();
    rt::RichTextBox& box = *f.RichTextBox1;
    selectInscription(f);
    f.mnuFontB->trigger();
    EXPECT_EQ(box.selBold(), true);
    f.mnuFontB->trigger();
    EXPECT_EQ(box.selBold(), true) << "the menu item sets bold, it does not toggle";
    f.Toolbar1_ButtonClick(QStringLiteral("太字"));
    EXPECT_EQ(box.selBold(), false);
    selectInscription(f, 1);
    f.Toolbar1_ButtonClick(QStringLiteral("太字"));
    selectInscription(f);
    EXPECT_EQ(box.selBold(), std::nullopt);
    f.Toolbar1_ButtonClick(QStringLiteral("太字"));
    EXPECT_EQ(box.selBold(), true) << "a partly bold selection becomes wholly bold";
    f.Toolbar1_ButtonClick(QStringLiteral("下線"));
    EXPECT_EQ(box.selUnderline(), true);
    f.mnuFontReset->trigger();
    EXPECT_EQ(box.selBold(), false);
    EXPECT_EQ(box.selUnderline(), false);
    EXPECT_EQ(box.selFontSize(), 60) << "plain keeps the size";
    EXPECT_TRUE(f.IsDirty);
    f.mnuEditUndo->trigger();
    EXPECT_EQ(box.selUnderline(), true) << "each command is one step to undo";
}

TEST_F(FreeSizeTest, CommandsNeedingASelectionSayWhenThereIsNone)
{
    frmFreeSize& f = open();
    const QString before = f.RichTextBox1->dump();
    for (QAction* a : {f.mnuFontColor, f.mnuUsuzumi, f.mnuFontSize, f.mnuFontChange}) {
        asked.clear();
        a->trigger();
        ASSERT_EQ(asked.size(), 1u) << a->text().toStdString();
        EXPECT_EQ(asked[0].text, preview::PreviewFormatter::NothingSelectedMessage);
        EXPECT_EQ(asked[0].title, QStringLiteral("入力事項の確認"));
    }
    EXPECT_EQ(f.RichTextBox1->dump(), before);
    EXPECT_FALSE(f.IsDirty);

    // The pop-up's format items follow the selection on every right press.
    f.format().boxRightPressed(1);
    EXPECT_FALSE(f.mnuPopFont->isEnabled());
    EXPECT_TRUE(f.mnuPopEditPaste->isEnabled());
    selectInscription(f);
    f.format().boxRightPressed(1);
    EXPECT_TRUE(f.mnuPopFont->isEnabled());
    f.mnuUsuzumi->trigger();
    EXPECT_EQ(f.RichTextBox1->selColor(), 0x808080u);
}

TEST_F(FreeSizeTest, SizeBoxAppliesEachKeystrokeUpToFiveHundred)
{
    frmFreeSize& f = open();
    selectInscription(f);
    EXPECT_EQ(f.Text7->text(), QStringLiteral("60"));
    for (const char* typed : {"5", "50", "501"})
        f.Text7->setText(typed);
    EXPECT_EQ(f.RichTextBox1->selFontSize(), 50);
    f.Text7->setText("500");
    EXPECT_EQ(f.RichTextBox1->selFontSize(), 500);
    // Copies: 0, above 200 and words leave the spinner where it was.
    f.Text1->setText("20");
    for (const char* typed : {"0", "201", "abc"})
        f.Text1->setText(typed);
    EXPECT_EQ(f.UpDown1->value(), 20);
}

// The colour swatch shows the selection's colour behind its caption, and the
// caption stays readable: light on black, dark on white.
TEST_F(FreeSizeTest, TheColourSwatchCaptionReadsOnAnyColour)
{
    frmFreeSize& f = open();
    f.show();
    const struct {
        uint32_t colour;
        bool lightCaption;
    } cases[] = {{0x000000, true}, {0xFFFFFF, false}, {0x000080, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        selectInscription(f);
        f.RichTextBox1->setSelColor(c.colour);
        selectInscription(f);
        const QImage shot = f.Command3->grab().toImage();
        // Caption pixels in the middle of the face, far from the swatch's colour.
        int caption = 0;
        const QRect face = shot.rect().adjusted(4, 4, -4, -4);
        for (int y = face.top(); y <= face.bottom(); ++y)
            for (int x = face.left(); x <= face.right(); ++x) {
                const int gray = qGray(shot.pixel(x, y));
                caption += c.lightCaption ? gray > 160 : gray < 96;
            }
        EXPECT_GT(caption, 15);
    }
}

// The font dialog applies the listed name and the colour it shows: black at
// first, then the blue the colour command leaves in the common dialog even
// when cancelled, though the user never touched the colour.
TEST_F(FreeSizeTest, FontDialogAppliesTheListedNameAndTheColourItShows)
{
    using testing_support::FontDialogDriver;
    frmFreeSize& f = open();
    rt::RichTextBox& box = *f.RichTextBox1;
    selectInscription(f);
    QString firstColour;
    FontDialogDriver first([&](ui::FontDialog& d) {
        firstColour = d.colorList->currentText();
        FontDialogDriver::pick(d.familyList, QStringLiteral("青柳衡山フォントT"));
        FontDialogDriver::pick(d.sizeList, QStringLiteral("72"));
        d.okButton->click();
    });
    f.mnuFontChange->trigger();
    ASSERT_TRUE(first.shown());
    EXPECT_EQ(firstColour, QStringLiteral("黒"));
    EXPECT_EQ(box.selFontName(), QStringLiteral("青柳衡山フォントT"));
    EXPECT_EQ(box.selColor(), 0u);
    EXPECT_EQ(box.selFontSize(), 60) << "the dialog's size is not applied";

    bool colourShown = false;
    QTimer::singleShot(0, [&] {
        if (auto* c = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            colourShown = true;
            c->reject();
        }
    });
    f.mnuFontColor->trigger();
    ASSERT_TRUE(colourShown);
    EXPECT_EQ(box.selColor(), 0u);

    QString secondColour;
    FontDialogDriver second([&](ui::FontDialog& d) {
        secondColour = d.colorList->currentText();
        d.okButton->click();
    });
    f.mnuFontChange->trigger();
    ASSERT_TRUE(second.shown());
    EXPECT_EQ(secondColour, QStringLiteral("青"));
    EXPECT_EQ(box.selColor(), 0xFF0000u); // blue, as &H00BBGGRR
    EXPECT_EQ(box.selFontName(), QStringLiteral("青柳衡山フォントT"));
}
