// Typing, Enter, Backspace, Delete and the movement keys in vertical and
// horizontal writing, driven with key events on a focused widget.
#include "EditWidgetSupport.h"

#include <gtest/gtest.h>

using edittest::Page;

TEST(EditTyping, TypedTextEnterAndDeletionsBuildTheColumns)
{
    Page page;
    drive::keyClicks(page.edit.get(), QStringLiteral("ab"));
    page.key(Qt::Key_Return);                       // a new column
    drive::keyClicks(page.edit.get(), QStringLiteral("cd"));
    EXPECT_EQ(page.text(), QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(page.box->document().paragraphs.size(), 2);
    EXPECT_EQ(page.edit->caretPosition(), 6);

    page.key(Qt::Key_Up);                            // back along the column, before "d"
    page.key(Qt::Key_Up);                            // before "c": the column's start
    page.key(Qt::Key_Backspace);                     // the paragraph end goes as one step
    EXPECT_EQ(page.text(), QStringLiteral("abcd"));
    EXPECT_EQ(page.edit->caretPosition(), 2);
    page.key(Qt::Key_Delete);
    EXPECT_EQ(page.text(), QStringLiteral("abd"));
    page.key(Qt::Key_Home);
    page.key(Qt::Key_Backspace);                     // nothing before the start
    EXPECT_EQ(page.text(), QStringLiteral("abd"));
    page.key(Qt::Key_End);
    page.key(Qt::Key_Delete);                        // nothing after the end
    EXPECT_EQ(page.text(), QStringLiteral("abd"));
}

TEST(EditTyping, TypingReplacesTheSelectionAndTakesTheInsertionFormat)
{
    Page page;
    page.write(QStringLiteral("御中元"));
    page.box->setSelStart(1);
    page.box->setSelLength(1);
    page.box->setSelBold(true);                     // the selected character only
    drive::keyClicks(page.edit.get(), QStringLiteral("x"));
    EXPECT_EQ(page.text(), QStringLiteral("御x元"));
    EXPECT_EQ(page.box->selStart(), 2);
    // What replaces a selection takes its first character's format.
    page.box->setSelStart(1);
    page.box->setSelLength(1);
    EXPECT_EQ(page.box->selBold(), std::optional<bool>(true));

    // A format set at the caret is what typing there picks up.
    page.box->setSelStart(3);
    page.box->setSelFontSize(36);
    drive::keyClicks(page.edit.get(), QStringLiteral("y"));
    page.box->setSelStart(3);
    page.box->setSelLength(1);
    EXPECT_EQ(page.box->selFontSize(), std::optional<double>(36));
}

TEST(EditTyping, SurrogatePairsMoveAndDeleteAsOneCharacter)
{
    Page page;
    const QString rare = QString::fromUcs4(U"𠮷");     // outside the basic plane: two code units
    page.write(QStringLiteral("a") + rare + QStringLiteral("b"));
    page.key(Qt::Key_Down);
    page.key(Qt::Key_Down);
    EXPECT_EQ(page.edit->caretPosition(), 3);
    page.key(Qt::Key_Backspace);
    EXPECT_EQ(page.text(), QStringLiteral("ab"));
}

// Which key moves where: along the column with Up and Down, to the next
// column (to the left) with Left; in horizontal writing the usual way.
TEST(EditKeys, ArrowsFollowTheWritingDirection)
{
    struct Case {
        bool vertical;
        Qt::Key along, back, nextLine, previousLine;
    };
    for (const Case& c : {Case{true, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right},
                          Case{false, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}}) {
        SCOPED_TRACE(c.vertical ? "vertical" : "horizontal");
        Page page(c.vertical);
        page.write(QStringLiteral("御中元\r\n山田太郎\r\n様"));
        page.key(c.along);
        page.key(c.along);
        EXPECT_EQ(page.edit->caretPosition(), 2);
        page.key(c.nextLine);                         // same place on the next line: before 太
        EXPECT_EQ(page.edit->caretPosition(), 7);
        page.key(c.nextLine);                         // a short line: its end
        EXPECT_EQ(page.edit->caretPosition(), 12);
        page.key(c.previousLine);                     // the goal is kept: back before 太
        EXPECT_EQ(page.edit->caretPosition(), 7);
        page.key(c.back);
        EXPECT_EQ(page.edit->caretPosition(), 6);
        page.key(c.along, Qt::ShiftModifier);
        page.key(c.along, Qt::ShiftModifier);
        EXPECT_EQ(page.box->selStart(), 6);
        EXPECT_EQ(page.box->selText(), QStringLiteral("田太"));
        page.key(c.back);                             // collapses to the near end
        EXPECT_EQ(page.box->selLength(), 0);
        EXPECT_EQ(page.edit->caretPosition(), 6);
        page.key(c.back);
        page.key(c.back);                             // over the paragraph end in one step
        EXPECT_EQ(page.edit->caretPosition(), 3);
    }
}

TEST(EditKeys, HomeEndAndPageKeys)
{
    Page page(true, 200, 60, {200, 260});
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("御中元\r\n");
    page.write(text + QStringLiteral("終"));
    page.key(Qt::Key_Down);
    page.key(Qt::Key_End);
    EXPECT_EQ(page.edit->caretPosition(), 3);
    page.key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(page.box->selText(), QStringLiteral("御中元"));
    page.key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(page.edit->caretPosition(), page.box->document().length());
    page.key(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.box->selLength(), page.box->document().length());

    // A page key moves by about the view's width of columns, 20 pt each.
    page.key(Qt::Key_Home, Qt::ControlModifier);
    page.key(Qt::Key_PageDown);
    const int column = page.box->layout()->lineOf(page.edit->caretPosition());
    const double viewMm = page.edit->viewport()->width() / page.edit->dotsPerMm();
    const double pitchMm = 20 * 25.4 / 72;
    EXPECT_NEAR(column, viewMm / pitchMm, 1.0);
    page.key(Qt::Key_PageUp);
    EXPECT_EQ(page.edit->caretPosition(), 0);
}

TEST(EditKeys, TheViewFollowsTheCaret)
{
    // A wide vertical page: the text starts at its right edge.
    Page page(true, 300, 60, {200, 260});
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("列\r\n");
    page.write(text);
    page.key(Qt::Key_End, Qt::ControlModifier);
    page.key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(page.edit->viewport()->rect().contains(page.edit->caretRect()));
    EXPECT_GT(page.edit->horizontalScrollBar()->value(), 0);
    page.key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(page.edit->viewport()->rect().contains(page.edit->caretRect()));
}

TEST(EditKeys, ReadOnlyChangesNothing)
{
    Page page;
    page.write(QStringLiteral("御中元"));
    page.edit->setReadOnly(true);
    drive::keyClicks(page.edit.get(), QStringLiteral("x"));
    page.key(Qt::Key_Down);
    page.key(Qt::Key_Delete);
    page.key(Qt::Key_Return);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("様"));
    QApplication::sendEvent(page.edit.get(), &commit);
    EXPECT_EQ(page.text(), QStringLiteral("御中元"));
    EXPECT_EQ(page.box->selStart(), 0);
    EXPECT_FALSE(page.edit->inputMethodQuery(Qt::ImEnabled).toBool());
}
