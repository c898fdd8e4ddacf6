// The inscription column with shoulder titles and the two-line inscription.
#include "LayoutTestSupport.h"
#include "layout/Placement.h"

#include <gtest/gtest.h>

using namespace layout;

namespace {

// The right shoulder title 結婚 of the large sheet and the left one filled
// with blanks: 24 pt, 3 blanks in, each followed by a 4-point line.
const QString LargeSheetTitles = lines({
    "SP 3 ＭＳ Ｐ明朝 10",
    "TX \"結婚\" ＭＳ Ｐ明朝 24 b=0 c=000000",
    "EC ＭＳ Ｐ明朝 24",
    "BL 1 ＭＳ Ｐ明朝 4",
    "SP 3 ＭＳ Ｐ明朝 10",
    "TX \"　　　\" ＭＳ Ｐ明朝 24 b=0 c=000000",
    "EC ＭＳ Ｐ明朝 24",
    "BL 1 ＭＳ Ｐ明朝 4",
});

TEST(Omote, TitlesAndTwoLinesFillBlanksAndWriteTheirColumns)
{
    LayoutPage page;
    page.host.omote = "御祝";
    page.host.titleRight = "結婚";
    page.host.twoLineRight = "内祝";
    ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
    // Two lines at 28 pt with the 12-point line between: 23.94 -> 24; the
    // titles (24 + 4 + 24 + 4 pt = 19.76 mm = 12.44 lines) take 12 off.
    EXPECT_EQ(page.omote(), lines({"BL 12 ＭＳ 明朝 4"}) + LargeSheetTitles + lines({
                                "SP 5 ＭＳ 明朝 10",
                                "TX \"内祝\" ＭＳ Ｐ明朝 28 b=0 c=000000",
                                "EC ＭＳ Ｐ明朝 28",
                                "BL 1 ＭＳ 明朝 12",
                                "SP 5 ＭＳ 明朝 10",
                                "TX \"　　　\" ＭＳ Ｐ明朝 28 b=0 c=000000",
                                "EC ＭＳ Ｐ明朝 28",
                                // the inscription became three blanks: length-3 indent and size
                                "SP 8 ＭＳ 明朝 10",
                                "TX \"　　　\" ＭＳ Ｐ明朝 40 b=0 c=000000",
                                "EC ＭＳ Ｐ明朝 40",
                                "BL 20 ＭＳ Ｐ明朝 12",
                            }));
    EXPECT_EQ(page.host.writes.join(u'|'), "Text5=　　　|Text2(sub0)=　　　|Combo2=　　　|Text2=");
    // The next print sees a three-character inscription.
    EXPECT_EQ(page.host.omote, "　　　");
}

TEST(Omote, SizesAndIndentsByLengthAndOption)
{
    struct Case {
        const char* omote;
        SizeOption option;
        int curOffsetOmote;
        const char* expected; // indent and text lines of the column
    };
    const Case cases[] = {
        // 特大: 12 points up to four characters, 4 from five; the indent loses 1
        {"寿寿寿寿", SizeOption::Extra, 0, "SP 4 ＭＳ 明朝 10\nTX \"寿寿寿寿\" ＭＳ Ｐ明朝 44"},
        {"寿寿寿寿寿", SizeOption::Extra, 0, "SP 4 ＭＳ 明朝 10\nTX \"寿寿寿寿寿\" ＭＳ Ｐ明朝 36"},
        {"寿", SizeOption::Smaller, 0, "SP 11 ＭＳ 明朝 10\nTX \"寿\" ＭＳ Ｐ明朝 44"},
        {"無地", SizeOption::Standard, 0, "SP 9 ＭＳ 明朝 10\nTX \"無\" ＭＳ Ｐ明朝 44 b=0 c=000000\nSP 1 ＭＳ Ｐ明朝 44\nTX \"地\""},
        {"御礼御礼御礼御礼御礼", SizeOption::Larger, 0, "SP 5 ＭＳ 明朝 10\nTX \"御礼御礼御礼御礼御礼\" ＭＳ Ｐ明朝 36"},
        // never a negative count
        {"寿", SizeOption::Standard, -20, "BL 26 ＭＳ 明朝 4\nTX \"寿\" ＭＳ Ｐ明朝 48"},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.omote = c.omote;
        page.host.omoteSize = c.option;
        page.in.CurOffsetOmote = int16_t(c.curOffsetOmote);
        ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
        EXPECT_TRUE(page.omote().contains(QString::fromUtf8(c.expected))) << c.omote << "\n"
                                                                         << page.omote().toStdString();
    }
}

TEST(Omote, NegativeHalfDeltaTruncatesForShoulderTitles)
{
    LayoutPage page;
    page.host.omoteSize = SizeOption::Smaller; // Medium: -2 -> -1
    page.host.titleLeft = "一二三四五六七八九"; // nine characters: base - 8
    ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
    EXPECT_EQ(int(page.ctx.ShoulderTitleSize), 19);
    EXPECT_TRUE(page.omote().contains("TX \"　　　\" ＭＳ Ｐ明朝 19"));
    EXPECT_TRUE(page.omote().contains("TX \"一二三四五六七八九\" ＭＳ Ｐ明朝 11"));
}

TEST(Omote, DocumentToEmbedEndsTheLayoutAfterTheInscription)
{
    LayoutPage page;
    page.host.objectFile = "/tmp/rank.doc";
    page.host.name = "山田 ";
    ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
    EXPECT_TRUE(page.omote().endsWith("EC ＭＳ Ｐ明朝 44\n"));
    EXPECT_EQ(page.name(), "");
    EXPECT_TRUE(page.host.writes.isEmpty());
    EXPECT_EQ(int(page.ctx.ColumnIndent), 6);
}

TEST(Omote, CentringRoundsHalvesToEven)
{
    LayoutInputs in;
    in.LayoutWidth = 10;
    in.SpaceExtent = 1.0f;
    LayoutContext ctx;
    const Placement place(in, ctx, QStringLiteral("ＭＳ 明朝"));
    // (10 - extent) / 2 / 1
    const struct { float extent; int lines; } cases[] = {{5, 2}, {3, 4}, {11, 0}, {20, -5}, {0, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(int(place.CentreLines(c.extent)), c.lines) << c.extent;
}

TEST(Omote, IndentCutsForLargerAndForTheBoldBox)
{
    TemplateParameterSet largerCut = LayoutNoshiLarge;
    largerCut.OmoteIndentLargerCut = 1;
    TemplateParameterSet boldCut = LayoutNoshiLarge;
    boldCut.Flags.BoldOmoteIndent = true;
    boldCut.OmoteIndentBoldCut = 2;
    struct Case {
        const TemplateParameterSet* member;
        const char* omote;
        SizeOption option;
        bool boldBox;
        int curOffsetOmote;
        int indent;
    };
    // LayoutNoshiLarge: 8 blanks for three characters, 5 for four or more, 特大 cut 1
    const Case cases[] = {
        {&largerCut, "御祝寿", SizeOption::Larger, false, 0, 8 - 1},
        {&largerCut, "御祝寿", SizeOption::Standard, false, 0, 8},
        {&largerCut, "御祝寿", SizeOption::Extra, false, 0, 8 - 1}, // the 特大 cut alone
        {&boldCut, "御祝寿寿", SizeOption::Extra, true, 0, 5 - 1 - 2},
        {&boldCut, "御祝寿寿", SizeOption::Extra, false, 0, 5 - 1},
        {&boldCut, "御祝寿", SizeOption::Standard, true, -3, 8 - 2 - 3},
        {&boldCut, "御祝寿", SizeOption::Standard, true, -7, 0}, // floor
        {&LayoutNoshiLarge, "御祝寿", SizeOption::Larger, true, 0, 8}, // neither cut
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.style = app::NameStyle::None; // no name column: ColumnIndent keeps the inscription's
        page.host.omote = QString::fromUtf8(c.omote);
        page.host.omoteSize = c.option;
        page.host.oBold = c.boldBox;
        page.in.CurOffsetOmote = int16_t(c.curOffsetOmote);
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_EQ(int(page.ctx.ColumnIndent), c.indent) << c.omote << " option " << int(c.option);
    }
}

TEST(Omote, BoldMemberWritesTheInscriptionBoldAfterPlainShoulderTitles)
{
    TemplateParameterSet bold = LayoutNoshiLarge;
    bold.Flags = {.BoldLayout = true, .UnsplitTwoCharOmote = true};
    LayoutPage page;
    page.host.omote = "御祝";
    page.host.titleRight = "結婚";
    page.host.oBold = false;
    ASSERT_TRUE(page.run(bold).ok());
    // 44 pt: (100 - 15.52) / 2 / 1.5875 = 26.61 -> 27 lines; the titles
    // (24 + 4 + 24 + 4 pt = 19.76 mm = 12.44 lines) take 12 off. The titles
    // follow the bold box (off), the inscription is bold all the same.
    EXPECT_EQ(page.omote(), lines({"BL 15 ＭＳ 明朝 4"}) + LargeSheetTitles + lines({
                                "SP 9 ＭＳ 明朝 10",
                                "TX \"御祝\" ＭＳ Ｐ明朝 44 b=1 c=000000",
                                "EC ＭＳ Ｐ明朝 44",
                                "BL 20 ＭＳ Ｐ明朝 12",
                            }));
}

} // namespace
