// The "２行印刷" style: company column, then title and person's name.
#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

using namespace layout;

namespace {

LayoutPage& twoLine(LayoutPage& page)
{
    page.host.style = app::NameStyle::TwoLine;
    page.host.company = "  株式会社山田商事 ";
    page.host.title = "代表取締役社長";
    page.host.person = "山田太郎";
    page.host.personMax = 5;
    return page;
}

TEST(TwoLineName, LargePage)
{
    LayoutPage page;
    ASSERT_TRUE(twoLine(page).run(LayoutNoshiLarge).ok());
    // centred as one 54-point column: 25.50 -> 25; company indent 7, title 7 + 2;
    // one character short of the limit: no letter spacing
    EXPECT_EQ(page.name(), lines({
                               "BL 25 ＭＳ 明朝 4",
                               "SP 7 ＭＳ 明朝 10",
                               "TX \"株式会社山田商事\" ＭＳ Ｐ明朝 20 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 20",
                               "BL 1 ＭＳ Ｐ明朝 12",
                               "SP 9 ＭＳ 明朝 10",
                               "TX \"代表取締役社長\" ＭＳ Ｐ明朝 11 b=0 c=000000",
                               "SP 1 ＭＳ Ｐ明朝 11",
                               "TX \"山田太郎\" ＭＳ Ｐ明朝 23 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 23",
                               "BL 2 ＭＳ 明朝 5",
                               "BL 20 ＭＳ 明朝 12",
                           }));
    EXPECT_EQ(page.host.writes.join(u'|'), "Text7=株式会社山田商事");
    EXPECT_EQ(int(page.ctx.ColumnIndent), 7);
}

TEST(TwoLineName, PersonLetterSpacingFollowsTheRoomLeft)
{
    struct Case {
        const char* person;
        int maxLength;
        const char* expected;
        const char* writes;
    };
    const Case cases[] = {
        {"山田", 10, "TX \"山\" ＭＳ Ｐ明朝 18 b=0 c=000000\nSP 3 ＭＳ Ｐ明朝 10\nTX \"田\"", ""},
        {"山田太", 5, "TX \"山\" ＭＳ Ｐ明朝 18 b=0 c=000000\nSP 1 ＭＳ Ｐ明朝 10\nTX \"田\"", ""},
        {"山田太郎兵", 5, "TX \"山田太郎兵\" ＭＳ Ｐ明朝 18 b=0 c=000000\nEC", ""},
        {"山田太郎兵衛", 0, "TX \"山田太郎兵衛\" ＭＳ Ｐ明朝 18 b=0 c=000000\nEC", ""},
        {"山", 7, "TX \"山\" ＭＳ Ｐ明朝 18 b=0 c=000000\nEC ＭＳ Ｐ明朝 18", ""},
        // an empty name becomes four full-width blanks, spaced like any four characters
        {"", 10, "TX \"　\" ＭＳ Ｐ明朝 18 b=0 c=000000\nSP 3 ＭＳ Ｐ明朝 10\nTX \"　\"", "Text8=　　　　"},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        twoLine(page);
        page.host.company = "山田商事";
        page.host.person = c.person;
        page.host.personMax = c.maxLength;
        ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
        EXPECT_TRUE(page.name().contains(QString::fromUtf8(c.expected))) << c.person << "\n"
                                                                        << page.name().toStdString();
        EXPECT_EQ(page.host.writes.join(u'|').remove("Text7=山田商事").remove(u'|'), QString::fromUtf8(c.writes));
    }
    LayoutPage empty;
    twoLine(empty).host.person = "";
    ASSERT_TRUE(empty.run(LayoutNoshiMedium).ok());
    EXPECT_EQ(empty.host.person, "　　　　");
}

TEST(TwoLineName, CompanySizeTitleAndIndentEdges)
{
    struct Case {
        const TemplateParameterSet* member;
        const char* company;
        const char* title;
        SizeOption option;
        int offsetName;
        const char* expected;
    };
    const Case cases[] = {
        // ten characters follow the option (3 + 20), eleven never do
        {&LayoutNoshiLarge, "一二三四五六七八九十", "社長", SizeOption::Larger, 0, "TX \"一二三四五六七八九十\" ＭＳ Ｐ明朝 23"},
        {&LayoutNoshiLarge, "一二三四五六七八九十一", "社長", SizeOption::Larger, 0, "TX \"一二三四五六七八九十一\" ＭＳ Ｐ明朝 18"},
        {&LayoutNoshiSmall, "一二三四五六七八九十一二三四五", "社長", SizeOption::Standard, 0, "TX \"一二三四五六七八九十一二三四五\" ＭＳ Ｐ明朝 8 b=0"},
        {&LayoutWashiSmall, "一二三四五六七八九十一二三四五", "社長", SizeOption::Standard, 0, "TX \"一二三四五六七八九十一二三四五\" ＭＳ Ｐ明朝 9 b=0"},
        // 大きめ and 特大 leave the small block as it is; 小さめ takes 4 points off
        {&LayoutNoshiSmall, "山田商事", "社長", SizeOption::Extra, 0, "BL 27 ＭＳ 明朝 4\nSP 5 ＭＳ 明朝 10\nTX \"山田商事\" ＭＳ Ｐ明朝 13"},
        {&LayoutNoshiSmall, "山田商事", "社長", SizeOption::Smaller, 0, "BL 28 ＭＳ 明朝 4\nSP 5 ＭＳ 明朝 10\nTX \"山田商事\" ＭＳ Ｐ明朝 9"},
        // an empty company still gives its column; an empty title one blank
        {&LayoutNoshiMedium, "", "", SizeOption::Standard, 0,
         "SP 4 ＭＳ 明朝 10\nEC ＭＳ Ｐ明朝 16\nBL 1 ＭＳ Ｐ明朝 10\nSP 6 ＭＳ 明朝 10\nSP 1 ＭＳ Ｐ明朝 9\nTX \"山田太郎\" ＭＳ Ｐ明朝 18"},
        // an indent above the top: no blanks before the company, two before the title
        {&LayoutNoshiMedium, "　山田商事", "社長", SizeOption::Standard, -10,
         "BL 27 ＭＳ 明朝 4\nTX \"　山田商事\" ＭＳ Ｐ明朝 16 b=0 c=000000\nEC ＭＳ Ｐ明朝 16\nBL 1 ＭＳ Ｐ明朝 10\nSP 2 ＭＳ 明朝 10\n"},
        {&LayoutWashiSmall, "山田商事", "支 店 長", SizeOption::Standard, 0,
         "SP 5 ＭＳ 明朝 7\nTX \"支\" ＭＳ Ｐ明朝 9 b=0 c=000000\nSP 1 ＭＳ Ｐ明朝 9\nTX \"店\""},
        // ＮＯ１６ writes fourteen characters at 13 as fifteen, thirteen at 14
        {&LayoutModelNo16, "一二三四五六七八九十一二三四", "社長", SizeOption::Standard, 0,
         "TX \"一二三四五六七八九十一二三四\" ＭＳ Ｐ明朝 13 b=0"},
        {&LayoutModelNo16, "一二三四五六七八九十一二三", "社長", SizeOption::Standard, 0,
         "TX \"一二三四五六七八九十一二三\" ＭＳ Ｐ明朝 14 b=0"},
        // Ｂ６判 under 小さめ: eleven characters come out larger than ten
        {&LayoutB6, "一二三四五六七八九十", "社長", SizeOption::Smaller, 0, "TX \"一二三四五六七八九十\" ＭＳ Ｐ明朝 12 b=0"},
        {&LayoutB6, "一二三四五六七八九十一", "社長", SizeOption::Smaller, 0, "TX \"一二三四五六七八九十一\" ＭＳ Ｐ明朝 13 b=0"},
        // 特大 adds as 大きめ does: 4 on the wide papers, 1 on Ｂ５判（特殊）
        {&LayoutTanmonoban, "山田商事", "社長", SizeOption::Extra, 0, "SP 20 ＭＳ 明朝 10\nTX \"山田商事\" ＭＳ Ｐ明朝 32"},
        {&LayoutB5Special, "山田商事", "社長", SizeOption::Extra, 0, "SP 10 ＭＳ 明朝 10\nTX \"山田商事\" ＭＳ Ｐ明朝 15"},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        twoLine(page);
        page.host.company = c.company;
        page.host.title = c.title;
        page.host.nameSize = c.option;
        page.in.CurOffsetName = int16_t(c.offsetName);
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_TRUE(page.name().contains(QString::fromUtf8(c.expected)))
            << c.member->MemberName << " " << c.company << "\n" << page.name().toStdString();
    }
}

TEST(TwoLineName, BoldFormGivesTitleAndPersonAColumnEach)
{
    TemplateParameterSet bold = LayoutNoshiLarge;
    bold.Flags = {.BoldLayout = true, .UnsplitTwoCharOmote = true};
    bold.TwoLineLeadCut = 2;
    bold.TitleGapSize = 6;
    bold.BoldPersonSize = {30, 28, 26, 24, 22, 20, 18};
    LayoutPage page;
    twoLine(page);
    page.host.company = "山田商事";
    page.host.title = "社長";
    page.host.omote = "御礼";
    ASSERT_TRUE(page.run(bold).ok());
    EXPECT_TRUE(page.ctx.MeasureBold);
    EXPECT_TRUE(page.name().contains(lines({
        "SP 7 ＭＳ 明朝 10",
        "TX \"山田商事\" ＭＳ Ｐ明朝 20 b=1 c=000000",
        "EC ＭＳ Ｐ明朝 20",
        "BL 1 ＭＳ Ｐ明朝 12",
        "SP 9 ＭＳ 明朝 10",
        "TX \"社長\" ＭＳ Ｐ明朝 11 b=1 c=000000",
        "EC ＭＳ Ｐ明朝 11",
        "BL 1 ＭＳ Ｐ明朝 6",
        "SP 9 ＭＳ 明朝 10",
        "TX \"山田太郎\" ＭＳ Ｐ明朝 30 b=1 c=000000",
        "EC ＭＳ Ｐ明朝 30",
    }))) << page.name().toStdString();
    // the two-character inscription stays one bold run
    EXPECT_TRUE(page.omote().contains("TX \"御礼\" ＭＳ Ｐ明朝 44 b=1 c=000000\nEC"));

    // The next plain member measures in the regular weight again.
    twoLine(page);
    ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
    EXPECT_FALSE(page.ctx.MeasureBold);
    EXPECT_TRUE(page.name().startsWith("BL 25 ＭＳ 明朝 4\n"));
}

} // namespace
