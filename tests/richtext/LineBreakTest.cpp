// Horizontal lines break where Japanese and Latin text may break: between
// words, between ideographs, never before a closing mark such as "。"; a
// word longer than the line breaks where it must; blanks hang at a line's
// end. Columns still break at any character, as the noshi layouts count on.
#include "BoxWriting.h"

#include <gtest/gtest.h>

namespace {

// The text of each laid line of a box holding `text` at 10 points in the
// fixed-pitch face: a full-width character advances 3.5278 mm, a
// half-width one 1.7639 mm.
QStringList linesOf(const QString& text, double wrapMm, bool vertical)
{
    rt::RichTextBox box;
    box.setVertical(vertical);
    box.setWidthMm(200);
    box.setHeightMm(200);
    box.setRightMarginMm(wrapMm);
    boxtest::write(box, text, 10);
    QStringList out;
    for (const rt::LaidLine& l : box.layout()->lines())
        out << text.mid(l.start, l.length);
    return out;
}

} // namespace

TEST(LineBreaks, HorizontalLinesBreakWhereTheTextMayBreak)
{
    struct Case {
        const char* text;
        double wrapMm;
        QStringList lines;
    };
    const Case cases[] = {
        // X Y _ A B reach 8.82 mm; C would reach 10.58 past 9: the word ABC moves down whole.
        {"XY ABC", 9, {"XY ", "ABC"}},
        // Two ideographs to a line (7.06 mm; a third reaches 10.58).
        {"御中元御歳暮", 9, {"御中", "元御", "歳暮"}},
        // "。" may not start a line: 中 goes down with it.
        {"御中。元", 9, {"御", "中。", "元"}},
        // 元 A B reach 7.06 mm, C 8.82 past 8: the Latin word goes down whole.
        {"御中元ABC", 8, {"御中", "元", "ABC"}},
        // A word longer than the line breaks where it must: five to a line.
        {"ABCDEFG", 9, {"ABCDE", "FG"}},
        // Blanks at a line's end hang past it instead of starting the next line.
        {"ABCD   EF", 8, {"ABCD   ", "EF"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(linesOf(QString::fromUtf8(c.text), c.wrapMm, false), c.lines) << c.text;
}

TEST(LineBreaks, ColumnsStillBreakAtAnyCharacter)
{
    EXPECT_EQ(linesOf(QStringLiteral("御中。元"), 9, true), (QStringList{"御中", "。元"}));
    EXPECT_EQ(linesOf(QStringLiteral("御中元ABC"), 8, true), (QStringList{"御中", "元AB", "C"}));
}
