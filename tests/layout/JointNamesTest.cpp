// The "連名印刷" style: one column per name, sized by knot and length.
#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

using namespace layout;

namespace {

void joint(LayoutPage& page, std::initializer_list<const char*> names)
{
    page.host.style = app::NameStyle::Joint;
    int i = 0;
    for (const char* n : names)
        page.host.joint[++i] = QString::fromUtf8(n);
    page.host.jointCount = QString::number(i);
}

TEST(JointNames, ThreeNamesUnderTheBow)
{
    LayoutPage page;
    joint(page, {"山田太郎", "鈴 一", "佐藤花子"});
    ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
    // 26 + 34 + 26 pt names and two 10-point spacing lines: 19.72 -> 20;
    // indent 14 less 4 for three names
    EXPECT_EQ(page.name(), lines({
                               "BL 20 ＭＳ 明朝 4",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"山田太郎\" ＭＳ Ｐ明朝 26 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 26",
                               "BL 1 ＭＳ Ｐ明朝 10",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"鈴\" ＭＳ Ｐ明朝 34 b=0 c=000000",
                               "SP 1 ＭＳ Ｐ明朝 34",
                               "TX \"一\" ＭＳ Ｐ明朝 34 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 34",
                               "BL 1 ＭＳ Ｐ明朝 10",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"佐藤花子\" ＭＳ Ｐ明朝 26 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 26",
                               "BL 2 ＭＳ Ｐ明朝 10",
                               "BL 2 ＭＳ 明朝 5",
                               "BL 20 ＭＳ 明朝 12",
                           }));
    EXPECT_TRUE(page.host.writes.isEmpty());
    EXPECT_TRUE(page.host.bow);
}

TEST(JointNames, TwoNamesForceTheTieAndKeepItSelected)
{
    LayoutPage page;
    joint(page, {"山 田", "佐藤花子"});
    ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
    // 結び切り sizes 42 and 33 with one spacing line: 22.05 -> 22; indent 10, no cut
    EXPECT_EQ(page.name(), lines({
                               "BL 22 ＭＳ 明朝 4",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"山\" ＭＳ Ｐ明朝 42 b=0 c=000000",
                               "SP 1 ＭＳ Ｐ明朝 42",
                               "TX \"田\" ＭＳ Ｐ明朝 42 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 42",
                               "BL 1 ＭＳ Ｐ明朝 10",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"佐藤花子\" ＭＳ Ｐ明朝 33 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 33",
                               "BL 2 ＭＳ Ｐ明朝 10",
                               "BL 2 ＭＳ 明朝 5",
                               "BL 20 ＭＳ 明朝 12",
                           }));
    EXPECT_EQ(page.host.writes.join(u'|'), "Option2=結び切り");
    EXPECT_FALSE(page.host.bow);
}

TEST(JointNames, SevenNamesNarrowAndBold)
{
    LayoutPage page;
    joint(page, {"鈴 一", "", "山田花子", "山田太郎兵", "山田太郎兵衛", "あいうえおかきくけこ", "一"});
    page.host.narrow = true;
    page.host.nBold = true;
    ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
    // measured at 34, 34, 26, 20, 19, 11, 34 pt with six 3-point lines: 9.72 -> 10;
    // the five-character name is written at 21 pt; seven names take no cut
    EXPECT_EQ(page.name(), lines({
                               "BL 10 ＭＳ 明朝 4",
                               "SP 14 ＭＳ 明朝 10",
                               "TX \"鈴\" ＭＳ Ｐ明朝 34 b=1 c=000000",
                               "SP 1 ＭＳ Ｐ明朝 34",
                               "TX \"一\" ＭＳ Ｐ明朝 34 b=1 c=000000",
                               "EC ＭＳ Ｐ明朝 34",
                               "BL 1 ＭＳ Ｐ明朝 3",
                               "SP 14 ＭＳ 明朝 10",
                               "EC ＭＳ Ｐ明朝 34",
                               "BL 1 ＭＳ Ｐ明朝 3",
                               "SP 14 ＭＳ 明朝 10",
                               "TX \"山田花子\" ＭＳ Ｐ明朝 26 b=1 c=000000",
                               "EC ＭＳ Ｐ明朝 26",
                               "BL 1 ＭＳ Ｐ明朝 3",
                               "SP 14 ＭＳ 明朝 10",
                               "TX \"山田太郎兵\" ＭＳ Ｐ明朝 21 b=1 c=000000",
                               "EC ＭＳ Ｐ明朝 21",
                               "BL 1 ＭＳ Ｐ明朝 3",
                               "SP 14 ＭＳ 明朝 10",
                               "TX \"山田太郎兵衛\" ＭＳ Ｐ明朝 19 b=1 c=000000",
                               "EC ＭＳ Ｐ明朝 19",
                               "BL 1 ＭＳ Ｐ明朝 3",
                               "SP 14 ＭＳ 明朝 10",
                               "TX \"あいうえおかきくけこ\" ＭＳ Ｐ明朝 11 b=1 c=000000",
                               "EC ＭＳ Ｐ明朝 11",
                               "BL 1 ＭＳ Ｐ明朝 3",
                               "SP 14 ＭＳ 明朝 10",
                               "TX \"一\" ＭＳ Ｐ明朝 34 b=1 c=000000",
                               "EC ＭＳ Ｐ明朝 34",
                               "BL 2 ＭＳ Ｐ明朝 3",
                               "BL 2 ＭＳ 明朝 5",
                               "BL 20 ＭＳ 明朝 12",
                           }));
}

TEST(JointNames, NoNamesLeaveCentringLinesAndOneEmptyLine)
{
    LayoutPage page;
    joint(page, {});
    ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
    // nothing measured: 100 / 2 / 1.587502 = 31.50 -> 31, then the closing line
    EXPECT_EQ(page.name(), lines({"BL 32 ＭＳ 明朝 4", "BL 2 ＭＳ 明朝 5", "BL 20 ＭＳ 明朝 12"}));
    EXPECT_EQ(page.ctx.MeasuredExtent, 0.0f);
}

TEST(JointNames, IndentByKnotCountAndFloor)
{
    struct Case {
        const TemplateParameterSet* member;
        int count;
        bool bow;
        int offsetName;
        int indent;
    };
    // One base for both knots, no cuts (a special strip's form).
    TemplateParameterSet oneBase = LayoutNoshiMedium;
    oneBase.Flags.SingleJointIndent = true;
    oneBase.Flags.NoJointIndentCuts = true;
    oneBase.BowIndentBase = 10;
    oneBase.TieIndentBase = 0; // unused
    const Case cases[] = {
        {&oneBase, 3, false, 0, 10}, {&oneBase, 4, true, 0, 10}, {&oneBase, 2, true, -3, 7},
        {&LayoutNoshiLarge, 1, true, 0, 22 - 3},  {&LayoutNoshiLarge, 3, true, 0, 22 - 3},
        {&LayoutNoshiLarge, 4, true, 0, 22 - 3},  {&LayoutNoshiLarge, 5, true, 0, 22},
        {&LayoutNoshiMedium, 3, true, 0, 14 - 4}, {&LayoutNoshiMedium, 4, true, 0, 14 - 2},
        {&LayoutNoshiMedium, 7, true, 0, 14},     {&LayoutNoshiMedium, 2, true, 0, 7},
        {&LayoutNoshiMedium, 3, false, 2, 2 + 7}, {&LayoutWashiSmall, 1, true, -20, 0},
        {&LayoutNoshiSmall, 6, false, -6, 0},
        // the bow's cuts exclude each other; two names take the tie's base
        {&LayoutModelNo16, 3, true, 0, 24 - 4},   {&LayoutModelNo16, 4, true, 0, 24 - 2},
        {&LayoutModelNo16, 5, true, 0, 24},       {&LayoutModelNo16, 2, true, 0, 11},
        {&LayoutB6, 1, true, 0, 15 - 3},          {&LayoutB6, 4, true, 0, 15 - 1},
        {&LayoutB6, 7, true, 0, 15},              {&LayoutB6, 3, false, 0, 6},
        {&LayoutTanmonoban, 3, true, 0, 28 - 4},  {&LayoutTanmonoban, 4, true, 0, 28 - 2},
        {&LayoutTanmonoban, 2, true, -30, 0},     {&LayoutB5Special, 4, true, 0, 24 - 2},
        {&LayoutB5Special, 6, false, 0, 11},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.style = app::NameStyle::Joint;
        page.host.jointCount = QString::number(c.count);
        for (int i = 1; i <= c.count; ++i)
            page.host.joint[i] = "山田太郎";
        page.host.bow = c.bow;
        page.in.CurOffsetName = int16_t(c.offsetName);
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_EQ(int(page.ctx.ColumnIndent), c.indent) << c.member->MemberName << " count " << c.count;
    }
}

TEST(JointNames, SizeOptionReachesShortNamesAndTheTieRowsForFourAndFive)
{
    struct Case {
        bool bow;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {true, "山田太郎兵", "TX \"山田太郎兵\" ＭＳ Ｐ明朝 27"},
        {false, "山田太郎兵", "TX \"山田太郎兵\" ＭＳ Ｐ明朝 37"},
        {true, "山田太", "TX \"山田太\" ＭＳ Ｐ明朝 46"},
        {false, "山田太郎兵衛", "TX \"山田太郎兵衛\" ＭＳ Ｐ明朝 30"},
        {true, "あいうえおかきくけこさしすせそ", "ＭＳ Ｐ明朝 13 b=0"},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        joint(page, {c.name});
        page.host.bow = c.bow;
        page.host.nameSize = SizeOption::Larger;
        ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
        EXPECT_TRUE(page.name().contains(QString::fromUtf8(c.expected))) << c.name << "\n" << page.name().toStdString();
    }
}

// A set whose short rows reach five characters under both knots.
TemplateParameterSet shortRowOfFive()
{
    TemplateParameterSet p = LayoutNoshiMedium;
    const std::array<int16_t, 8> sizes = {72, 0, 0, 70, 58, 52, 46, 44}; // Len4 and Len5 unused
    p.BowSizes = JointSizeTable::byLength(5, sizes, sizes, 3);
    p.TieSizes = p.BowSizes;
    return p;
}

// One table for both knots; a five-character name is measured at a fixed
// size of its own row but written from the short row, which has no rival.
TemplateParameterSet singleTable()
{
    TemplateParameterSet p = LayoutNoshiMedium;
    p.Flags.SingleJointSizeTable = true;
    JointSizeTable& t = p.TieSizes;
    t = {};
    const JointSizeRow rows[] = {
        {0, 5, 44, 44, true}, {5, 5, 38, std::nullopt, false}, {6, 6, 32, 32, false}, {7, 7, 27, 27, false},
        {8, 8, 24, 24, false}, {9, 9, 21, 21, false}, {10, JointSizeRow::AnyLength, 19, 19, false},
    };
    for (const JointSizeRow& r : rows)
        t.rows[t.count++] = r;
    p.BowSizes = {}; // never read
    return p;
}

TEST(JointNames, ShortRowOfFiveCharactersTakesTheSizeOption)
{
    LayoutPage page;
    joint(page, {"山田太郎兵", "佐藤一", "山田太郎兵衛"});
    page.host.nameSize = SizeOption::Larger;
    ASSERT_TRUE(page.run(shortRowOfFive()).ok());
    // 大きめ 3: 75, 75 and 70 pt with two 10-point lines, 240 pt = 84.67 mm:
    // (100 - 84.67) / 2 / 1.5875 = 4.83 -> 5; indent 14 less 4 for three names
    EXPECT_EQ(page.name(), lines({
                               "BL 5 ＭＳ 明朝 4",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"山田太郎兵\" ＭＳ Ｐ明朝 75 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 75",
                               "BL 1 ＭＳ Ｐ明朝 10",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"佐藤一\" ＭＳ Ｐ明朝 75 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 75",
                               "BL 1 ＭＳ Ｐ明朝 10",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"山田太郎兵衛\" ＭＳ Ｐ明朝 70 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 70",
                               "BL 2 ＭＳ Ｐ明朝 10",
                               "BL 2 ＭＳ 明朝 5",
                               "BL 20 ＭＳ 明朝 12",
                           }));
}

TEST(JointNames, SingleTableServesBothKnots)
{
    LayoutPage page;
    joint(page, {"山田太郎兵", "山田花子", "あいうえおかきくけこ"});
    ASSERT_TRUE(page.run(singleTable()).ok());
    // 蝶結び chosen, the one table used: measured 38 + 44 + 19 pt and two
    // 10-point lines, 121 pt = 42.69 mm: (100 - 42.69) / 2 / 1.5875 = 18.05 -> 18;
    // the five-character name is written at 44; indent 14 less 4 (the knot still rules it)
    EXPECT_EQ(page.name(), lines({
                               "BL 18 ＭＳ 明朝 4",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"山田太郎兵\" ＭＳ Ｐ明朝 44 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 44",
                               "BL 1 ＭＳ Ｐ明朝 10",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"山田花子\" ＭＳ Ｐ明朝 44 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 44",
                               "BL 1 ＭＳ Ｐ明朝 10",
                               "SP 10 ＭＳ 明朝 10",
                               "TX \"あいうえおかきくけこ\" ＭＳ Ｐ明朝 19 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 19",
                               "BL 2 ＭＳ Ｐ明朝 10",
                               "BL 2 ＭＳ 明朝 5",
                               "BL 20 ＭＳ 明朝 12",
                           }));
    // 特大 6 reaches the short row only: 50 to write, the fixed 38 to measure
    page.host.nameSize = SizeOption::Extra;
    ASSERT_TRUE(page.run(singleTable()).ok());
    EXPECT_TRUE(page.name().contains(QString::fromUtf8("TX \"山田太郎兵\" ＭＳ Ｐ明朝 50")));
    EXPECT_TRUE(page.name().contains(QString::fromUtf8("TX \"山田花子\" ＭＳ Ｐ明朝 50")));
    EXPECT_TRUE(page.name().contains(QString::fromUtf8("TX \"あいうえおかきくけこ\" ＭＳ Ｐ明朝 19")));
    // 38 + 50 + 19 + 20 = 127 pt = 44.80 mm: 17.39 -> 17
    EXPECT_TRUE(page.name().startsWith(QString::fromUtf8("BL 17 ＭＳ 明朝 4\n")));
}

} // namespace
