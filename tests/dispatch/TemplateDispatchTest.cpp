// The dispatch table, the member look-up and the printer choice.
#include "model/TemplateCatalogue.h"
#include "layout/LayoutMembers.h"
#include "print/PrintDispatcher.h"
#include "print/TemplateDispatch.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

using namespace noshi;

namespace {

TEST(TemplateDispatch, EightyDistinctKeysOfSevenCharactersForThirtySixMembers)
{
    QSet<QString> keys, members;
    for (const DispatchEntry& e : TemplateDispatchTable()) {
        EXPECT_EQ(e.key.size(), 7) << e.key.toStdString();
        keys << e.key;
        members << QString::fromLatin1(e.member);
    }
    EXPECT_EQ(TemplateDispatchTable().size(), 80u);
    EXPECT_EQ(keys.size(), 80);
    EXPECT_EQ(members.size(), 36);
}

TEST(TemplateDispatch, EveryCatalogueRowButTheFreeStripHasAnEntry)
{
    app::BuiltinTemplateCatalogue cat;
    cat.build();
    QSet<QString> rowKeys;
    for (int i = 0; i <= app::BuiltinTemplateCatalogue::TemplateCount; ++i) {
        const QString key = cat.row(i).key();
        if (cat.row(i).isEmpty())
            continue;
        rowKeys << key;
        if (key == PrintDispatcher::FreeSizeKey)
            EXPECT_TRUE(TemplateMemberName(key).isEmpty());
        else
            EXPECT_FALSE(TemplateMemberName(key).isEmpty()) << key.toStdString();
    }
    // The two memorial-card keys have entries but no row: never dispatched.
    for (const char* k : {"御霊前札（大）", "御霊前札（小）"}) {
        EXPECT_EQ(TemplateMemberName(QString::fromUtf8(k)), "LayoutTanzakuExtraLarge");
        EXPECT_FALSE(rowKeys.contains(QString::fromUtf8(k)));
    }
}

TEST(TemplateDispatch, EveryKeyFindsItsMemberOrSaysItIsNotBuilt)
{
    for (const DispatchEntry& e : TemplateDispatchTable()) {
        const DispatchTarget t = TemplateDispatch(e.key);
        EXPECT_EQ(t.memberName, QString::fromLatin1(e.member));
        EXPECT_EQ(t.status, DispatchTarget::Status::Ready) << e.member;
        EXPECT_EQ(t.member, layout::findLayoutMember(t.memberName));
    }
    {
        // A member this build lacks: the key says so by the member's name.
        const QString key = QStringLiteral("反物判　　　　");
        const ScopedDispatchOverride missing(key, QStringLiteral("LayoutNotInThisBuild"));
        const DispatchTarget t = TemplateDispatch(key);
        EXPECT_EQ(t.status, DispatchTarget::Status::NotBuiltYet);
        EXPECT_EQ(t.member, nullptr);
        EXPECT_EQ(t.message(), QStringLiteral("このひな形（LayoutNotInThisBuild）の割り付けはまだ使えません。"));
    }
    EXPECT_EQ(TemplateDispatch(QStringLiteral("反物判　　　　")).member, &layout::LayoutTanmonoban);
    for (const char* k : {"萌黄（祝大）　", "萌黄（志大）　", "和紙（大）　　"})
        EXPECT_EQ(TemplateDispatch(QString::fromUtf8(k)).member, &layout::LayoutNoshiLarge);
    EXPECT_EQ(TemplateDispatch(QString::fromUtf8("ＮＯ５　　　　")).member, &layout::LayoutNoshiMedium);
    EXPECT_EQ(TemplateDispatch(QString::fromUtf8("萌黄（　小　）")).member, &layout::LayoutNoshiSmall);
    EXPECT_EQ(TemplateDispatch(QString::fromUtf8("Ａ６判　　　　")).member, &layout::LayoutWashiSmall);
}

TEST(TemplateDispatch, TraditionalStandardModelAndWideSizesReachTheirSets)
{
    struct Case {
        const char* key;
        const layout::TemplateParameterSet* member;
    } cases[] = {
        {"萌黄（美濃判）", &layout::LayoutMinoban}, {"美濃判　　　　", &layout::LayoutMinoban},
        {"美濃判Ａ　　　", &layout::LayoutMinoban}, {"志Ａ　　　　　", &layout::LayoutMinoban},
        {"赤棒美濃判　　", &layout::LayoutMinoban}, {"萌黄（半紙判）", &layout::LayoutHanshiban},
        {"半紙判　　　　", &layout::LayoutHanshiban}, {"半紙判Ａ　　　", &layout::LayoutHanshiban},
        {"萌黄（切手判）", &layout::LayoutKitteban}, {"熨斗袋　　　　", &layout::LayoutKitteban},
        {"萌黄（志特大）", &layout::LayoutKitteban}, {"切手判　　　　", &layout::LayoutKitteban},
        {"本中判　　　　", &layout::LayoutKitteban}, {"切手判Ａ　　　", &layout::LayoutKitteban},
        {"美濃判（太字）", &layout::LayoutMinobanBold}, {"半紙判（太字）", &layout::LayoutHanshibanBold},
        {"切手判（太字）", &layout::LayoutKittebanBold},
        {"Ａ５判　　　　", &layout::LayoutA5}, {"祝０１　　　　", &layout::LayoutA5},
        {"志０３　　　　", &layout::LayoutA5}, {"赤棒０３　　　", &layout::LayoutA5},
        {"和紙（特大）　", &layout::LayoutA5}, {"Ａ６判　縦　　", &layout::LayoutA5},
        {"Ａ４判　　　　", &layout::LayoutA4}, {"Ａ４　テスト用", &layout::LayoutA4},
        {"Ａ５判　縦　　", &layout::LayoutA4}, {"Ａ３判　　　　", &layout::LayoutA3},
        {"Ａ４判　縦　　", &layout::LayoutA3}, {"Ｂ４判　　　　", &layout::LayoutB4},
        {"Ｂ５判　縦　　", &layout::LayoutB4}, {"Ｂ４判（太字）", &layout::LayoutB4Bold},
        {"Ａ４判（太字）", &layout::LayoutA4Bold}, {"和紙（Ｍ）　　", &layout::LayoutWashiM},
        {"ＮＯ１６　　　", &layout::LayoutModelNo16}, {"Ｂ５判　　　　", &layout::LayoutModelNo16},
        {"赤棒０４　　　", &layout::LayoutModelNo16}, {"Ｂ６判　縦　　", &layout::LayoutModelNo16},
        {"Ｂ６判　　　　", &layout::LayoutB6}, {"赤棒０２　　　", &layout::LayoutB6},
        {"反物判　　　　", &layout::LayoutTanmonoban}, {"大反物判　　　", &layout::LayoutTanmonoban},
        {"大反物判Ａ　　", &layout::LayoutTanmonoban}, {"反物判Ａ　　　", &layout::LayoutTanmonoban},
        {"Ｂ４判　縦　　", &layout::LayoutTanmonoban}, {"Ａ３判　縦　　", &layout::LayoutTanmonoban},
        {"Ｂ５判（特殊）", &layout::LayoutB5Special},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TemplateDispatch(QString::fromUtf8(c.key)).member, c.member) << c.key;
    // keys without their trailing blanks reach none of them
    for (const char* k : {"美濃判", "切手判Ａ", "半紙判　　　"})
        EXPECT_EQ(TemplateDispatch(QString::fromUtf8(k)).status, DispatchTarget::Status::NoEntry) << k;
}

TEST(TemplateDispatch, KeysCompareExactly)
{
    for (const char* k : {"萌黄（祝大）", "萌黄（祝大）　 ", "萌黄（祝大） ", "ｎｏ５　　　　", "", "短冊（フリー）"}) {
        const DispatchTarget t = TemplateDispatch(QString::fromUtf8(k));
        EXPECT_EQ(t.status, DispatchTarget::Status::NoEntry) << k;
        EXPECT_FALSE(t.message().isEmpty());
    }
}

TEST(TemplateDispatch, PrinterChoiceTakesTheFirstRowThatHolds)
{
    struct Case {
        const char* key;
        int w, h;
        PrinterChoice want;
    } cases[] = {
        {"短冊Ｂ５／５Ｐ", 257, 182, PrinterChoice::TanzakuSheet5},
        {"短冊Ｂ５／６Ｐ", 257, 182, PrinterChoice::TanzakuSheet6},
        {"短冊Ｂ５／３Ｐ", 182, 257, PrinterChoice::TanzakuSheet3},
        {"名刺　　　　　", 91, 55, PrinterChoice::Meishi},
        {"名刺（縦）　　", 55, 91, PrinterChoice::Portrait},
        {"名刺（縦）　　", 91, 55, PrinterChoice::Landscape},
        {"短冊（特殊）　", 300, 100, PrinterChoice::Tanzaku},
        {"短冊（特殊）中", 100, 300, PrinterChoice::Tanzaku},
        {"短冊（４：６）", 100, 265, PrinterChoice::Tanzaku},
        {"短冊（特殊Ｂ）", 100, 265, PrinterChoice::Tanzaku},
        {"萌黄（祝大）　", 297, 210, PrinterChoice::Landscape},
        {"萌黄（祝大）　", 150, 150, PrinterChoice::Portrait}, // square
        {"短冊（大）　　", 90, 300, PrinterChoice::Portrait},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChoosePrinter(QString::fromUtf8(c.key), c.w, c.h), c.want) << c.key << " " << c.w << "x" << c.h;
}

TEST(Geometry, LayoutWidthByShapeAndKey)
{
    struct Case {
        const char* key;
        int w, h, want;
    } cases[] = {
        {"萌黄（祝大）　", 297, 210, 210}, {"萌黄（祝大）　", 400, 300, 210}, {"萌黄（祝大）　", 180, 120, 180},
        {"萌黄（祝大）　", 100, 300, 100}, {"萌黄（祝大）　", 150, 150, 105}, {"萌黄（祝大）　", 210, 297, 105},
        {"赤棒００　　　", 100, 300, 120}, {"ＮＯ１　　　　", 400, 300, 120}, {"Ｎｏ０　　　　", 50, 50, 120},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutWidthFor(QString::fromUtf8(c.key), c.w, c.h), c.want) << c.key << " " << c.w << "x" << c.h;
}

TEST(Geometry, BoxHeightsByKey)
{
    struct Case {
        const char* key;
        int h;
        float omote, name;
    } cases[] = {
        {"萌黄（祝大）　", 297, 148, 148},  {"萌黄（祝大）　", 210, 105, 105},
        {"短冊（４：６）", 265, 106, 159},  {"短冊（４：６）", 300, 120, 180},
        {"短冊（特殊）　", 265, 60, 205},   {"短冊（特殊）中", 265, 60, 205},
        {"短冊（特殊Ｂ）", 300, 60, 240},
        // the traditional sizes halve the paper height as a whole number
        {"半紙判　　　　", 225, 112, 112},  {"切手判Ａ　　　", 195, 97, 97},
        {"美濃判（太字）", 270, 135, 135},
    };
    for (const Case& c : cases) {
        const BoxHeights b = BoxHeightsFor(QString::fromUtf8(c.key), c.h);
        EXPECT_FLOAT_EQ(b.omote, c.omote) << c.key << " " << c.h;
        EXPECT_FLOAT_EQ(b.name, c.name) << c.key << " " << c.h;
    }
}

TEST(Geometry, SpaceExtentIsFixedFromVersionFiveOn)
{
    const QString ch = QStringLiteral("　"), font = QStringLiteral("ＭＳ 明朝");
    EXPECT_FLOAT_EQ(*SpaceExtentFor("NT/XP", "4.90", ch, font, 4), 1.587502f);
    EXPECT_FLOAT_EQ(*SpaceExtentFor("NT/XP", "10.0", ch, font, 4), 1.587502f);
    const auto measured = SpaceExtentFor("NT/XP", "4.10", ch, font, 4);
    ASSERT_TRUE(measured);
    EXPECT_NEAR(*measured, 4 * 25.4 / 72, 0.05); // a full-width blank is one em
    EXPECT_FALSE(SpaceExtentFor("NT/XP", "abc", ch, font, 4));
}

} // namespace

// The table checked against a copy of the key table written out separately
// (tests/fixtures/dispatch/keys.tsv): every key with its member and printer,
// and no key besides.
TEST(TemplateDispatch, MatchesTheSeparatelyWrittenKeyTable)
{
    QFile f(QStringLiteral(NOSHI_TEST_FIXTURES "/dispatch/keys.tsv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    const QMap<QString, PrinterChoice> printers = {
        {"TanzakuSheet5", PrinterChoice::TanzakuSheet5}, {"TanzakuSheet6", PrinterChoice::TanzakuSheet6},
        {"TanzakuSheet3", PrinterChoice::TanzakuSheet3}, {"Meishi", PrinterChoice::Meishi},
        {"Tanzaku", PrinterChoice::Tanzaku},
    };
    QSet<QString> listed;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        ASSERT_EQ(cells.size(), 3) << line.toStdString();
        const QString& key = cells[0];
        SCOPED_TRACE(key.toStdString());
        listed << key;
        EXPECT_EQ(TemplateMemberName(key), cells[1]);
        if (cells[2] == "shape") {
            EXPECT_EQ(ChoosePrinter(key, 300, 200), PrinterChoice::Landscape);
            EXPECT_EQ(ChoosePrinter(key, 200, 300), PrinterChoice::Portrait);
            EXPECT_EQ(ChoosePrinter(key, 200, 200), PrinterChoice::Portrait);
        } else {
            ASSERT_TRUE(printers.contains(cells[2])) << cells[2].toStdString();
            EXPECT_EQ(ChoosePrinter(key, 300, 200), printers[cells[2]]);
            EXPECT_EQ(ChoosePrinter(key, 200, 300), printers[cells[2]]);
        }
    }
    EXPECT_EQ(listed.size(), 80);
    for (const DispatchEntry& e : TemplateDispatchTable())
        EXPECT_TRUE(listed.contains(e.key)) << "not in the key table: " << e.key.toStdString();
}
