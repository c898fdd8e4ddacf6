// The member table, input checks and what ends a layout.
#include "LayoutTestSupport.h"
#include "layout/SizeTable.h"

#include <gtest/gtest.h>

using namespace layout;

namespace {

TEST(Members, FoundByNameWithTheirDistinguishingValues)
{
    for (const char* name : {"LayoutNoshiLarge", "LayoutNoshiMedium", "LayoutNoshiSmall", "LayoutWashiSmall"}) {
        const TemplateParameterSet* m = findLayoutMember(QString::fromLatin1(name));
        ASSERT_NE(m, nullptr) << name;
        EXPECT_STREQ(m->MemberName, name);
        EXPECT_EQ(m->Flags.NameTextUntrimmed, m == &LayoutNoshiLarge);
        EXPECT_FALSE(m->Flags.AbortOnError || m->Flags.BoldLayout || m->Flags.KnotlessJointNames);
        EXPECT_EQ(jointSizeFor(m->TieSizes, 4, false, 0, false), jointSizeFor(m->TieSizes, 5, false, 0, false));
        EXPECT_EQ(m->JointSpacingNarrow, 3);
    }
    EXPECT_EQ(findLayoutMember(u"LayoutNoshi"), nullptr);
    EXPECT_EQ(jointSizeFor(LayoutNoshiMedium.BowSizes, 5, false, 0, false), 20);
    EXPECT_EQ(jointSizeFor(LayoutNoshiMedium.BowSizes, 5, true, 0, false), 21);
    EXPECT_EQ(LayoutWashiSmall.NameIndentExtraCut, 0);
    EXPECT_EQ(LayoutWashiSmall.CompanySizeLong, 9);
    EXPECT_EQ(LayoutNoshiSmall.CompanySizeLong, 8);
    EXPECT_EQ(LayoutNoshiSmall.TwoLineDeltaLarger, 0);
    EXPECT_EQ(LayoutWashiSmall.TwoLineDeltaExtra, 0);
    EXPECT_EQ(LayoutNoshiLarge.NameIndentSteps.count, 4);
    EXPECT_EQ(LayoutNoshiSmall.NameIndentSteps.count, 3);
}

TEST(Failures, InvalidInputsWriteNothing)
{
    struct Case {
        const char* label;
        void (*spoil)(LayoutPage&);
    };
    const Case cases[] = {
        {"zero blank-line width", [](LayoutPage& p) { p.in.SpaceExtent = 0.0f; }},
        {"blank-line width not a number", [](LayoutPage& p) { p.in.SpaceExtent = std::nanf(""); }},
        {"template row outside the table", [](LayoutPage& p) { p.in.TemplateIndex = 101; }},
        {"template row missing", [](LayoutPage& p) { p.host.rowCount = 0; }},
        {"no print font", [](LayoutPage& p) { p.host.printFont = " "; }},
        {"joint count not a number", [](LayoutPage& p) { p.host.style = app::NameStyle::Joint; p.host.jointCount = "x"; }},
        {"joint count above seven", [](LayoutPage& p) { p.host.style = app::NameStyle::Joint; p.host.jointCount = "8"; }},
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.name = "山田 ";
        c.spoil(page);
        const LayoutResult r = page.run(LayoutNoshiMedium);
        EXPECT_EQ(r.status, LayoutResult::Status::InvalidInput) << c.label;
        EXPECT_FALSE(r.message.isEmpty()) << c.label;
        EXPECT_EQ(page.omote(), "") << c.label;
        EXPECT_EQ(page.name(), "") << c.label;
        EXPECT_TRUE(page.host.writes.isEmpty()) << c.label;
    }
}

TEST(Failures, NegativeLeadsWriteNoBlanksInEveryMember)
{
    LayoutPage page;
    page.host.name = "山田";
    page.host.kana = "やまだ";
    page.host.postal = "100-0001";
    page.in.CurOffsetName = -20; // furigana lead 8 - 20, address lead 2 x (6 - 20)
    ASSERT_TRUE(page.run(LayoutNoshiMedium).ok());
    const QString plain = page.name();
    EXPECT_TRUE(plain.contains("BL 24 ＭＳ 明朝 4\nTX \"やまだ\" ＭＳ Ｐ明朝 12")) << plain.toStdString();
    EXPECT_TRUE(plain.contains("BL 1 ＭＳ 明朝 5\nTX \"100-0001\" ＭＳ Ｐ明朝 6")) << plain.toStdString();

    // A member that ends on every real failure takes an upward calibration
    // the same way: the text prints from the top of its column.
    TemplateParameterSet strict = LayoutNoshiMedium;
    strict.Flags.AbortOnError = true;
    ASSERT_TRUE(page.run(strict).ok()) << page.result.message.toStdString();
    EXPECT_EQ(page.name(), plain);
}

TEST(Failures, OverflowEndsEveryMemberWithAMessage)
{
    LayoutPage page;
    page.in.CurOffsetX = 32767;
    const LayoutResult r = page.run(LayoutNoshiSmall);
    EXPECT_EQ(r.status, LayoutResult::Status::Aborted);
    EXPECT_FALSE(r.message.isEmpty());
}

TEST(Failures, MissingJointNameSpacingIsReported)
{
    LayoutPage page;
    page.host.style = app::NameStyle::Joint;
    page.host.jointCount = "2";
    page.host.joint[1] = "山田";
    page.host.joint[2] = "佐藤";
    TemplateParameterSet noSpacing = LayoutNoshiSmall;
    noSpacing.JointSpacingNormal = 0;
    EXPECT_EQ(page.run(noSpacing).status, LayoutResult::Status::Aborted);
}

TEST(Failures, DoubledAddressIndentIsACheckedSum)
{
    // LayoutNoshiLarge: AddressIndent = CurOffsetName + 10, doubled for 5-point blanks
    struct Case {
        int16_t curOffsetName;
        const char* postcode;
        bool overflows;
    };
    const Case cases[] = {
        {16373, "〒100", false}, // 2 x 16383 = 32766
        {16374, "〒100", true},  // 2 x 16384 = 32768
        {16374, "", false},      // no item, no doubling
    };
    for (const Case& c : cases) {
        LayoutPage page;
        page.host.style = app::NameStyle::None; // no name column
        page.host.postal = QString::fromUtf8(c.postcode);
        page.in.CurOffsetName = c.curOffsetName;
        const LayoutResult r = page.run(LayoutNoshiLarge);
        EXPECT_EQ(r.status, c.overflows ? LayoutResult::Status::Aborted : LayoutResult::Status::Completed)
            << c.curOffsetName << " " << c.postcode;
        EXPECT_EQ(r.message.isEmpty(), !c.overflows);
        if (c.overflows) {
            EXPECT_FALSE(page.name().contains(QString::fromUtf8("〒100")));
        } else if (*c.postcode) {
            EXPECT_TRUE(page.name().contains(QString::fromUtf8("SP 32766 ＭＳ 明朝 5\nTX \"〒100\"")));
        }
    }
}

} // namespace
