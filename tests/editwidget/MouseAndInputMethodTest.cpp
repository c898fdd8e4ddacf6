// Clicks, drags, double-clicks, the right button and the input method, with
// the mouse aimed at characters by the layout's geometry.
#include "EditWidgetSupport.h"

#include <gtest/gtest.h>

using edittest::Page;

TEST(EditMouse, ClickPlacesTheCaretAndDragSelects)
{
    for (bool vertical : {true, false}) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        Page page(vertical);
        page.write(QStringLiteral("御中元\r\n山田太郎"));
        const auto clicked = drive::count(page.edit.get(), &rt::RichTextEdit::clicked);

        drive::mouseClick(page.view(), Qt::LeftButton, {}, page.pointAt(7, true));
        EXPECT_EQ(page.box->selStart(), 7);
        EXPECT_EQ(page.box->selLength(), 0);
        EXPECT_EQ(*clicked, 1);

        // Drag from before 中 to before 太: across the paragraph end.
        drive::mousePress(page.view(), Qt::LeftButton, {}, page.pointAt(1, true));
        drive::mouseMove(page.view(), page.pointAt(7, true));
        drive::mouseRelease(page.view(), Qt::LeftButton, {}, page.pointAt(7, true));
        EXPECT_EQ(page.box->selText(), QStringLiteral("中元\r\n山田"));
        EXPECT_EQ(page.edit->caretPosition(), 7);
        EXPECT_EQ(*clicked, 2);

        // Shift-click moves the moving end and keeps the anchor.
        drive::mouseClick(page.view(), Qt::LeftButton, Qt::ShiftModifier, page.pointAt(2, true));
        EXPECT_EQ(page.box->selText(), QStringLiteral("中"));
    }
}

TEST(EditMouse, DoubleClickSelectsAWordOfOneKindOfWriting)
{
    Page page;
    page.write(QStringLiteral("山田たろうサービス様"));
    drive::mouseDClick(page.view(), Qt::LeftButton, {}, page.pointAt(3));
    EXPECT_EQ(page.box->selText(), QStringLiteral("たろう"));
    drive::mouseDClick(page.view(), Qt::LeftButton, {}, page.pointAt(6));
    EXPECT_EQ(page.box->selText(), QStringLiteral("サービス"));
    drive::mouseDClick(page.view(), Qt::LeftButton, {}, page.pointAt(0));
    EXPECT_EQ(page.box->selText(), QStringLiteral("山田"));
}

TEST(EditMouse, RightPressReportsAndKeepsTheSelection)
{
    Page page;
    page.write(QStringLiteral("御中元"));
    page.box->setSelStart(1);
    page.box->setSelLength(2);
    const auto right = drive::count(page.edit.get(), &rt::RichTextEdit::rightPressed);
    const auto clicked = drive::count(page.edit.get(), &rt::RichTextEdit::clicked);
    drive::mousePress(page.view(), Qt::RightButton, {}, page.pointAt(0));
    drive::mouseRelease(page.view(), Qt::RightButton, {}, page.pointAt(0));
    EXPECT_EQ(*right, 1);
    EXPECT_EQ(*clicked, 0);
    EXPECT_EQ(page.box->selText(), QStringLiteral("中元"));
}

TEST(EditMouse, ReadOnlyReportsClicksButLeavesTheSelection)
{
    Page page;
    page.write(QStringLiteral("御中元"));
    page.edit->setReadOnly(true);
    const auto clicked = drive::count(page.edit.get(), &rt::RichTextEdit::clicked);
    drive::mouseClick(page.view(), Qt::LeftButton, {}, page.pointAt(2, true));
    drive::mouseDClick(page.view(), Qt::LeftButton, {}, page.pointAt(1));
    EXPECT_GE(*clicked, 1);
    EXPECT_EQ(page.box->selStart(), 0);
    EXPECT_EQ(page.box->selLength(), 0);
}

TEST(EditInputMethod, PreeditShowsInPlaceAndCommitInserts)
{
    Page page;
    page.write(QStringLiteral("御元"));
    page.key(Qt::Key_Down);
    const QRect before = page.edit->caretRect();

    QInputMethodEvent pre(QStringLiteral("ちゅう"), {{QInputMethodEvent::Cursor, 2, 1, QVariant()}});
    QApplication::sendEvent(page.edit.get(), &pre);
    EXPECT_EQ(page.edit->preeditText(), QStringLiteral("ちゅう"));
    EXPECT_EQ(page.text(), QStringLiteral("御元"));   // not in the document yet
    // The caret stands two characters further down the column, at the pre-edit cursor.
    const QRect during = page.edit->caretRect();
    const double em = 20 * 25.4 / 72 * page.edit->dotsPerMm();
    EXPECT_NEAR(during.center().y() - before.center().y(), 2 * em, 1.5);
    EXPECT_NEAR(during.center().x(), before.center().x(), 1.0);
    // The candidate window is placed at that caret.
    EXPECT_EQ(page.edit->inputMethodQuery(Qt::ImCursorRectangle).toRectF().toRect(),
              during.translated(page.edit->viewport()->pos()));
    EXPECT_EQ(page.edit->inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("御元"));
    EXPECT_EQ(page.edit->inputMethodQuery(Qt::ImCursorPosition).toInt(), 1);

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("中"));
    QApplication::sendEvent(page.edit.get(), &commit);
    EXPECT_EQ(page.edit->preeditText(), QString());
    EXPECT_EQ(page.text(), QStringLiteral("御中元"));
    EXPECT_EQ(page.edit->caretPosition(), 2);
    page.edit->undo();
    EXPECT_EQ(page.text(), QStringLiteral("御元"));
}

TEST(EditInputMethod, ComposingOverASelectionReplacesIt)
{
    Page page;
    page.write(QStringLiteral("御中元"));
    page.box->setSelStart(1);
    page.box->setSelLength(2);
    QInputMethodEvent pre(QStringLiteral("せいぼ"), {});
    QApplication::sendEvent(page.edit.get(), &pre);
    EXPECT_EQ(page.text(), QStringLiteral("御"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("歳暮"));
    QApplication::sendEvent(page.edit.get(), &commit);
    EXPECT_EQ(page.text(), QStringLiteral("御歳暮"));
    // The replacement given by the input method removes text around the caret.
    QInputMethodEvent replace(QString(), {});
    replace.setCommitString(QStringLiteral("中元"), -2, 2);
    QApplication::sendEvent(page.edit.get(), &replace);
    EXPECT_EQ(page.text(), QStringLiteral("御中元"));
}
