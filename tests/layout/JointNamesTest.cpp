// The "連名印刷" style: one column per name, sized by knot and length.
#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

using namespace layout;

namespace {

void joint(LayoutPage& page, std::initializer_list<const char*> names)
{
    page.host.nameStyle = "連名印刷";
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
    const Case cases[] = {
        {&LayoutNoshiLarge, 1, true, 0, 22 - 3},  {&LayoutNoshiLarge, 3, true, 0, 22 - 3},
        {&LayoutNoshiLarge, 4, true, 0, 22 - 3},  {&LayoutNoshiLarge, 5, true, 0, 22},
        {&LayoutNoshiMedium, 3, true, 0, 14 - 4}, {&LayoutNoshiMedium, 4, true, 0, 14 - 2},
        {&LayoutNoshiMedium, 7, true, 0, 14},     {&LayoutNoshiMedium, 2, true, 0, 7},
        {&LayoutNoshiMedium, 3, false, 2, 2 + 7}, {&LayoutWashiSmall, 1, true, -20, 0},
        {&LayoutNoshiSmall, 6, false, -6, 0},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.nameStyle = "連名印刷";
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

} // namespace
