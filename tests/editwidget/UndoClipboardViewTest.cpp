// Undo and redo of every kind of change, the clipboard between boxes and
// from other programs, and the page view's scale and signals.
#include "EditWidgetSupport.h"

#include "platform/richtext/RichTextEditClipboard.h"

#include <QClipboard>
#include <QMimeData>
#include <gtest/gtest.h>

using edittest::Page;

TEST(EditUndo, TypingIsOneStepAndOtherChangesTheirOwn)
{
    Page page;
    page.write(QStringLiteral("御"));
    page.key(Qt::Key_End);
    drive::keyClicks(page.edit.get(), QStringLiteral("abc"));
    page.key(Qt::Key_Backspace);
    // A format set through the box (a menu command) is a step too.
    page.box->setSelStart(0);
    page.box->setSelLength(1);
    page.box->setSelBold(true);
    EXPECT_EQ(page.text(), QStringLiteral("御ab"));

    page.edit->undo();                                   // the bold
    EXPECT_EQ(page.box->selBold(), std::optional<bool>(false));
    page.edit->undo();                                   // the Backspace
    EXPECT_EQ(page.text(), QStringLiteral("御abc"));
    EXPECT_EQ(page.edit->caretPosition(), 4);
    page.key(Qt::Key_Backspace, Qt::AltModifier);        // the keystroke the edit menus send
    EXPECT_EQ(page.text(), QStringLiteral("御"));
    EXPECT_FALSE(page.edit->canUndo());                  // written before clearUndo

    page.edit->redo();
    EXPECT_EQ(page.text(), QStringLiteral("御abc"));
    page.key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(page.text(), QStringLiteral("御ab"));
    // A new change drops what could be redone.
    drive::keyClicks(page.edit.get(), QStringLiteral("z"));
    EXPECT_FALSE(page.edit->canRedo());
}

TEST(EditUndo, MovingTheCaretEndsATypingStep)
{
    Page page;
    drive::keyClicks(page.edit.get(), QStringLiteral("ab"));
    page.key(Qt::Key_Up);
    drive::keyClicks(page.edit.get(), QStringLiteral("c"));
    EXPECT_EQ(page.text(), QStringLiteral("acb"));
    page.edit->undo();
    EXPECT_EQ(page.text(), QStringLiteral("ab"));
    page.edit->undo();
    EXPECT_EQ(page.text(), QString());
}

TEST(EditClipboard, RichTextTravelsBetweenBoxesWithItsFormats)
{
    Page from, to;
    from.write(QStringLiteral("御中元\r\n山田"));
    from.box->setSelStart(1);
    from.box->setSelLength(2);
    from.box->setSelBold(true);
    from.box->setSelFontSize(30);
    from.box->setSelStart(1);
    from.box->setSelLength(5);                           // 中元, the paragraph end, 山
    from.edit->setFocus();
    from.key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasFormat(rt::clip::InternalMime));
    EXPECT_TRUE(mime->hasFormat(QStringLiteral("text/rtf")));
    EXPECT_EQ(mime->text(), QStringLiteral("中元\n山"));

    to.write(QStringLiteral("様"));
    to.edit->setFocus();
    to.key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(to.text(), QStringLiteral("中元\r\n山様"));
    EXPECT_EQ(to.box->selStart(), 5);
    to.box->setSelStart(0);
    to.box->setSelLength(2);
    EXPECT_EQ(to.box->selBold(), std::optional<bool>(true));
    EXPECT_EQ(to.box->selFontSize(), std::optional<double>(30));
    to.edit->undo();                                     // a paste is one step
    EXPECT_EQ(to.text(), QStringLiteral("様"));

    from.edit->setFocus();
    from.key(Qt::Key_Delete, Qt::ShiftModifier);         // cut
    EXPECT_EQ(from.text(), QStringLiteral("御田"));
}

TEST(EditClipboard, PlainTextAndPicturesFromOtherPrograms)
{
    Page page;
    page.write(QStringLiteral("御"));
    page.key(Qt::Key_End);
    page.box->setSelFontSize(28);
    QGuiApplication::clipboard()->setText(QStringLiteral("山田\n太郎"));
    page.edit->paste();
    EXPECT_EQ(page.text(), QStringLiteral("御山田\r\n太郎"));
    page.box->setSelStart(1);
    page.box->setSelLength(1);
    EXPECT_EQ(page.box->selFontSize(), std::optional<double>(28)); // the insertion format

    QImage img(96, 48, QImage::Format_RGB32);
    img.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(img);
    page.box->setSelStart(0);
    page.edit->paste();
    ASSERT_TRUE(page.box->document().paragraphs[0].items[0].isObject());
    const rt::EmbeddedObject& pic = *page.box->document().paragraphs[0].items[0].object;
    EXPECT_NEAR(pic.sizeMm.width(), 25.4, 0.5); // 96 pixels at 96 dpi
    EXPECT_NEAR(pic.sizeMm.height(), 12.7, 0.5);

    // Damaged rich text falls back to the plain text beside it.
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/rtf"), QByteArray("{\\rtf1 broken"));
    mime->setText(QStringLiteral("様"));
    QGuiApplication::clipboard()->setMimeData(mime);
    page.box->setSelStart(page.box->document().length());
    page.edit->paste();
    EXPECT_TRUE(page.text().endsWith(QStringLiteral("太郎様")));
}

TEST(EditView, ZoomScalesThePageAndSignalsReport)
{
    Page page(true, 60, 100, {100, 100});
    const double dpm = page.edit->dotsPerMm();
    const auto zoomed = drive::count(page.edit.get(), &rt::RichTextEdit::zoomChanged);
    const auto changed = drive::count(page.edit.get(), &rt::RichTextEdit::changed);
    page.edit->setZoom(2);
    EXPECT_DOUBLE_EQ(page.edit->dotsPerMm(), 2 * dpm);
    EXPECT_EQ(*zoomed, 1);
    EXPECT_NEAR(page.edit->sizeHint().width(), 60 * 2 * dpm, 1);
    EXPECT_GT(page.edit->verticalScrollBar()->maximum(), 0);
    // A point maps to the same millimetres back and forth, scrolled or not.
    page.edit->verticalScrollBar()->setValue(50);
    const QPointF mm(12.5, 40);
    const QPointF back = page.edit->mmAt(page.edit->viewportPointAt(mm).toPoint());
    EXPECT_NEAR(back.x(), mm.x(), 0.3);
    EXPECT_NEAR(back.y(), mm.y(), 0.3);

    drive::keyClicks(page.edit.get(), QStringLiteral("a"));
    page.box->setSelText(QStringLiteral("b"));          // changes through the box count as well
    EXPECT_EQ(*changed, 2);

    // A box that changes its size outside the widget is shown at its new size.
    page.box->setWidthMm(200);
    page.edit->viewport()->repaint();
    EXPECT_GT(page.edit->horizontalScrollBar()->maximum(), 0);
}

TEST(EditView, FocusInIsReported)
{
    Page page;
    QWidget other;
    const auto focus = drive::count(page.edit.get(), &rt::RichTextEdit::focusIn);
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(page.edit.get(), &in);
    EXPECT_EQ(*focus, 1);
}

TEST(EditView, ABoxOwnedElsewhereMayGoFirst)
{
    auto box = std::make_unique<rt::RichTextBox>();
    box->setVertical(true);
    box->setSelText(QStringLiteral("御中元"));
    rt::RichTextEdit edit(box.get());
    edit.resize(200, 200);
    edit.show();
    edit.setFocus();
    drive::keyClicks(&edit, QStringLiteral("a"));
    EXPECT_EQ(box->text(), QStringLiteral("御中元a"));
    box.reset();
    drive::keyClicks(&edit, QStringLiteral("b"));
    drive::mouseClick(edit.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    edit.viewport()->repaint();
    edit.undo();
    EXPECT_EQ(edit.box(), nullptr);
}
