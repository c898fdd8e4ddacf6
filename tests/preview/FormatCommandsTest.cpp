// The format and edit commands over the editor's two boxes.
#include "preview/PreviewSupport.h"
#include "common/SpinnerArrows.h"

#include "common/Drive.h"
#include "common/RealBoxes.h"
#include "platform/richtext/TextLayout.h"
#include "common/FontDialogDriver.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QScreen>
#include <QMenu>
#include "platform/forms/UpDown.h"

using preview::frmNoshiPreView;
using preview::PreviewFormatter;

namespace {

const QString NothingSelected = QStringLiteral("入力事項の確認|変更する文字が選択されていません。");

// The format of one character.
rt::CharFormat at(rt::RichTextBox& box, qsizetype pos)
{
    qsizetype i = pos;
    for (const rt::Paragraph& p : box.document().paragraphs) {
        for (const rt::Inline& item : p.items) {
            if (i < item.length())
                return item.format;
            i -= item.length();
        }
        i -= 2;
    }
    ADD_FAILURE() << "no character at " << pos;
    return {};
}

// A point inside the character at pos, a little after its start (`end`:
// a little before its end), as the box's view shows it.
QPoint pointAt(rt::RichTextEdit& view, qsizetype pos, bool end = false)
{
    const auto layout = view.box()->layout();
    const rt::LaidLine& l = layout->lines()[layout->lineOf(pos)];
    const qsizetype k = pos - l.start;
    const double step = (l.stops[k + 1] - l.stops[k]) / 5;
    const double along = end ? l.stops[k + 1] - step : l.stops[k] + step;
    return view.viewportPointAt(QPointF(l.rectMm.center().x(), along)).toPoint();
}

// Drags the mouse over the characters [from, to) of a box's view, as the user selects.
void dragOver(rt::RichTextEdit& view, qsizetype from, qsizetype to)
{
    QWidget* vp = view.viewport();
    drive::mousePress(vp, Qt::LeftButton, {}, pointAt(view, from));
    drive::mouseMove(vp, pointAt(view, to - 1, true));
    drive::mouseRelease(vp, Qt::LeftButton, {}, pointAt(view, to - 1, true));
}

// The pixels of a box's view as the screen shows them now that have the
// selection's blue in them (the page is white, the text black).
int highlightedPixels(rt::RichTextEdit& view)
{
    QApplication::processEvents();
    QWidget* top = view.window();
    const QRect r(view.viewport()->mapTo(top, QPoint(0, 0)), view.viewport()->size());
    const QImage shown = top->screen()->grabWindow(top->winId(), r.x(), r.y(), r.width(), r.height()).toImage();
    int n = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            n += c.blue() > c.red() + 30;
        }
    return n;
}

} // namespace

class FormatTest : public PreviewTest {
protected:
    frmNoshiPreView* p = nullptr;

    void SetUp() override
    {
        PreviewTest::SetUp();
        p = preview::NoshiPreView().get();
        // 御中元 at 20 points, 山田太郎 at 12 with 田 at 16.
        for (auto [box, text, size] : {std::tuple{p->RichTextBox1, QStringLiteral("御中元"), 20.0},
                                       std::tuple{p->RichTextBox2, QStringLiteral("山田太郎"), 12.0}}) {
            box->setSelFontName(QStringLiteral("ＭＳ 明朝"));
            box->setSelFontSize(size);
            box->setText(text);
        }
        p->RichTextBox2->setSelStart(1);
        p->RichTextBox2->setSelLength(1);
        p->RichTextBox2->setSelFontSize(16);
        p->RichTextBox1->setSelStart(0);
        p->RichTextBox2->setSelStart(0);
        app::store().UsuzumiColor = 0xC0C0C0;
        p->OmotegakiChanged = p->NagakiChanged = false;
        ui::clearShownMessages();
    }
    PreviewFormatter& f() { return p->format(); }
    // The editor on the screen as the window the user works in.
    bool showActive()
    {
        p->show();
        p->activateWindow();
        QElapsedTimer waited;
        waited.start();
        while (!p->isActiveWindow() && waited.elapsed() < 3000)
            QApplication::processEvents();
        return p->isActiveWindow();
    }
};

TEST_F(FormatTest, ClickShowsTheSelectionsFormatAndCollapsesTheOther)
{
    select(*p, 1, 0, 2);
    EXPECT_EQ(p->Text7->text(), "20");
    EXPECT_EQ(p->Combo2->currentText(), "ＭＳ 明朝");
    EXPECT_EQ(p->Text5->text(), "0");
    EXPECT_EQ(f().lastClicked(), 1);

    // A mixed selection reports no single size: the box keeps its number.
    select(*p, 2, 0, 3);
    EXPECT_EQ(p->RichTextBox1->selLength(), 0);
    EXPECT_EQ(p->Text7->text(), "20");
    EXPECT_EQ(f().lastClicked(), 2);
    // Showing a size never changes the text it shows.
    EXPECT_EQ(at(*p->RichTextBox2, 0).size, 12);
    EXPECT_EQ(at(*p->RichTextBox2, 1).size, 16);
    EXPECT_FALSE(p->NagakiChanged);
}

TEST_F(FormatTest, AttributesOnAMixedSelectionAndTheOtherCaret)
{
    // 田太 selected in the name box after 御 in the inscription: the click collapsed the inscription.
    select(*p, 1, 0, 1);
    select(*p, 2, 1, 2);
    f().bold();
    f().italic();
    f().underline();
    f().strikeThrough();
    for (qsizetype i : {1, 2}) {
        const rt::CharFormat c = at(*p->RichTextBox2, i);
        EXPECT_TRUE(c.bold && c.italic && c.underline && c.strike) << i;
        EXPECT_EQ(c.size, i == 1 ? 16 : 12); // each character keeps its size
    }
    EXPECT_FALSE(at(*p->RichTextBox2, 0).bold);
    EXPECT_FALSE(at(*p->RichTextBox1, 0).bold);         // the inscription's text is untouched
    EXPECT_TRUE(p->RichTextBox1->insertionFormat().bold); // only its caret format took it
    // Set, never toggled.
    f().bold();
    EXPECT_TRUE(at(*p->RichTextBox2, 1).bold);

    p->RichTextBox2->setSelColor(0x0000FF);
    f().plain();
    const rt::CharFormat c = at(*p->RichTextBox2, 1);
    EXPECT_FALSE(c.bold || c.italic || c.underline || c.strike);
    EXPECT_EQ(c.size, 16);
    EXPECT_EQ(c.color, 0x0000FFu);
    EXPECT_EQ(c.fontName, "ＭＳ 明朝");
    EXPECT_TRUE(ui::shownMessages().empty());
}

TEST_F(FormatTest, CommandsThatNeedSelectedText)
{
    struct Case {
        const char* what;
        void (PreviewFormatter::*command)();
        bool asks; // the message when nothing is selected
    };
    const Case cases[] = {
        {"size", &PreviewFormatter::sizeCommand, true},
        {"font dialog", &PreviewFormatter::fontDialog, true},
        {"colour dialog", &PreviewFormatter::colorDialog, true},
        {"thin ink (menu)", &PreviewFormatter::usuzumiFromMenu, true},
        {"thin ink (pop-up)", &PreviewFormatter::usuzumiFromPopup, false},
        {"bold", &PreviewFormatter::bold, false},
        {"plain", &PreviewFormatter::plain, false},
    };
    answerDialogs("unused");
    for (const Case& c : cases) {
        select(*p, 2, 2, 0);
        ui::clearShownMessages();
        ui::clearShownDialogs();
        const rt::RichDocument before1 = p->RichTextBox1->document(), before2 = p->RichTextBox2->document();
        (f().*c.command)();
        EXPECT_EQ(messages(), c.asks ? QStringList{NothingSelected} : QStringList{}) << c.what;
        if (c.asks) {
            EXPECT_TRUE(ui::shownDialogs().empty()) << c.what;
            EXPECT_EQ(p->RichTextBox1->document(), before1) << c.what;
            EXPECT_EQ(p->RichTextBox2->document(), before2) << c.what;
        }
    }
}

TEST_F(FormatTest, ThinInkAndColours)
{
    // Both boxes hold text: the menu command colours both, the focus ends in the name box.
    p->RichTextBox1->setSelStart(0);
    p->RichTextBox1->setSelLength(1);
    p->RichTextBox2->setSelStart(0);
    p->RichTextBox2->setSelLength(2);
    p->show();
    f().usuzumiFromMenu();
    EXPECT_EQ(at(*p->RichTextBox1, 0).color, 0xC0C0C0u);
    EXPECT_EQ(at(*p->RichTextBox2, 1).color, 0xC0C0C0u);
    EXPECT_EQ(at(*p->RichTextBox2, 2).color, 0u);
    EXPECT_TRUE(p->RichTextBox2View->hasFocus() || !p->isActiveWindow());

    // The colour dialog starts at blue and replaces thin ink like any colour.
    ui::setDialogAnswerer([](const ui::DialogRequest& r) {
        ui::DialogAnswer a;
        a.accepted = true;
        a.color = r.color == 0xFF0000 ? 0x00FF00 : 0x123456;
        return a;
    });
    f().colorDialog();
    EXPECT_EQ(at(*p->RichTextBox1, 0).color, 0x00FF00u);
    EXPECT_EQ(at(*p->RichTextBox2, 0).color, 0x00FF00u);

    // A cancelled dialog applies nothing.
    answerDialogs(QString());
    f().colorDialog();
    EXPECT_EQ(at(*p->RichTextBox1, 0).color, 0x00FF00u);
}

TEST_F(FormatTest, SizeBox)
{
    select(*p, 1, 0, 2);
    const int beeps = ui::beepCount();
    struct Case {
        const char* typed;
        bool beep;
        double size; // of 御 afterwards
        int spinner;
    };
    // The click showed 20; the spinner follows accepted sizes within 4 to 500.
    ASSERT_EQ(p->UpDown3->value(), 20);
    const Case cases[] = {
        {"", true, 20, 20}, {"abc", true, 20, 20}, {"501", true, 20, 20}, {"500", false, 500, 500},
        {"0", false, 500, 500}, {"2", false, 2, 500}, {"10.5", false, 10.5, 10}, {"30", false, 30, 30},
    };
    int beeped = 0;
    for (const Case& c : cases) {
        p->Text7->setText(c.typed);
        beeped += c.beep;
        EXPECT_EQ(ui::beepCount() - beeps, beeped) << c.typed;
        EXPECT_EQ(at(*p->RichTextBox1, 0).size, c.size) << c.typed;
        EXPECT_EQ(p->UpDown3->value(), c.spinner) << c.typed;
        EXPECT_EQ(p->Text7->text(), c.typed) << c.typed; // the spinner never writes back
    }
    EXPECT_TRUE(ui::shownMessages().empty());
    // The spinner writes whole numbers, applied like typing.
    p->UpDown3->setValue(31);
    EXPECT_EQ(p->Text7->text(), "31");
    EXPECT_EQ(at(*p->RichTextBox1, 1).size, 31);
    EXPECT_EQ(at(*p->RichTextBox1, 2).size, 20); // 元 was not selected
}

TEST_F(FormatTest, SizeCommandWithBothBoxesSelectedShowsTheNameSize)
{
    p->RichTextBox1->setSelStart(0);
    p->RichTextBox1->setSelLength(1);
    p->RichTextBox2->setSelStart(0);
    p->RichTextBox2->setSelLength(1);
    f().sizeCommand();
    EXPECT_EQ(p->Text7->text(), "12");
    EXPECT_TRUE(f().sizeBoxHighlighted());
    // Shown only: neither selection changed size yet.
    EXPECT_EQ(at(*p->RichTextBox1, 0).size, 20);
    EXPECT_EQ(at(*p->RichTextBox2, 0).size, 12);
    p->Text7->setText("18");
    EXPECT_EQ(at(*p->RichTextBox1, 0).size, 18);
    EXPECT_EQ(at(*p->RichTextBox2, 0).size, 18);
    EXPECT_FALSE(f().sizeBoxHighlighted());
}

TEST_F(FormatTest, BaselineInTwips)
{
    select(*p, 2, 0, 2);
    p->Text5->setText("-20");
    EXPECT_DOUBLE_EQ(at(*p->RichTextBox2, 0).offset, -1.0);
    EXPECT_DOUBLE_EQ(at(*p->RichTextBox2, 1).offset, -1.0);
    EXPECT_DOUBLE_EQ(at(*p->RichTextBox2, 2).offset, 0.0);
    p->Text5->setText("x"); // refused: nothing changes
    EXPECT_DOUBLE_EQ(at(*p->RichTextBox2, 0).offset, -1.0);
    // The spinner steps by 10 within -1000 to 1000.
    EXPECT_EQ(p->UpDown2->singleStep(), 10);
    EXPECT_EQ(p->UpDown2->minimum(), -1000);
    EXPECT_EQ(p->UpDown2->maximum(), 1000);
    p->UpDown2->setValue(60);
    EXPECT_EQ(p->Text5->text(), "60");
    clickArrow(p->UpDown2, true); // the upper arrow counts up
    EXPECT_EQ(p->Text5->text(), "70");
    clickArrow(p->UpDown2, false);
    EXPECT_EQ(p->Text5->text(), "60");
    EXPECT_DOUBLE_EQ(at(*p->RichTextBox2, 0).offset, 3.0);
    // A click shows the selection's offset in twips.
    select(*p, 2, 0, 1);
    EXPECT_EQ(p->Text5->text(), "60");
}

TEST_F(FormatTest, FontListAndChoice)
{
    f().fontListDropDown();
    QStringList listed;
    for (int i = 0; i < p->Combo2->count(); ++i)
        listed << p->Combo2->itemText(i);
    ASSERT_FALSE(listed.isEmpty());
    for (const QString& n : listed)
        EXPECT_FALSE(n.startsWith(u'@')) << n.toStdString();
    QStringList sorted = listed;
    sorted.sort();
    EXPECT_EQ(listed, sorted);
    EXPECT_TRUE(listed.contains(QStringLiteral("ＭＳ ゴシック")));

    // A vertical font shows its "@"; choosing from the list gives the plain name.
    p->RichTextBox1->setSelStart(0);
    p->RichTextBox1->setSelLength(3);
    p->RichTextBox1->setSelFontName(QStringLiteral("@ＭＳ 明朝"));
    select(*p, 1, 0, 3);
    EXPECT_EQ(p->Combo2->currentText(), "@ＭＳ 明朝");
    p->Combo2->setCurrentIndex(listed.indexOf(QStringLiteral("ＭＳ ゴシック")));
    f().fontChosen();
    EXPECT_EQ(at(*p->RichTextBox1, 1).fontName, "ＭＳ ゴシック");
    EXPECT_EQ(p->RichTextBox2->insertionFormat().fontName, "ＭＳ ゴシック");
}

TEST_F(FormatTest, FontDialogAppliesTheNameToBoth)
{
    select(*p, 1, 0, 1);
    ui::setDialogAnswerer([](const ui::DialogRequest&) {
        ui::DialogAnswer a;
        a.accepted = true;
        a.font.name = QStringLiteral("ＭＳ ゴシック");
        a.font.size = 40;
        return a;
    });
    f().fontDialog();
    EXPECT_EQ(at(*p->RichTextBox1, 0).fontName, "ＭＳ ゴシック");
    EXPECT_EQ(at(*p->RichTextBox1, 0).size, 20); // the dialog's size is not applied
    EXPECT_EQ(p->RichTextBox2->insertionFormat().fontName, "ＭＳ ゴシック");
}

TEST_F(FormatTest, EditCommandsGoToTheBoxClickedLast)
{
    p->show();
    // Before any click: the name box.
    p->RichTextBox2->setSelStart(0);
    p->RichTextBox2->setSelLength(2);
    p->RichTextBox1->setSelStart(0);
    p->RichTextBox1->setSelLength(1);
    f().copy();
    f().paste(); // replaces 山田 with itself
    EXPECT_EQ(p->RichTextBox2->text(), "山田太郎");
    p->RichTextBox2->setSelStart(4);
    f().paste();
    EXPECT_EQ(p->RichTextBox2->text(), "山田太郎山田");

    select(*p, 1, 1, 2);
    f().cut();
    EXPECT_EQ(p->RichTextBox1->text(), "御");
    f().undo();
    EXPECT_EQ(p->RichTextBox1->text(), "御中元");
    EXPECT_EQ(p->RichTextBox2->text(), "山田太郎山田");
}

TEST_F(FormatTest, UndoAfterFormatting)
{
    p->show();
    select(*p, 1, 0, 2);
    f().bold();
    p->Text7->setText("40");
    ASSERT_TRUE(at(*p->RichTextBox1, 0).bold);
    ASSERT_EQ(at(*p->RichTextBox1, 0).size, 40);
    f().undo();
    EXPECT_EQ(at(*p->RichTextBox1, 0).size, 20);
    EXPECT_TRUE(at(*p->RichTextBox1, 0).bold);
    f().undo();
    EXPECT_FALSE(at(*p->RichTextBox1, 0).bold);

    // Back to plain switches four attributes off in one step.
    select(*p, 1, 0, 2);
    f().bold();
    f().italic();
    f().underline();
    f().plain();
    ASSERT_FALSE(at(*p->RichTextBox1, 0).bold || at(*p->RichTextBox1, 0).underline);
    f().undo();
    const rt::CharFormat back = at(*p->RichTextBox1, 0);
    EXPECT_TRUE(back.bold && back.italic && back.underline);
}

TEST_F(FormatTest, PopupItemsFollowTheSelection)
{
    const QList<QAction*> needText = {p->mnuPopFont, p->mnuPopColor, p->mnuPopUsuzumi, p->mnuPopSize};
    select(*p, 1, 0, 0);
    f().boxRightPressed(1);
    for (QAction* a : needText)
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(p->mnuPopEditPaste->isEnabled());
    select(*p, 1, 0, 1);
    f().boxRightPressed(1);
    for (QAction* a : needText)
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(FormatTest, MenusCarryTheirCaptionsAndShortcuts)
{
    struct Case {
        QAction* item;
        const char* caption;
        QKeySequence key;
    };
    const Case cases[] = {
        {p->mnuFileLoad1, "表書きﾌｧｲﾙﾘｽﾄを開く(&O)　　　　", QKeySequence("Ctrl+O")},
        {p->mnuList, "名書きﾌｧｲﾙﾘｽﾄを開く(&N)　　　　", QKeySequence("Ctrl+N")},
        {p->mnuFileSaveAs, "名書きの保存(&A)...", QKeySequence("Ctrl+A")},
        {p->mnuFilePrint, "印刷(&P)...", QKeySequence("Ctrl+P")},
        {p->mnuFileExit, "閉じる(&X)", QKeySequence()},
        {p->mnuEditUndo, "元に戻す(&U)", QKeySequence()},
        {p->mnuEditCut, "切り取り(&T)", QKeySequence("Ctrl+X")},
        {p->mnuEditCopy, "ｺﾋﾟｰ(&C)", QKeySequence("Ctrl+C")},
        {p->mnuEditPaste, "貼り付け(&P)", QKeySequence("Ctrl+V")},
        {p->mnuUsuzumi, "薄墨に変更(&U)", QKeySequence()},
        {p->mnuPopUsuzumi, "薄墨に変更(&G)", QKeySequence()},
        {p->mnuFontSize, "ﾌｫﾝﾄｻｲｽﾞの変更(&B)", QKeySequence()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.item->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(c.item->shortcut(), c.key) << c.caption;
    }
}

// The pop-up's font item with text selected in the inscription only: the
// name and colour picked in the dialog reach both boxes (the name box at its
// caret), size, style and effects do not; the next opening starts from them.
TEST_F(FormatTest, FontDialogRoadAppliesNameAndColourAndRemembersThem)
{
    select(*p, 1, 0, 1);
    using testing_support::FontDialogDriver;
    QString firstName;
    FontDialogDriver first([&](ui::FontDialog& d) {
        firstName = d.familyEdit->text();
        FontDialogDriver::pick(d.familyList, QStringLiteral("ＭＳ ゴシック"));
        FontDialogDriver::pick(d.styleList, QStringLiteral("太字"));
        FontDialogDriver::pick(d.sizeList, QStringLiteral("72"));
        d.strikeThruBox->click();
        FontDialogDriver::pickColor(d, QStringLiteral("赤"));
        d.okButton->click();
    });
    p->mnuPopFont->trigger();
    ASSERT_TRUE(first.shown());
    EXPECT_EQ(firstName, QStringLiteral("ＭＳ 明朝"));
    const rt::CharFormat chosen = at(*p->RichTextBox1, 0);
    EXPECT_EQ(chosen.fontName, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(chosen.color, 0x0000FFu);
    EXPECT_EQ(chosen.size, 20);
    EXPECT_FALSE(chosen.bold);
    EXPECT_FALSE(chosen.strike);
    EXPECT_EQ(at(*p->RichTextBox1, 1).color, 0u) << "only the selection";
    EXPECT_EQ(p->RichTextBox2->insertionFormat().fontName, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(p->RichTextBox2->insertionFormat().color, 0x0000FFu);

    // The menu item opens it on the last values; a vertical name is kept with its "@".
    ui::FontChoice shown;
    FontDialogDriver second([&](ui::FontDialog& d) {
        shown = d.choice();
        FontDialogDriver::pick(d.familyList, QStringLiteral("@ＭＳ 明朝"));
        d.okButton->click();
    });
    p->mnuFontChange->trigger();
    ASSERT_TRUE(second.shown());
    EXPECT_EQ(shown, (ui::FontChoice{QStringLiteral("ＭＳ ゴシック"), 72, true, false, false, true, 0x0000FF}));
    EXPECT_EQ(at(*p->RichTextBox1, 0).fontName, QStringLiteral("@ＭＳ 明朝"));
    EXPECT_EQ(at(*p->RichTextBox1, 0).color, 0x0000FFu);

    // Cancelled: nothing changes.
    FontDialogDriver cancelled([](ui::FontDialog& d) {
        FontDialogDriver::pick(d.familyList, QStringLiteral("IPA明朝"));
        d.cancelButton->click();
    });
    p->mnuFontChange->trigger();
    ASSERT_TRUE(cancelled.shown());
    EXPECT_EQ(at(*p->RichTextBox1, 0).fontName, QStringLiteral("@ＭＳ 明朝"));
}

// The font list opens wide enough to read every name whole, however narrow
// the box on the tool strip is.
TEST_F(FormatTest, FontListOpensAsWideAsItsLongestName)
{
    p->show();
    p->Combo2->showPopup();
    QAbstractItemView* list = p->Combo2->view();
    ASSERT_GT(p->Combo2->count(), 4);
    QString widest;
    for (int i = 0; i < p->Combo2->count(); ++i)
        if (list->fontMetrics().horizontalAdvance(p->Combo2->itemText(i)) > list->fontMetrics().horizontalAdvance(widest))
            widest = p->Combo2->itemText(i);
    const int needed = list->fontMetrics().horizontalAdvance(widest) + 6; // the item's text margins
    EXPECT_LT(p->Combo2->width(), needed) << "the box itself is narrower";
    EXPECT_GE(list->viewport()->width(), needed) << widest.toStdString();
    p->Combo2->hidePopup();
}

TEST_F(FormatTest, ASelectionGoneFromABoxIsGoneFromTheScreen)
{
    ASSERT_TRUE(showActive());
    rt::RichTextEdit& omote = *p->RichTextBox1View;
    rt::RichTextEdit& names = *p->RichTextBox2View;

    dragOver(omote, 0, 2); // 御中
    EXPECT_EQ(p->RichTextBox1->selText(), "御中");
    EXPECT_GT(highlightedPixels(omote), 0);
    drive::click(p->Text7); // about to type a size, then thinks better of it
    EXPECT_GT(highlightedPixels(omote), 0);

    // A click in the names takes the selection away from the inscription,
    // on the screen as in the box; the commands that need one then say so.
    drive::mouseClick(names.viewport(), Qt::LeftButton, {}, pointAt(names, 0));
    EXPECT_EQ(p->RichTextBox1->selLength(), 0);
    EXPECT_EQ(highlightedPixels(omote), 0);
    realbox::answers({});
    p->mnuFontChange->trigger();
    EXPECT_EQ(messages(), QStringList{NothingSelected});

    // Selected by code (the inscription's own command): shown at once.
    p->RichTextBox1->setSelStart(1);
    p->RichTextBox1->setSelLength(2);
    EXPECT_GT(highlightedPixels(omote), 0);
}

TEST_F(FormatTest, CopyKeyInTheSizeBoxCopiesFromTheBoxClickedLast)
{
    ASSERT_TRUE(showActive());
    QApplication::clipboard()->setText(QStringLiteral("前"));

    dragOver(*p->RichTextBox2View, 0, 1); // 山
    EXPECT_EQ(p->Text7->text(), "12");
    drive::click(p->Text7);
    p->Text7->selectAll();
    ASSERT_TRUE(p->Text7->hasFocus());
    drive::typedKey(p->Text7, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "山");
    EXPECT_EQ(p->Text7->text(), "12");
}
