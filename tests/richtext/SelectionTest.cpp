// The selection API as the layout and the windows use it: positions, mixed
// formats, the insertion format and the paragraph marks of empty lines.
#include "BoxWriting.h"

#include <gtest/gtest.h>

using rt::RichTextBox;

using boxtest::write;

TEST(RichTextBoxSelection, PositionsCountParagraphEndsAsTwo)
{
    RichTextBox box;
    box.setSelText(QStringLiteral("御中元\r\n山田\n太郎"));
    EXPECT_EQ(box.text(), QStringLiteral("御中元\r\n山田\r\n太郎"));
    EXPECT_EQ(box.document().paragraphs.size(), 3);
    EXPECT_EQ(box.document().length(), 3 + 2 + 2 + 2 + 2);
    EXPECT_EQ(box.selStart(), box.document().length());

    box.setSelStart(5);
    box.setSelLength(2);
    EXPECT_EQ(box.selText(), QStringLiteral("山田"));
    box.setSelStart(3);
    box.setSelLength(4);
    EXPECT_EQ(box.selText(), QStringLiteral("\r\n山田"));

    // Replacing across a paragraph end joins the paragraphs; the caret ends after the new text.
    box.setSelText(QStringLiteral("・"));
    EXPECT_EQ(box.text(), QStringLiteral("御中元・\r\n太郎"));
    EXPECT_EQ(box.selStart(), 4);
    EXPECT_EQ(box.selLength(), 0);

    box.setSelStart(1000);
    EXPECT_EQ(box.selStart(), box.document().length());
    box.setSelStart(-3);
    box.setSelLength(1000);
    EXPECT_EQ(box.selLength(), box.document().length());
}

TEST(RichTextBoxSelection, MixedSelectionReadsAsNone)
{
    RichTextBox box;
    box.setSelBold(true);
    box.setSelColor(0x00FF0000);
    write(box, QStringLiteral("御"), 20);
    write(box, QStringLiteral("中元"), 12, QStringLiteral("ＭＳ ゴシック"));

    box.setSelStart(0);
    box.setSelLength(3);
    EXPECT_EQ(box.selFontSize(), std::nullopt);
    EXPECT_EQ(box.selFontName(), std::nullopt);
    EXPECT_EQ(box.selBold(), std::optional<bool>(true));
    EXPECT_EQ(box.selColor(), std::optional<rt::Color>(0x00FF0000));
    EXPECT_EQ(box.selItalic(), std::optional<bool>(false));

    box.setSelStart(1);
    box.setSelLength(2);
    EXPECT_EQ(box.selFontSize(), std::optional<double>(12));
    EXPECT_EQ(box.selFontName(), std::optional<QString>(QStringLiteral("ＭＳ ゴシック")));

    // Setting on a mixed selection makes it uniform; only the selection changes.
    box.setSelStart(0);
    box.setSelLength(2);
    box.setSelFontSize(30.5);
    box.setSelUnderline(true);
    box.setSelStrikeThru(true);
    box.setSelItalic(true);
    box.setSelCharOffset(-2.5);
    EXPECT_EQ(box.selFontSize(), std::optional<double>(30.5));
    EXPECT_EQ(box.selCharOffset(), std::optional<double>(-2.5));
    box.setSelStart(2);
    box.setSelLength(1);
    EXPECT_EQ(box.selFontSize(), std::optional<double>(12));
    EXPECT_EQ(box.selUnderline(), std::optional<bool>(false));
    EXPECT_EQ(box.selCharOffset(), std::optional<double>(0));
}

TEST(RichTextBoxSelection, RefusedValuesLeaveTheSelectionAsItWas)
{
    RichTextBox box;
    write(box, QStringLiteral("寿"), 14);
    box.setSelStart(0);
    box.setSelLength(1);
    for (double bad : {0.0, -3.0, 5000.0, std::nan("")})
        box.setSelFontSize(bad);
    box.setSelFontName(QString());
    EXPECT_EQ(box.selFontSize(), std::optional<double>(14));
    EXPECT_EQ(box.selFontName(), std::optional<QString>(QStringLiteral("ＭＳ 明朝")));
}

TEST(RichTextBoxSelection, InsertionFormatPersistsUntilChanged)
{
    RichTextBox box;
    box.setSelFontSize(24);
    box.setSelBold(true);
    box.setSelText(QStringLiteral("御"));
    box.setSelText(QStringLiteral("礼"));
    EXPECT_EQ(box.selFontSize(), std::optional<double>(24));
    box.setSelStart(0);
    box.setSelLength(2);
    EXPECT_EQ(box.selFontSize(), std::optional<double>(24));
    EXPECT_EQ(box.selBold(), std::optional<bool>(true));

    // Clearing keeps the insertion format; the empty line takes it as its mark.
    box.setSelStart(2);
    box.setSelFontSize(7);
    box.clear();
    EXPECT_EQ(box.selFontSize(), std::optional<double>(7));
    EXPECT_EQ(box.document().paragraphs[0].mark.size, 7);

    // Moving the caret picks up the format of the text before it.
    write(box, QStringLiteral("あ"), 9);
    write(box, QStringLiteral("い"), 11);
    box.setSelStart(1);
    EXPECT_EQ(box.selFontSize(), std::optional<double>(9));
}

TEST(RichTextBoxSelection, ASelectionAcrossParagraphEndsTakesInTheMarksItPasses)
{
    // 御0 中1 CR LF 山4 田5 CR LF 太8 郎9
    RichTextBox box;
    write(box, QStringLiteral("御中\r\n山田\r\n太郎"), 12);
    box.setSelStart(1);
    box.setSelLength(8); // 中 ... 太
    box.setSelFontSize(20);
    EXPECT_EQ(box.dump(),
              QStringLiteral("paragraph 0 mark [ＭＳ 明朝 20pt]\n"
                             "  \"御\" [ＭＳ 明朝 12pt]\n"
                             "  \"中\" [ＭＳ 明朝 20pt]\n"
                             "paragraph 1 mark [ＭＳ 明朝 20pt]\n"
                             "  \"山田\" [ＭＳ 明朝 20pt]\n"
                             "paragraph 2 mark [ＭＳ 明朝 12pt]\n"
                             "  \"太\" [ＭＳ 明朝 20pt]\n"
                             "  \"郎\" [ＭＳ 明朝 12pt]\n"));

    struct Case {
        qsizetype start, length;
        std::optional<double> size;
    };
    const Case cases[] = {
        {1, 8, 20},            // what was changed, marks included
        {2, 2, 20},            // only the first paragraph end: its mark
        {0, 9, std::nullopt},  // 御 as well
        {5, 5, std::nullopt},  // on into 郎
        {9, 1, 12},
    };
    for (const Case& c : cases) {
        box.setSelStart(c.start);
        box.setSelLength(c.length);
        EXPECT_EQ(box.selFontSize(), c.size) << c.start << "+" << c.length;
    }
}

TEST(RichTextBoxSelection, BlankLinesTakeTheirWritingFormat)
{
    // The layout's blank lines: "set font/size, insert CR LF" n times, then
    // a column of text, then the column end.
    RichTextBox box;
    box.setSelFontSize(10);
    box.clear();
    for (int i = 0; i < 3; ++i)
        write(box, QStringLiteral("\r\n"), 4);
    write(box, QStringLiteral("  "), 10);
    write(box, QStringLiteral("御中元"), 36);
    box.setSelText(QStringLiteral("\r\n"));
    write(box, QStringLiteral("\r\n"), 4);

    const auto& ps = box.document().paragraphs;
    ASSERT_EQ(ps.size(), 6);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(ps[i].items.isEmpty());
        EXPECT_EQ(ps[i].mark.size, 4) << i;
        EXPECT_EQ(ps[i].mark.fontName, QStringLiteral("ＭＳ 明朝"));
    }
    ASSERT_EQ(ps[3].items.size(), 2);
    EXPECT_EQ(ps[3].items[0].format.size, 10);
    EXPECT_EQ(ps[3].items[1].text, QStringLiteral("御中元"));
    EXPECT_EQ(ps[3].mark.size, 36);
    EXPECT_EQ(ps[4].mark.size, 4);
    EXPECT_EQ(ps[5].mark.size, 4);

    EXPECT_EQ(box.dump(),
              QStringLiteral("paragraph 0 mark [ＭＳ 明朝 4pt]\n"
                             "paragraph 1 mark [ＭＳ 明朝 4pt]\n"
                             "paragraph 2 mark [ＭＳ 明朝 4pt]\n"
                             "paragraph 3 mark [ＭＳ 明朝 36pt]\n"
                             "  \"  \" [ＭＳ 明朝 10pt]\n"
                             "  \"御中元\" [ＭＳ 明朝 36pt]\n"
                             "paragraph 4 mark [ＭＳ 明朝 4pt]\n"
                             "paragraph 5 mark [ＭＳ 明朝 4pt]\n"));
}

TEST(RichTextBoxSelection, ObjectsTakeOnePositionAndShowInTheDump)
{
    RichTextBox box;
    box.setSelText(QStringLiteral("山田"));
    auto pic = std::make_shared<rt::EmbeddedObject>();
    pic->sizeMm = QSizeF(10, 20);
    box.setSelStart(1);
    box.insertObject(pic);
    EXPECT_EQ(box.document().length(), 3);
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.text(), QStringLiteral("山\uFFFC田"));
    box.setSelStart(0);
    box.setSelLength(3);
    box.setSelColor(0x00808080);
    EXPECT_TRUE(box.dump().contains(QStringLiteral("  picture 10x20mm [ＭＳ 明朝 10pt color=&H00808080]")))
        << box.dump().toStdString();
}

TEST(RichTextBoxSelection, EveryChangeNotifies)
{
    RichTextBox box;
    int changes = 0;
    QObject::connect(&box, &RichTextBox::changed, [&] { ++changes; });
    box.setSelText(QStringLiteral("あいう"));
    box.setSelStart(0);
    box.setSelLength(1);
    box.setSelBold(true);
    box.setText(QStringLiteral("x"));
    box.clear();
    EXPECT_EQ(changes, 4);
    // Moving the caret or choosing the next insertion's format changes no content.
    box.setSelStart(0);
    box.setSelFontSize(30);
    EXPECT_EQ(changes, 4);
}
