// The strip members: their one-line name rows and indents, and joint names
// laid out without the knot choice.
#include "LayoutTestSupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace layout;

namespace {

const TemplateParameterSet* const Strips[] = {&LayoutTanzakuLarge, &LayoutTanzakuSmall, &LayoutTanzakuSmallB,
                                              &LayoutTanzakuExtraLarge};

void joint(LayoutPage& page, int count, const QString& name = QStringLiteral("山田太郎"))
{
    page.host.style = app::NameStyle::Joint;
    page.host.jointCount = QString::number(count);
    for (int i = 1; i <= count; ++i)
        page.host.joint[size_t(i)] = name;
}

TEST(StripMembers, KnotlessFlagsAndTheirOwnTrimmedNames)
{
    for (const TemplateParameterSet* m : Strips) {
        EXPECT_TRUE(m->Flags.KnotlessJointNames) << m->MemberName;
        EXPECT_FALSE(m->Flags.NameTextUntrimmed || m->Flags.NoIndentSteps || m->Flags.NoJointIndentCuts ||
                     m->Flags.AbortOnError || m->Flags.BoldLayout)
            << m->MemberName;
        EXPECT_EQ(findLayoutMember(QString::fromLatin1(m->MemberName)), m);
    }
    // A name typed with trailing blanks is laid out and written back without them.
    LayoutPage page;
    page.host.name = QStringLiteral("山田 ");
    ASSERT_TRUE(page.run(LayoutTanzakuSmallB).ok());
    EXPECT_EQ(page.host.writes, QStringList{QStringLiteral("Text2=山田")});
    EXPECT_TRUE(page.name().contains(QStringLiteral("TX \"山\" ＭＳ Ｐ明朝 48"))) << page.name().toStdString();
}

// "１行印刷" at offset 0: size and ColumnIndent by name length, at 標準 and 特大.
TEST(StripMembers, OneLineNameSizeAndIndentByLength)
{
    struct Cell {
        int size, indent, extraSize, extraIndent;
    };
    // Rows: name length 1 to 10; columns: Large, Small, SmallB, ExtraLarge.
    const Cell table[10][4] = {
        {{58, 19, 82, 16}, {52, 16, 70, 14}, {52, 16, 68, 14}, {100, 27, 110, 21}},
        {{56, 17, 80, 14}, {48, 13, 66, 11}, {48, 13, 64, 11}, {90, 24, 100, 18}},
        {{56, 15, 80, 12}, {48, 13, 66, 11}, {48, 13, 64, 11}, {90, 24, 100, 18}},
        {{52, 12, 68, 9}, {42, 10, 52, 8}, {42, 10, 50, 8}, {90, 21, 91, 15}},
        {{50, 12, 58, 9}, {40, 10, 46, 8}, {36, 10, 46, 8}, {75, 21, 76, 15}},
        {{42, 12, 42, 9}, {36, 10, 36, 8}, {34, 10, 34, 8}, {65, 21, 65, 15}},
        {{38, 12, 38, 9}, {30, 10, 30, 8}, {30, 10, 30, 8}, {60, 21, 60, 15}},
        {{36, 12, 36, 9}, {28, 8, 28, 6}, {28, 8, 28, 6}, {50, 18, 50, 12}},
        {{32, 12, 32, 9}, {26, 8, 26, 6}, {26, 8, 26, 6}, {45, 18, 45, 12}},
        {{28, 12, 28, 9}, {24, 8, 24, 6}, {24, 8, 24, 6}, {40, 18, 40, 12}},
    };
    const QString letters = QStringLiteral("一二三四五六七八九十");
    for (int length = 1; length <= 10; ++length) {
        for (int col = 0; col < 4; ++col) {
            for (bool extra : {false, true}) {
                LayoutPage page;
                page.host.name = letters.left(length);
                page.host.nameSize = extra ? SizeOption::Extra : SizeOption::Standard;
                ASSERT_TRUE(page.run(*Strips[col]).ok());
                const Cell& c = table[length - 1][col];
                EXPECT_EQ(firstTextSize(page.name()), extra ? c.extraSize : c.size)
                    << Strips[col]->MemberName << " length " << length << (extra ? " 特大" : "");
                EXPECT_EQ(int(page.ctx.ColumnIndent), extra ? c.extraIndent : c.indent)
                    << Strips[col]->MemberName << " length " << length << (extra ? " 特大" : "");
            }
        }
    }
}

TEST(StripMembers, LargerNameDependsOnTheInscriptionLength)
{
    struct Case {
        const TemplateParameterSet* member;
        const char* omote;
        const char* name;
        int size;
    };
    const Case cases[] = {
        {&LayoutTanzakuExtraLarge, "寸志", "山田", 91},  {&LayoutTanzakuExtraLarge, "御中元", "山田", 100},
        {&LayoutTanzakuLarge, "寸志", "山田", 72},       {&LayoutTanzakuLarge, "御中元", "山田", 60},
        {&LayoutTanzakuSmallB, "寸志", "山田太郎兵", 46}, {&LayoutTanzakuSmall, "寸志", "山田太郎兵", 46},
        {&LayoutTanzakuSmall, "寸志", "山田太郎", 52},    {&LayoutTanzakuSmallB, "寸志", "山田太郎", 50},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.omote = QString::fromUtf8(c.omote);
        page.host.name = QString::fromUtf8(c.name);
        page.host.nameSize = SizeOption::Larger;
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_EQ(firstTextSize(page.name()), c.size) << c.member->MemberName << " " << c.omote << " " << c.name;
    }
}

TEST(StripMembers, CompanyRowsAndTheFloorBeforeTheIndentSteps)
{
    // 小さめ: a 10-character company name at -4 + 20, an 11-character one at 20.
    for (const auto& [company, size] : {std::pair{"一二三四五六七八九十", 16}, std::pair{"一二三四五六七八九十一", 20}}) {
        LayoutPage page;
        page.host.style = app::NameStyle::TwoLine;
        page.host.company = QString::fromUtf8(company);
        page.host.person = QStringLiteral("山田");
        page.host.nameSize = SizeOption::Smaller;
        ASSERT_TRUE(page.run(LayoutTanzakuSmall).ok());
        EXPECT_EQ(firstTextSize(page.name()), size) << company;
    }
    // Offset -20 and 特大: 12 - 3 - 20 is raised to 0 before the steps add 7;
    // the furigana has no blanks, each address item 2 × (-20 + 21).
    LayoutPage page;
    page.in.CurOffsetName = -20;
    page.host.name = QStringLiteral("誠");
    page.host.kana = QStringLiteral("まこと");
    page.host.address[0] = QStringLiteral("東京都");
    page.host.nameSize = SizeOption::Extra;
    ASSERT_TRUE(page.run(LayoutTanzakuLarge).ok());
    EXPECT_EQ(int(page.ctx.ColumnIndent), 7);
    EXPECT_TRUE(page.name().contains(lines({"SP 7 ＭＳ 明朝 10", "TX \"誠\" ＭＳ Ｐ明朝 82 b=0 c=000000"})))
        << page.name().toStdString();
    EXPECT_TRUE(page.name().contains(lines({"SP 2 ＭＳ 明朝 5", "TX \"東京都\" ＭＳ Ｐ明朝 14 b=0 c=000000"})));
    EXPECT_FALSE(page.name().contains(QStringLiteral("ＭＳ 明朝 16")));
}

TEST(StripJointNames, TwoNamesKeepTheKnotAndWriteNothingBack)
{
    // Either knot: the 結び切り row for four characters, and the base less
    // the cut for three or fewer names.
    const int size[] = {42, 32, 32, 70}, indent[] = {15 - 4, 16 - 4, 16 - 4, 18 - 4};
    for (int col = 0; col < 4; ++col) {
        const TemplateParameterSet* m = Strips[col];
        for (bool bow : {true, false}) {
            LayoutPage page;
            joint(page, 2);
            page.host.bow = bow;
            ASSERT_TRUE(page.run(*m).ok());
            EXPECT_TRUE(page.host.writes.isEmpty()) << m->MemberName << " " << page.host.writes.join(u'|').toStdString();
            EXPECT_EQ(page.host.bow, bow);
            EXPECT_EQ(firstTextSize(page.name()), size[col]) << m->MemberName;
            EXPECT_EQ(int(page.ctx.ColumnIndent), indent[col]) << m->MemberName;
        }
    }
}

TEST(StripJointNames, IndentByCountWithItsFloor)
{
    struct Case {
        int count;
        int offset;
        std::array<int, 4> indent; // Large, Small, SmallB, ExtraLarge
    };
    const Case cases[] = {
        {0, 0, {11, 12, 12, 14}}, {1, 0, {11, 12, 12, 14}},  {3, 0, {11, 12, 12, 14}},
        {4, 0, {13, 14, 14, 16}}, {5, 0, {15, 16, 16, 18}},  {7, 0, {15, 16, 16, 18}},
        {3, 2, {13, 14, 14, 16}}, {7, -20, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int col = 0; col < 4; ++col) {
            LayoutPage page;
            joint(page, c.count);
            page.in.CurOffsetName = int16_t(c.offset);
            ASSERT_TRUE(page.run(*Strips[col]).ok());
            EXPECT_EQ(int(page.ctx.ColumnIndent), c.indent[size_t(col)])
                << Strips[col]->MemberName << " count " << c.count << " offset " << c.offset;
        }
    }
}

TEST(StripJointNames, SizeRowsByLengthAndOption)
{
    struct Case {
        const TemplateParameterSet* member;
        SizeOption option;
        const char* name;
        int size;
    };
    const Case cases[] = {
        {&LayoutTanzakuSmall, SizeOption::Larger, "山田太", 42},
        {&LayoutTanzakuSmall, SizeOption::Larger, "山田太郎", 36},
        {&LayoutTanzakuSmall, SizeOption::Larger, "山田太郎兵", 36},
        {&LayoutTanzakuSmall, SizeOption::Larger, "山田太郎兵衛", 30},
        {&LayoutTanzakuSmall, SizeOption::Larger, "一二三四五六七八九十一二", 18},
        {&LayoutTanzakuExtraLarge, SizeOption::Larger, "山田太郎兵", 80},
        {&LayoutTanzakuExtraLarge, SizeOption::Larger, "山田太郎兵衛", 60},
        {&LayoutTanzakuExtraLarge, SizeOption::Smaller, "山田太郎兵", 60},
        {&LayoutTanzakuExtraLarge, SizeOption::Smaller, "山田太郎兵衛", 60},
        {&LayoutTanzakuLarge, SizeOption::Extra, "", 50},
        {&LayoutTanzakuLarge, SizeOption::Standard, "一二三四五六七", 40},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        joint(page, 1, QString::fromUtf8(c.name));
        page.host.nameSize = c.option;
        ASSERT_TRUE(page.run(*c.member).ok());
        // A blank name is an empty column at the short size: its line break carries it.
        const QString want = QString::fromUtf8(c.name).isEmpty()
                                 ? QStringLiteral("EC ＭＳ Ｐ明朝 %1").arg(c.size)
                                 : QStringLiteral("\" ＭＳ Ｐ明朝 %1 ").arg(c.size);
        EXPECT_TRUE(page.name().contains(want)) << c.member->MemberName << " " << c.name << "\n"
                                                << page.name().toStdString();
    }
}

// 短冊（４：６）: indents without length steps, floors of one blank, the bold
// inscription cut and joint names without cuts.
TEST(Strip46, IndentsAndFloors)
{
    struct Case {
        const char* label;
        app::NameStyle style;
        int offset;
        SizeOption nameSize;
        const char* name;
        int indent;
    };
    const Case cases[] = {
        {"one character", app::NameStyle::OneLine, 0, SizeOption::Standard, "誠", 3},
        {"nine characters", app::NameStyle::OneLine, 0, SizeOption::Standard, "一二三四五六七八九", 3},
        {"特大 at offset -1: floor", app::NameStyle::OneLine, -1, SizeOption::Extra, "山田", 1},
        {"特大 at offset 0: exactly 0 stays", app::NameStyle::OneLine, 0, SizeOption::Extra, "山田", 0},
        {"company at -4: floor", app::NameStyle::TwoLine, -4, SizeOption::Standard, "", 1},
        {"company at -3", app::NameStyle::TwoLine, -3, SizeOption::Standard, "", 0},
        {"joint names at -3", app::NameStyle::Joint, -3, SizeOption::Standard, "", 0},
        {"joint names at -4: floor", app::NameStyle::Joint, -4, SizeOption::Standard, "", 1},
        {"joint names, one name, no cut", app::NameStyle::Joint, 0, SizeOption::Standard, "", 3},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.style = c.style;
        page.host.name = QString::fromUtf8(c.name);
        page.host.company = QStringLiteral("株式会社そらべに");
        page.host.person = QStringLiteral("山田");
        page.host.joint[1] = QStringLiteral("山田太郎");
        page.host.nameSize = c.nameSize;
        page.in.CurOffsetName = int16_t(c.offset);
        ASSERT_TRUE(page.run(LayoutTanzaku46).ok()) << c.label;
        EXPECT_EQ(int(page.ctx.ColumnIndent), c.indent) << c.label;
    }
    // Address items: 2 x (offset + 3) blanks of 5 points, none from -3 on down.
    for (const auto& [offset, blanks] : {std::pair{0, 6}, std::pair{-3, 0}, std::pair{-5, 0}}) {
        LayoutPage page;
        page.host.address[0] = QStringLiteral("東京都");
        page.in.CurOffsetName = int16_t(offset);
        ASSERT_TRUE(page.run(LayoutTanzaku46).ok());
        const QString lead = blanks ? QStringLiteral("SP %1 ＭＳ 明朝 5\n").arg(blanks) : QString();
        EXPECT_TRUE(page.name().contains("BL 1 ＭＳ 明朝 5\n" + lead + "TX \"東京都\"")) << offset << "\n"
                                                                                   << page.name().toStdString();
    }
}

TEST(Strip46, InscriptionIndentWithTheBoldCut)
{
    struct Case {
        const char* omote;
        SizeOption option;
        bool bold;
        int offset;
        int blanks;
    };
    const Case cases[] = {
        {"寿", SizeOption::Standard, false, 0, 24},     {"御祝", SizeOption::Standard, false, 0, 20},
        {"御中元", SizeOption::Standard, false, 0, 20}, {"寿御結婚", SizeOption::Standard, false, 0, 14},
        {"寿御結婚", SizeOption::Extra, true, 0, 8},    {"寿御結婚", SizeOption::Extra, false, 0, 10},
        {"無　地", SizeOption::Extra, true, 0, 14},     {"無　地", SizeOption::Standard, true, 2, 20},
        {"寿御結婚", SizeOption::Extra, true, -9, 0},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.omote = QString::fromUtf8(c.omote);
        page.host.omoteSize = c.option;
        page.host.oBold = c.bold;
        page.in.CurOffsetOmote = int16_t(c.offset);
        ASSERT_TRUE(page.run(LayoutTanzaku46).ok());
        const QString lead = c.blanks ? QStringLiteral("SP %1 ＭＳ 明朝 10\n").arg(c.blanks) : QString();
        EXPECT_TRUE(page.omote().contains(QStringLiteral("ＭＳ 明朝 4\n") + lead + "TX "))
            << c.omote << " bold " << c.bold << "\n" << page.omote().toStdString();
    }
}

} // namespace
