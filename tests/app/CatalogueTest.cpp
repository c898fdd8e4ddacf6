#include "model/TemplateCatalogue.h"

#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>

using app::BuiltinTemplateCatalogue;

namespace {
const BuiltinTemplateCatalogue& built()
{
    static BuiltinTemplateCatalogue c = [] {
        BuiltinTemplateCatalogue x;
        x.build();
        return x;
    }();
    return c;
}
} // namespace

TEST(Catalogue, SeventyNineRowsWithUniqueSevenCharacterKeys)
{
    const auto& c = built();
    QSet<QString> trimmed;
    for (int i = 0; i <= BuiltinTemplateCatalogue::TemplateCount; ++i) {
        const QString key = c.row(i).key();
        ASSERT_EQ(key.size(), 7) << i;
        QString t = key;
        while (t.endsWith(u'　'))
            t.chop(1);
        trimmed.insert(t);
    }
    EXPECT_EQ(trimmed.size(), 79);
    for (int i = 79; i < BuiltinTemplateCatalogue::Capacity; ++i)
        EXPECT_TRUE(c.row(i).isEmpty());
    EXPECT_THROW(c.row(101), std::out_of_range);
    EXPECT_THROW(c.row(-1), std::out_of_range);
}

TEST(Catalogue, FilledRowsRunFromTheFirstAskedToTheLastTemplate)
{
    // Every row 0..78 holds a template; 79 and above never do.
    struct Case {
        int first;
        qsizetype count;
        int front;
    };
    const Case cases[] = {{1, 78, 1}, {0, 79, 0}, {-5, 79, 0}, {78, 1, 78}, {79, 0, -1}};
    for (const Case& k : cases) {
        const QList<int> rows = built().filledRows(k.first);
        EXPECT_EQ(rows.size(), k.count) << k.first;
        if (k.count > 0) {
            EXPECT_EQ(rows.front(), k.front) << k.first;
            EXPECT_EQ(rows.back(), 78) << k.first;
        }
    }
    EXPECT_EQ(built().filledRows().size(), 78); // the test sheet left out by default
}

TEST(Catalogue, LookupsByKey)
{
    const auto& c = built();
    struct Case { QString key; int first; int row; };
    const Case cases[] = {
        {QStringLiteral("Ａ４判　　　　"), 0, 31},
        {QStringLiteral("Ａ４判"), 0, 31},               // filling blanks missing
        {QStringLiteral("ＮＯ１　"), 0, 17},
        {QStringLiteral("Ａ４　テスト用"), 0, 0},
        {QStringLiteral("Ａ４　テスト用"), 1, 79},         // lists from row 1 leave the test row out
        {QStringLiteral("短冊（フリー）"), 0, 75},
        {QStringLiteral("短冊（特殊Ｂ）"), 0, 78},
        {QStringLiteral("御霊前札（大）"), 0, 79},
        {QStringLiteral("御霊前札（小）"), 0, 79},
        {QStringLiteral("短冊シートＢ５"), 0, 79},
        {QString(), 0, 79},
    };
    for (const Case& k : cases)
        EXPECT_EQ(c.find(k.key, k.first), k.row) << k.key.toStdString();
}

TEST(Catalogue, RowsThatBreakTheUsualPattern)
{
    const auto& c = built();
    EXPECT_EQ(c.row(47).TemplateName.left(16), QStringLiteral("赤棒００　　　　150×75㎜ "));
    EXPECT_EQ(c.row(9).TemplateName.left(16), QStringLiteral("萌黄（短　冊）　 48×270㎜"));
    EXPECT_EQ(c.row(1).TemplateName.left(16), QStringLiteral("萌黄（祝大）　　390×180㎜"));
    EXPECT_EQ(c.row(78).TemplateName, QStringLiteral("短冊（特殊Ｂ）　120× 180㎜                        "));
    EXPECT_EQ(c.row(57).TemplateWidth, 46); // its size text says 45
    const auto& free = c.row(75);
    EXPECT_EQ(free.TemplateWidth, 120);
    EXPECT_EQ(free.TemplateHeight, 300);
    EXPECT_EQ(free.OmoteSizeLen1, 30);
    EXPECT_EQ(free.TemplateOmoteUpLimit, 2);
    // Identical rows under different names stay distinct rows.
    const auto same = [&](int a, int b) {
        const auto& x = c.row(a);
        const auto& y = c.row(b);
        return x.TemplateWidth == y.TemplateWidth && x.TemplateHeight == y.TemplateHeight
               && x.OmoteSizeLen1 == y.OmoteSizeLen1 && x.OmoteSizeLen4 == y.OmoteSizeLen4
               && x.TemplateOmoteUpLimit == y.TemplateOmoteUpLimit && x.TemplateNameUpLimit == y.TemplateNameUpLimit;
    };
    EXPECT_TRUE(same(0, 31));
    EXPECT_TRUE(same(25, 24));
    EXPECT_TRUE(same(74, 63));
}

TEST(Catalogue, InscriptionSizeByLength)
{
    const auto& a4 = built().row(31);
    EXPECT_EQ(a4.omoteSizeForLength(1), 88);
    EXPECT_EQ(a4.omoteSizeForLength(2), 52);
    EXPECT_EQ(a4.omoteSizeForLength(3), 48);
    EXPECT_EQ(a4.omoteSizeForLength(4), 40);
    EXPECT_EQ(a4.omoteSizeForLength(6), 40);
}
