// Whole pages in the "１行印刷" style, traced box by box. The page is 100 mm
// wide and a blank line 1.587502 mm, so a column of s points (s * 25.4 / 72
// mm wide) is preceded by round((100 - width) / 2 / 1.587502) blank lines.
#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

using namespace layout;

namespace {

struct PageCase {
    const char* label;
    const TemplateParameterSet* member;
    void (*setup)(LayoutPage&);
    const char* omote;
    const char* name;
    const char* writes;
};

const PageCase Cases[] = {
    {"large four-character name letter-spaced", &LayoutNoshiLarge,
     [](LayoutPage& p) { p.host.omote = "御祝"; p.host.name = "山田太郎"; },
     // 44 pt column: 26.61 -> 27 lines; two characters split by a blank
     "BL 27 ＭＳ 明朝 4\n"
     "SP 9 ＭＳ 明朝 10\n"
     "TX \"御\" ＭＳ Ｐ明朝 44 b=0 c=000000\n"
     "SP 1 ＭＳ Ｐ明朝 44\n"
     "TX \"祝\" ＭＳ Ｐ明朝 44 b=0 c=000000\n"
     "EC ＭＳ Ｐ明朝 44\n"
     "BL 20 ＭＳ Ｐ明朝 12\n",
     // 40 pt: 27.05 -> 27; indent 6 + 2 (<=5) + 2 (<=7)
     "BL 27 ＭＳ 明朝 4\n"
     "SP 10 ＭＳ 明朝 10\n"
     "TX \"山\" ＭＳ Ｐ明朝 40 b=0 c=000000\n"
     "SP 1 ＭＳ Ｐ明朝 10\n"
     "TX \"田\" ＭＳ Ｐ明朝 40 b=0 c=000000\n"
     "SP 1 ＭＳ Ｐ明朝 10\n"
     "TX \"太\" ＭＳ Ｐ明朝 40 b=0 c=000000\n"
     "SP 1 ＭＳ Ｐ明朝 10\n"
     "TX \"郎\" ＭＳ Ｐ明朝 40 b=0 c=000000\n"
     "EC ＭＳ Ｐ明朝 40\n"
     "BL 2 ＭＳ 明朝 5\n"
     "BL 20 ＭＳ 明朝 12\n",
     "Text2=山田太郎"},
    {"medium two-character name with furigana, address, offsets, thin ink, bold", &LayoutNoshiMedium,
     [](LayoutPage& p) {
         p.host.omote = "御中元";
         p.host.name = "山田 ";
         p.host.kana = "やまだ";
         p.host.postal = "〒100-0001";
         p.host.faxText = "ＦＡＸ 03-1234";
         p.host.nBold = true;
         p.in.TextColor = 0xC0C0C0;
         p.in.CurOffsetX = 2;
         p.in.CurOffsetOmote = -1;
         p.in.CurOffsetName = 1;
     },
     // 40 pt: 27 + 2; indent 5 - 1
     "BL 29 ＭＳ 明朝 4\n"
     "SP 4 ＭＳ 明朝 10\n"
     "TX \"御中元\" ＭＳ Ｐ明朝 40 b=0 c=C0C0C0\n"
     "EC ＭＳ Ｐ明朝 40\n"
     "BL 20 ＭＳ Ｐ明朝 12\n",
     // 34 pt: 28 - 4 furigana + 2; furigana 1 + 8 blanks; name 1 + 4 + 2 + 2 + 1;
     // address indent (1 + 6) * 2 blanks at 5 pt
     "BL 26 ＭＳ 明朝 4\n"
     "SP 9 ＭＳ 明朝 12\n"
     "TX \"やまだ\" ＭＳ Ｐ明朝 12 b=1 c=C0C0C0\n"
     "EC ＭＳ Ｐ明朝 12\n"
     "BL 1 ＭＳ Ｐ明朝 4\n"
     "SP 10 ＭＳ 明朝 10\n"
     "TX \"山\" ＭＳ Ｐ明朝 34 b=1 c=C0C0C0\n"
     "SP 1 ＭＳ Ｐ明朝 34\n"
     "TX \"田\" ＭＳ Ｐ明朝 34 b=1 c=C0C0C0\n"
     "EC ＭＳ Ｐ明朝 34\n"
     "BL 1 ＭＳ 明朝 5\n"
     "SP 14 ＭＳ 明朝 5\n"
     "TX \"〒100-0001\" ＭＳ Ｐ明朝 6 b=1 c=C0C0C0\n"
     "EC ＭＳ Ｐ明朝 6\n"
     "SP 14 ＭＳ 明朝 5\n"
     "TX \"ＦＡＸ\" ＭＳ Ｐ明朝 7 b=1 c=C0C0C0\n"
     "SP 1 ＭＳ Ｐ明朝 7\n"
     "TX \"03-1234\" ＭＳ Ｐ明朝 7 b=1 c=C0C0C0\n"
     "EC ＭＳ Ｐ明朝 7\n"
     "BL 1 ＭＳ Ｐ明朝 7\n"
     "BL 20 ＭＳ Ｐ明朝 12\n",
     "Text2=山田"},
    {"small plain sheet and empty name", &LayoutNoshiSmall,
     [](LayoutPage& p) { p.host.omote = "無　地"; p.host.name = ""; },
     // an invisible column at the length-3 size and indent
     "BL 27 ＭＳ 明朝 4\n"
     "SP 4 ＭＳ 明朝 10\n"
     "TX \"　　　\" ＭＳ Ｐ明朝 40 b=0 c=000000\n"
     "EC ＭＳ Ｐ明朝 40\n"
     "BL 18 ＭＳ Ｐ明朝 12\n",
     // measured as one character at 32 pt (28 lines); indent 4 + 2 (<=3) + 1 (<=7);
     // no writing size, so the line ends at 10 pt
     "BL 28 ＭＳ 明朝 4\n"
     "SP 7 ＭＳ 明朝 10\n"
     "EC ＭＳ Ｐ明朝 10\n"
     "BL 2 ＭＳ 明朝 5\n"
     "BL 18 ＭＳ 明朝 12\n",
     "Text2="},
    {"washi small, long inscription and six-character name, both 特大", &LayoutWashiSmall,
     [](LayoutPage& p) {
         p.host.omote = "寿御結婚御祝御礼内祝";
         p.host.omoteSize = SizeOption::Extra;
         p.host.name = "山田　太郎様";
         p.host.nameSize = SizeOption::Extra;
     },
     // 2 + 32 = 34 pt (28 lines); indent 2 - 1
     "BL 28 ＭＳ 明朝 4\n"
     "SP 1 ＭＳ 明朝 10\n"
     "TX \"寿御結婚御祝御礼内祝\" ＭＳ Ｐ明朝 34 b=0 c=000000\n"
     "EC ＭＳ Ｐ明朝 34\n"
     "BL 12 ＭＳ Ｐ明朝 12\n",
     // six characters: 20 pt whatever the option (29 lines); no 特大 cut; 3 + 1 (<=7)
     "BL 29 ＭＳ 明朝 4\n"
     "SP 4 ＭＳ 明朝 10\n"
     "TX \"山田　太郎様\" ＭＳ Ｐ明朝 20 b=0 c=000000\n"
     "EC ＭＳ Ｐ明朝 20\n"
     "BL 2 ＭＳ 明朝 5\n"
     "BL 12 ＭＳ 明朝 12\n",
     "Text2=山田　太郎様"},
};

class OneLinePage : public ::testing::TestWithParam<PageCase> {};

TEST_P(OneLinePage, BoxesMatchTheWorkedPage)
{
    const PageCase& c = GetParam();
    LayoutPage page;
    c.setup(page);
    ASSERT_TRUE(page.run(*c.member).ok()) << page.result.message.toStdString();
    EXPECT_EQ(page.omote().toStdString(), std::string(c.omote));
    EXPECT_EQ(page.name().toStdString(), std::string(c.name));
    EXPECT_EQ(page.host.writes.join(u'|').toStdString(), std::string(c.writes));
}

INSTANTIATE_TEST_SUITE_P(Members, OneLinePage, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Sizes and indents by inscription length, name length and option.
struct NameRule {
    const TemplateParameterSet* member;
    const char* omote;
    const char* name;
    SizeOption option;
    int offsetName;
    int delta;  // NameSizeDelta
    int indent; // ColumnIndent
};

TEST(OneLineName, DeltaAndIndentFollowLengthAndOption)
{
    const NameRule rules[] = {
        // "大きめ": short inscription, five-character name -> the 5-character delta
        {&LayoutNoshiLarge, "御礼", "山田太郎兵", SizeOption::Larger, 0, 4, 6 + 2 + 2},
        {&LayoutNoshiLarge, "御中元", "山田太郎兵", SizeOption::Larger, 0, 4, 10},
        {&LayoutNoshiLarge, "御礼", "山田太郎", SizeOption::Larger, 0, 8, 10},
        {&LayoutNoshiLarge, "御礼", "山田", SizeOption::Smaller, 0, -4, 6 + 3 + 2 + 2},
        {&LayoutNoshiMedium, "御中元", "山田", SizeOption::Smaller, 0, -3, 4 + 2 + 2 + 1},
        // "特大" by name length, whatever the inscription
        {&LayoutNoshiLarge, "御中元", "山田太郎", SizeOption::Extra, 0, 6, 6 - 2 + 4},
        {&LayoutNoshiLarge, "御礼", "山田太郎兵", SizeOption::Extra, 0, 4, 6 - 2 + 4},
        {&LayoutNoshiLarge, "御礼", "山田太", SizeOption::Extra, 0, 12, 6 - 2 + 3 + 2 + 2},
        // one character: 6 + 3 + 3 + 2 + 2; six: 6 + 2
        {&LayoutNoshiLarge, "御礼", "山", SizeOption::Standard, 3, 0, 3 + 16},
        {&LayoutNoshiLarge, "御礼", "山田太郎兵衛", SizeOption::Standard, 3, 0, 3 + 8},
        // below 0 after the cut: the floor, then the steps
        {&LayoutNoshiMedium, "御礼", "山田太", SizeOption::Extra, -5, 8, 0 + 2 + 2 + 1},
        {&LayoutWashiSmall, "御礼", "山田太郎", SizeOption::Extra, 0, 2, 3 + 1},
        // ＮＯ１６: 大きめ adds 5 to a five-character name as to any under a
        // short inscription; 特大 adds 5 to four and five characters
        {&LayoutModelNo16, "御礼", "山田太郎兵", SizeOption::Larger, 0, 5, 8 + 2},
        {&LayoutModelNo16, "御中元", "山田", SizeOption::Larger, 0, 2, 8 + 2 + 3 + 2},
        {&LayoutModelNo16, "御礼", "山田太郎", SizeOption::Extra, 0, 5, 8 - 2 + 2},
        {&LayoutModelNo16, "御礼", "山", SizeOption::Extra, -12, 12, 0 + 2 + 2 + 3 + 2},
        // Ｂ６判: 小さめ takes 2 off under any inscription; the floor before the steps
        {&LayoutB6, "御礼", "山田太郎兵", SizeOption::Larger, 0, 3, 4 + 2},
        {&LayoutB6, "御中元", "山田太郎兵", SizeOption::Larger, 0, 2, 4 + 2},
        {&LayoutB6, "御中元", "山田太", SizeOption::Smaller, 0, -2, 4 + 2 + 2},
        {&LayoutB6, "御礼", "山", SizeOption::Extra, -6, 8, 0 + 2 + 2 + 2},
        {&LayoutB6, "御礼", "山田太郎兵衛", SizeOption::Standard, 0, 0, 4},
        // 反物判: five steps of 3 blanks; a far-raised name keeps none of the base
        {&LayoutTanmonoban, "御礼", "山田太郎", SizeOption::Larger, 0, 10, 15 + 3 + 3},
        {&LayoutTanmonoban, "御礼", "山田太郎兵", SizeOption::Larger, 0, 8, 15 + 3 + 3},
        {&LayoutTanmonoban, "御中元", "山田太", SizeOption::Larger, 0, 8, 15 + 3 + 3 + 3},
        {&LayoutTanmonoban, "御礼", "山", SizeOption::Extra, -20, 20, 0 + 3 * 5},
        {&LayoutTanmonoban, "御礼", "山田太郎兵衛守男", SizeOption::Extra, -20, 20, 0},
        // Ｂ５判（特殊）: 大きめ adds only 2 to a five-character name
        {&LayoutB5Special, "御礼", "山田太郎兵", SizeOption::Larger, 0, 2, 8 + 2},
        {&LayoutB5Special, "御礼", "山", SizeOption::Extra, -10, 6, 0 + 2 + 2 + 3 + 2},
        {&LayoutB5Special, "御礼", "山", SizeOption::Standard, -10, 0, 0 + 2 + 2 + 3 + 2},
        {&LayoutB5Special, "御礼", "山田太郎兵衛守男", SizeOption::Standard, 0, 0, 8},
    };
    for (const NameRule& r : rules) {
        LayoutPage page;
        page.host.omote = r.omote;
        page.host.name = r.name;
        page.host.nameSize = r.option;
        page.in.CurOffsetName = int16_t(r.offsetName);
        ASSERT_TRUE(page.run(*r.member).ok());
        EXPECT_EQ(int(page.ctx.NameSizeDelta), r.delta) << r.member->MemberName << " " << r.name;
        EXPECT_EQ(int(page.ctx.ColumnIndent), r.indent) << r.member->MemberName << " " << r.name;
    }
}

TEST(OneLineName, TrailingBlanksTrimmedExceptInTheUntrimmedMember)
{
    LayoutPage medium;
    medium.host.name = "山田 ";
    ASSERT_TRUE(medium.run(LayoutNoshiMedium).ok());
    EXPECT_EQ(medium.host.name, "山田");
    EXPECT_EQ(medium.ctx.NameText, "山 田");

    // The untrimmed member keeps a three-character name whose last letter is the blank.
    LayoutPage large;
    large.host.name = "山田 ";
    ASSERT_TRUE(large.run(LayoutNoshiLarge).ok());
    EXPECT_EQ(large.host.name, "山田 ");
    EXPECT_TRUE(large.name().contains(lines({
        "TX \"山\" ＭＳ Ｐ明朝 44 b=0 c=000000",
        "SP 1 ＭＳ Ｐ明朝 10",
        "TX \"田\" ＭＳ Ｐ明朝 44 b=0 c=000000",
        "SP 1 ＭＳ Ｐ明朝 10",
        "SP 1 ＭＳ Ｐ明朝 44",
        "EC ＭＳ Ｐ明朝 44",
    })));
}

TEST(OneLineName, RankRangeIsLaidOutAsTwoCharacters)
{
    LayoutPage page;
    page.host.name = "位";
    page.host.rankFrom = "1";
    page.host.rankTo = "3";
    ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
    EXPECT_EQ(page.host.name, "位");
    EXPECT_EQ(page.ctx.NameText, "０ 位");
    EXPECT_TRUE(page.name().contains("BL 28 ＭＳ 明朝 4\nSP 9 ＭＳ 明朝 10\nTX \"０\" ＭＳ Ｐ明朝 34"));
}

TEST(OneLineName, NoSizeOptionKeepsTheEarlierDelta)
{
    LayoutPage page;
    page.host.name = "山田";
    page.host.nameSize = SizeOption::Larger;
    ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
    EXPECT_EQ(int(page.ctx.NameSizeDelta), 8);
    page.host.nameSize = SizeOption::None;
    page.host.omote = "御中元";
    ASSERT_TRUE(page.run(LayoutNoshiLarge).ok());
    EXPECT_EQ(int(page.ctx.NameSizeDelta), 8);
}

TEST(OneLineName, UnknownStyleStillWritesAddressAndTrailingLines)
{
    LayoutPage page;
    page.host.style = app::NameStyle::None;
    page.host.phone = "ＴＥＬ 03";
    ASSERT_TRUE(page.run(LayoutNoshiSmall).ok());
    // address indent 6 -> 12 blanks at 5 pt, no centring lines before the block
    EXPECT_EQ(page.name(), lines({
                               "BL 1 ＭＳ 明朝 5",
                               "SP 12 ＭＳ 明朝 5",
                               "TX \"ＴＥＬ\" ＭＳ Ｐ明朝 6 b=0 c=000000",
                               "SP 1 ＭＳ Ｐ明朝 6",
                               "TX \"03\" ＭＳ Ｐ明朝 6 b=0 c=000000",
                               "EC ＭＳ Ｐ明朝 6",
                               "BL 1 ＭＳ Ｐ明朝 6",
                               "BL 18 ＭＳ Ｐ明朝 12",
                           }));
}

TEST(OneLineName, AddressIndentAboveTheTopWritesNoBlanks)
{
    LayoutPage page;
    page.host.style = app::NameStyle::None;
    page.host.faxText = " ";
    page.in.CurOffsetName = -7;
    ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
    EXPECT_EQ(page.name(), lines({"BL 1 ＭＳ 明朝 5", "SP 1 ＭＳ Ｐ明朝 7", "EC ＭＳ Ｐ明朝 7",
                                  "BL 1 ＭＳ Ｐ明朝 7", "BL 20 ＭＳ Ｐ明朝 12"}));
}

TEST(OneLineName, BoldMembersWriteTheHeadLinesBoldUnlessTheyKeepTheTwoColumnName)
{
    TemplateParameterSet bold = LayoutNoshiMedium;
    bold.Flags = {.BoldLayout = true, .UnsplitTwoCharOmote = true};
    TemplateParameterSet twoColumn = bold;
    twoColumn.Flags.BoldTwoColumnName = true;
    for (const TemplateParameterSet* m : {&bold, &twoColumn}) {
        LayoutPage page;
        page.host.name = "山田";
        ASSERT_TRUE(page.run(*m).ok());
        const bool expected = m == &bold;
        const rt::RichDocument& doc = page.nameBox.document();
        ASSERT_GT(doc.paragraphs.size(), 2);
        EXPECT_EQ(doc.paragraphs[0].mark.bold, expected); // a centring line
        EXPECT_EQ(doc.paragraphs[0].mark.size, 4.0);
        // the indent blanks carry on in the same weight, the name is bold in both
        const rt::Paragraph* nameLine = nullptr;
        for (const auto& p : doc.paragraphs)
            if (!p.items.isEmpty())
                nameLine = &p;
        ASSERT_NE(nameLine, nullptr);
        EXPECT_EQ(nameLine->items.first().format.bold, expected);
        EXPECT_TRUE(nameLine->items.last().format.bold);
    }
}

} // namespace
