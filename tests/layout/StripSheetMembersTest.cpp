// The B5 strip-sheet and special-strip members: their one-line name rows and
// indents, inscription sizes and indents, and joint names.
#include "LayoutTestSupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace layout;

namespace {

// Leading blanks of the first column that holds text.
int firstColumnBlanks(const QString& trace)
{
    int blanks = 0;
    for (const QString& line : trace.split(u'\n')) {
        if (line.startsWith(QStringLiteral("TX ")))
            return blanks;
        if (line.startsWith(QStringLiteral("SP ")))
            blanks += line.section(u' ', 1, 1).toInt();
        else
            blanks = 0;
    }
    return -1;
}

void joint(LayoutPage& page, const QStringList& names)
{
    page.host.style = app::NameStyle::Joint;
    page.host.jointCount = QString::number(names.size());
    for (int i = 0; i < names.size(); ++i)
        page.host.joint[size_t(i + 1)] = names[i];
}

// ColumnIndent of four-character joint names by member, count, knot and
// name offset; only two names under 蝶結び write the knot back (結び切り).
struct JointIndentCase {
    const TemplateParameterSet* member;
    int count;
    bool bow;
    int offset;
    int indent;
};
void expectJointIndents(std::initializer_list<JointIndentCase> cases)
{
    for (const JointIndentCase& c : cases) {
        LayoutPage page;
        joint(page, QStringList(c.count, QStringLiteral("山田太郎")));
        page.host.bow = c.bow;
        page.in.CurOffsetName = int16_t(c.offset);
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_EQ(int(page.ctx.ColumnIndent), c.indent) << c.member->MemberName << " count " << c.count;
        EXPECT_EQ(page.host.writes.isEmpty(), c.count != 2 || !c.bow) << c.member->MemberName;
    }
}

// The size one joint name is written at.
struct JointSizeCase {
    const TemplateParameterSet* member;
    bool bow;
    SizeOption option;
    const char* name;
    int size;
};
void expectJointSizes(std::initializer_list<JointSizeCase> cases)
{
    for (const JointSizeCase& c : cases) {
        LayoutPage page;
        joint(page, {QString::fromUtf8(c.name)});
        page.host.bow = c.bow;
        page.host.nameSize = c.option;
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_EQ(firstTextSize(page.name()), c.size)
            << c.member->MemberName << " " << c.name << (c.bow ? " 蝶結び" : " 結び切り");
    }
}

struct NameRow {
    const TemplateParameterSet* member;
    // Size written and ColumnIndent for names of 1 to 10 characters, at 標準 then 特大.
    std::array<int, 10> size, indent, extraSize, extraIndent;
};

TEST(SheetMembers, OneLineNameSizeAndIndentByLength)
{
    const NameRow rows[] = {
        {&LayoutTanzakuSheet,
         {38, 36, 36, 32, 30, 27, 23, 21, 18, 16}, {16, 14, 14, 12, 12, 11, 11, 10, 10, 10},
         {43, 41, 41, 34, 30, 27, 23, 21, 18, 16}, {14, 12, 12, 10, 10, 9, 9, 8, 8, 8}},
        {&LayoutTanzakuSpecialMedium,
         {46, 44, 44, 40, 36, 32, 28, 26, 24, 22}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {58, 56, 56, 46, 40, 32, 28, 26, 24, 22}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // long names are written 2 points larger than measured; 特大 cuts no blank
        {&LayoutTanzakuSheet3,
         {56, 54, 54, 54, 46, 40, 36, 34, 31, 28}, {18, 16, 14, 11, 11, 8, 8, 5, 5, 5},
         {72, 70, 70, 62, 56, 40, 36, 34, 31, 28}, {18, 16, 14, 11, 11, 8, 8, 5, 5, 5}},
        {&LayoutTanzakuSpecial,
         {74, 74, 74, 74, 74, 70, 58, 52, 46, 44}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {102, 102, 102, 92, 84, 70, 58, 52, 46, 44}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // the length blanks are written apart and left out of ColumnIndent
        {&LayoutTanzakuSpecialB,
         {56, 56, 56, 56, 56, 52, 45, 40, 34, 30}, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4},
         {68, 68, 68, 62, 60, 52, 45, 40, 34, 30}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
    };
    const QString letters = QStringLiteral("一二三四五六七八九十");
    for (const NameRow& r : rows) {
        for (int length = 1; length <= 10; ++length) {
            for (bool extra : {false, true}) {
                LayoutPage page;
                page.host.name = letters.left(length);
                page.host.nameSize = extra ? SizeOption::Extra : SizeOption::Standard;
                ASSERT_TRUE(page.run(*r.member).ok());
                const size_t i = size_t(length - 1);
                EXPECT_EQ(firstTextSize(page.name()), extra ? r.extraSize[i] : r.size[i])
                    << r.member->MemberName << " length " << length << (extra ? " 特大" : "");
                EXPECT_EQ(int(page.ctx.ColumnIndent), extra ? r.extraIndent[i] : r.indent[i])
                    << r.member->MemberName << " length " << length << (extra ? " 特大" : "");
            }
        }
    }
}

TEST(SheetMembers, InscriptionSizeAndIndentByOption)
{
    struct Case {
        const TemplateParameterSet* member;
        std::array<int16_t, 4> row;
        const char* omote;
        SizeOption option;
        int size, blanks;
    };
    const std::array<int16_t, 4> sheetRow{72, 46, 38, 30}, mediumRow{86, 52, 46, 36};
    const Case cases[] = {
        {&LayoutTanzakuSheet, sheetRow, "寿", SizeOption::Standard, 72, 15},
        {&LayoutTanzakuSheet, sheetRow, "寿", SizeOption::Larger, 74, 15},
        {&LayoutTanzakuSheet, sheetRow, "寿", SizeOption::Smaller, 70, 15},
        {&LayoutTanzakuSheet, sheetRow, "寿", SizeOption::Extra, 78, 13},
        {&LayoutTanzakuSheet, sheetRow, "御結婚祝", SizeOption::Extra, 36, 8},
        {&LayoutTanzakuSheet, sheetRow, "御結婚御祝", SizeOption::Extra, 32, 8},
        {&LayoutTanzakuSheet, sheetRow, "無　地", SizeOption::Larger, 40, 12},
        {&LayoutTanzakuSpecialMedium, mediumRow, "寿", SizeOption::Standard, 86, 3},
        {&LayoutTanzakuSpecialMedium, mediumRow, "寿", SizeOption::Extra, 98, 2},
        {&LayoutTanzakuSpecialMedium, mediumRow, "御中元", SizeOption::Extra, 58, 0},
        {&LayoutTanzakuSpecialMedium, mediumRow, "御結婚御祝", SizeOption::Extra, 40, 0},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.rowSizes = c.row;
        page.host.omote = QString::fromUtf8(c.omote);
        page.host.omoteSize = c.option;
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_EQ(firstTextSize(page.omote()), c.size) << c.member->MemberName << " " << c.omote;
        EXPECT_EQ(firstColumnBlanks(page.omote()), c.blanks) << c.member->MemberName << " " << c.omote;
    }
    // Medium special strip: a two-character inscription is one run, no blank inside.
    LayoutPage page;
    page.host.rowSizes = mediumRow;
    page.host.omote = QStringLiteral("御礼");
    page.host.omoteSize = SizeOption::Extra;
    ASSERT_TRUE(page.run(LayoutTanzakuSpecialMedium).ok());
    EXPECT_TRUE(page.omote().contains(lines({"SP 2 ＭＳ 明朝 10", "TX \"御礼\" ＭＳ Ｐ明朝 64 b=0 c=000000"})))
        << page.omote().toStdString();
}

TEST(SheetMembers, ShoulderTitlesOfTheStripSheet)
{
    struct Case {
        const char* omote;
        SizeOption option;
        int size;
    };
    const Case cases[] = {{"御祝", SizeOption::Standard, 20}, {"御祝", SizeOption::Larger, 21},
                          {"御祝", SizeOption::Smaller, 19}, {"御祝", SizeOption::Extra, 23},
                          {"御結婚御祝", SizeOption::Extra, 21}};
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.rowSizes = {72, 46, 38, 30};
        page.host.omote = QString::fromUtf8(c.omote);
        page.host.omoteSize = c.option;
        page.host.titleRight = QStringLiteral("内祝");
        ASSERT_TRUE(page.run(LayoutTanzakuSheet).ok());
        EXPECT_EQ(firstTextSize(page.omote()), c.size) << c.omote;
        EXPECT_EQ(firstColumnBlanks(page.omote()), 2) << c.omote;
    }
}

TEST(SheetMembers, UntrimmedNameOfTheMediumSpecialStripCountsItsBlanks)
{
    struct Case {
        const char* name;
        SizeOption option;
        const char* expected;
    };
    const Case cases[] = {
        // two characters and a blank: three letters, letter-spaced
        {"山田 ", SizeOption::Standard, "TX \"山\" ＭＳ Ｐ明朝 44 b=0 c=000000\nSP 1 ＭＳ Ｐ明朝 10\n"
                                        "TX \"田\" ＭＳ Ｐ明朝 44 b=0 c=000000\nSP 1 ＭＳ Ｐ明朝 10\nSP 1 ＭＳ Ｐ明朝 44\n"},
        {"山田", SizeOption::Standard, "TX \"山\" ＭＳ Ｐ明朝 44 b=0 c=000000\nSP 1 ＭＳ Ｐ明朝 44\n"},
        // four characters and a blank: five, 大きめ under a short inscription gives 4
        {"山田太郎 ", SizeOption::Larger, "TX \"山田太郎\" ＭＳ Ｐ明朝 40 b=0 c=000000\nSP 1 ＭＳ Ｐ明朝 40\nEC "},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.omote = QStringLiteral("御礼");
        page.host.name = QString::fromUtf8(c.name);
        page.host.nameSize = c.option;
        ASSERT_TRUE(page.run(LayoutTanzakuSpecialMedium).ok());
        EXPECT_TRUE(page.name().contains(QString::fromUtf8(c.expected))) << c.name << "\n" << page.name().toStdString();
        EXPECT_EQ(page.host.name, QString::fromUtf8(c.name)) << "the name box keeps what was typed";
    }
}

TEST(SheetJointNames, KnotRulesIndentAndRows)
{
    const TemplateParameterSet* sheet = &LayoutTanzakuSheet;
    const TemplateParameterSet* medium = &LayoutTanzakuSpecialMedium;
    expectJointIndents({
        {sheet, 1, true, 0, 16},   {sheet, 3, true, 0, 16},   {sheet, 4, true, 0, 17},
        {sheet, 5, true, 0, 18},   {sheet, 7, true, 0, 18},   {sheet, 2, true, 3, 13}, // forced 結び切り
        {sheet, 4, false, 0, 10},  {medium, 4, true, 0, 9},   {medium, 1, true, 0, 9},
        {medium, 5, true, 0, 12},  {medium, 3, false, 0, 12}, {medium, 7, true, -20, 0},
    });
    expectJointSizes({
        {sheet, true, SizeOption::Larger, "山 田", 36},
        {sheet, true, SizeOption::Smaller, "山 田", 28},
        {sheet, true, SizeOption::Extra, "山 田", 40},
        {sheet, true, SizeOption::Larger, "山田太郎", 26},
        {sheet, true, SizeOption::Larger, "一二三四五六七八九十", 10},
        {sheet, false, SizeOption::Larger, "山田太郎", 30},
        {sheet, false, SizeOption::Larger, "山田太郎兵", 30},
        {sheet, false, SizeOption::Larger, "山田太郎兵衛", 24},
        {sheet, false, SizeOption::Larger, "一二三四五六七八九十", 16},
    });
}

TEST(SheetMembers, LengthBlanksAndTheLargerCutOfTheSpecialStrips)
{
    // Special strip B: 4 blanks of ColumnIndent, then 9, 6, 3 or no blanks of its own.
    struct Case {
        const char* name;
        SizeOption option;
        int blanks;
    };
    const Case cases[] = {{"", SizeOption::Standard, 13},     {"誠", SizeOption::Standard, 13},
                          {"山田", SizeOption::Standard, 10},  {"山田 ", SizeOption::Standard, 7},
                          {"山田太", SizeOption::Standard, 7}, {"山田太郎", SizeOption::Standard, 4},
                          {"誠", SizeOption::Extra, 11},      {"山田太郎", SizeOption::Extra, 2}};
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.name = QString::fromUtf8(c.name);
        page.host.nameSize = c.option;
        ASSERT_TRUE(page.run(LayoutTanzakuSpecialB).ok());
        EXPECT_TRUE(page.name().contains(QStringLiteral("\nSP %1 ＭＳ 明朝 10\n").arg(c.blanks))) << c.name << "\n"
                                                                                        << page.name().toStdString();
    }
    // With a rank range the placeholder takes the two-character blanks; ColumnIndent stays 4.
    LayoutPage rank;
    rank.host.name = QStringLiteral("位");
    rank.host.rankFrom = QStringLiteral("1");
    rank.host.rankTo = QStringLiteral("3");
    ASSERT_TRUE(rank.run(LayoutTanzakuSpecialB).ok());
    EXPECT_TRUE(rank.name().contains(QStringLiteral("\nSP 10 ＭＳ 明朝 10\n"))) << rank.name().toStdString();
    EXPECT_EQ(int(rank.ctx.ColumnIndent), 4);

    // Special strip: one blank before the inscription, none with 大きめ or 特大.
    for (const auto& [option, blanks] : {std::pair{SizeOption::Standard, 1}, std::pair{SizeOption::Smaller, 1},
                                         std::pair{SizeOption::Larger, 0}, std::pair{SizeOption::Extra, 0}}) {
        LayoutPage page;
        page.host.rowSizes = {116, 80, 76, 52};
        page.host.omote = QStringLiteral("御礼");
        page.host.omoteSize = option;
        ASSERT_TRUE(page.run(LayoutTanzakuSpecial).ok());
        EXPECT_EQ(firstColumnBlanks(page.omote()), blanks) << int(option);
    }
    LayoutPage offset;
    offset.host.omote = QStringLiteral("寿");
    offset.in.CurOffsetOmote = -3;
    ASSERT_TRUE(offset.run(LayoutTanzakuSpecial).ok());
    EXPECT_EQ(firstColumnBlanks(offset.omote()), 0);
}

TEST(SheetJointNames, OneTableOneIndentAndTheShortRowOfFive)
{
    const TemplateParameterSet* three = &LayoutTanzakuSheet3;
    const TemplateParameterSet* special = &LayoutTanzakuSpecial;
    const TemplateParameterSet* specialB = &LayoutTanzakuSpecialB;
    // Two names still switch these sets to 結び切り.
    expectJointIndents({
        {three, 1, true, 0, 8},     {three, 3, true, 0, 8},      {three, 4, true, 0, 10},
        {three, 5, true, 2, 14},    {three, 2, true, 0, 8},      {three, 7, false, 0, 8},
        {special, 1, true, 0, 10},  {special, 4, true, 0, 10},   {special, 3, false, 0, 10},
        {special, 7, false, -20, 0}, {specialB, 1, true, 0, 4},  {specialB, 4, true, 0, 4},
        {specialB, 3, false, 1, 5}, {specialB, 7, true, 0, 4},
    });
    expectJointSizes({
        {three, true, SizeOption::Standard, "山田太郎", 44},
        {three, false, SizeOption::Extra, "山田太郎兵", 52},
        {three, true, SizeOption::Standard, "一二三四五六七八九十一", 19},
        {special, true, SizeOption::Larger, "山田太郎", 80},
        {special, false, SizeOption::Extra, "山田太郎兵", 94},
        {special, true, SizeOption::Larger, "山田太郎兵衛", 70},
        {specialB, true, SizeOption::Larger, "山田太郎", 52},
        {specialB, false, SizeOption::Smaller, "山田太郎兵", 44},
        {specialB, true, SizeOption::Extra, "山田太郎兵", 54},
        {specialB, false, SizeOption::Standard, "山田太郎兵衛", 46},
        {specialB, false, SizeOption::Standard, "一二三四五六七", 44},
        {specialB, false, SizeOption::Standard, "一二三四五六七八九十", 20},
    });
}

// A joint name's measured width decides the lead lines: special strip B
// measures a long 結び切り name at 26 points but a 蝶結び one at 20; the
// three-strip sheet measures a five-character name at 38, not 44.
TEST(SheetJointNames, MeasuringRowsThatDifferFromTheWritingRows)
{
    struct Case {
        const TemplateParameterSet* member;
        bool bow;
        const char* name;
        int lead;
    };
    // (60 - size x 25.4 / 72) / 2 / 1.587502, rounded
    const Case cases[] = {
        {&LayoutTanzakuSpecialB, false, "一二三四五六七八九十", 16}, // 26 pt: 9.17 mm -> 16.01
        {&LayoutTanzakuSpecialB, true, "一二三四五六七八九十", 17},  // 20 pt: 7.06 mm -> 16.68
        {&LayoutTanzakuSheet3, true, "山田太郎兵", 15},             // 38 pt: 13.41 mm -> 14.68
        {&LayoutTanzakuSheet3, true, "山田太郎", 14},               // 44 pt: 15.52 mm -> 14.01
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.in.LayoutWidth = 60;
        joint(page, {QString::fromUtf8(c.name)});
        page.host.bow = c.bow;
        ASSERT_TRUE(page.run(*c.member).ok());
        EXPECT_EQ(int(page.ctx.LeadLines), c.lead) << c.member->MemberName << " " << c.name;
    }
}

} // namespace
