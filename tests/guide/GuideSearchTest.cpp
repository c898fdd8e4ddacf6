// The guide table's shape and the searches over it, without any window.
#include "app/guide/GuideSearch.h"

#include <gtest/gtest.h>

using namespace guide;

namespace {

const GuideTable& table()
{
    static const GuideTable t = GuideTable::build();
    return t;
}

QString fw(int n) { return QString(n, FullBlank); }

// The table rows a result lists, found in table order; -1 marks a row that
// is not a table row (count, note, empty and message rows).
std::vector<int> tableRowsOf(const QList<GridRow>& result)
{
    std::vector<int> rows;
    int next = 0;
    for (const GridRow& r : result) {
        if (r.first.isEmpty())
            continue;
        int i = next;
        while (i < GuideTable::UsedRows
               && !(table().GuideOmoteList[i] == r.first && table().GuideList[i] == r.second))
            ++i;
        rows.push_back(i < GuideTable::UsedRows ? i : -1);
        next = i + 1;
    }
    return rows;
}

std::vector<int> range(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

QList<GridRow> tail(int count)
{
    return {{QString(), QStringLiteral("検索結果%1件見つかりました。").arg(count)},
            {QString(), QString()},
            {QString(), QStringLiteral("□印と弔事は、結びきりののし紙を使います。")}};
}

} // namespace

TEST(GuideTable, ShapeOfTheTable)
{
    const GuideTable& t = table();
    EXPECT_TRUE(GuideTable::rowNumbersConsistent());
    ASSERT_EQ(t.GuideOmoteList.size(), 201);
    ASSERT_EQ(t.GuideList.size(), 201);

    int inscriptions = 0, headers = 0;
    for (int i = 0; i < GuideTable::UsedRows; ++i) {
        const QString& first = t.GuideOmoteList[i];
        if (t.isInscriptionRow(i)) {
            ++inscriptions;
            EXPECT_EQ(first.size(), 6) << i;
            // The description fills exactly 22 characters before the keywords.
            EXPECT_GT(t.GuideList[i].size(), 22) << i;
            EXPECT_NE(t.GuideList[i].at(21), QChar(u' ')) << i;
        } else if (!first.isEmpty()) {
            ++headers;
            EXPECT_TRUE(first.endsWith(u'-') || first.endsWith(FullBlank)) << i;
            EXPECT_TRUE(t.GuideList[i].isEmpty()) << i;
        }
    }
    EXPECT_EQ(inscriptions, 133);
    EXPECT_EQ(headers, 19);
    for (int i = 152; i < 201; ++i)
        EXPECT_TRUE(t.GuideOmoteList[i].isEmpty() && t.GuideList[i].isEmpty()) << i;
}

TEST(GuideTable, CellsAreComposedCharacterForCharacter)
{
    const GuideTable& t = table();
    EXPECT_EQ(t.GuideOmoteList[0], QStringLiteral("年間行事 ") + fw(8) + QString(40, u'-'));
    EXPECT_EQ(t.GuideOmoteList[27], QStringLiteral("お見舞い") + fw(8) + u' ' + QString(89, u'-'));
    EXPECT_EQ(t.GuideOmoteList[40], QStringLiteral("婚礼") + fw(11) + QString(80, u'-') + fw(1));
    EXPECT_EQ(t.GuideOmoteList[1], QStringLiteral("　御年賀　　"));
    EXPECT_EQ(t.GuideOmoteList[41], QStringLiteral("　寿　　　　"));
    EXPECT_EQ(t.GuideOmoteList[119], QStringLiteral("　○○回忌志"));
    EXPECT_EQ(t.GuideList[1], QStringLiteral("元旦から１月初旬まで") + fw(12)
                                  + QStringLiteral("年間行事お年賀お年始ご贈答品冬ご挨拶"));
    EXPECT_EQ(t.GuideList[129], QStringLiteral("キリスト教式　追悼ミサ・記念式のお供え物") + fw(2)
                                    + QStringLiteral("弔事法事法要追悼式仏事カソリックプロテスタント"));
}

TEST(GuideSearch, FullListEndsWithEmptyRowsAndNotes)
{
    const QList<GridRow> rows = fullListRows(table());
    ASSERT_EQ(rows.size(), 160);
    for (int i = 152; i <= 156; ++i)
        EXPECT_EQ(rows[i], (GridRow{QString(), QString()})) << i;
    EXPECT_EQ(rows[157], (GridRow{" ", QStringLiteral("□印と弔事は、結びきりののし紙を使います。")}));
    EXPECT_EQ(rows[158], (GridRow{" ", QStringLiteral("表書きは、習慣・宗教（宗派）によって異なり")}));
    EXPECT_EQ(rows[159], (GridRow{" ", QStringLiteral("ます。あくまでも参考程度にご覧ください。")}));
    EXPECT_EQ(headingFirst(), QStringLiteral("表書き　　　　"));
    EXPECT_EQ(headingSecond().size(), 22);
    EXPECT_TRUE(headingSecond().startsWith(QStringLiteral("　　簡単な説明　")));
}

struct SearchCase {
    const char* name;
    bool phrase;
    QString text;
    std::vector<int> rows;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class GuideSearchCases : public ::testing::TestWithParam<SearchCase> {};

TEST_P(GuideSearchCases, ListsTheRowsInTableOrderAndCounts)
{
    const SearchCase& c = GetParam();
    const QList<GridRow> result = c.phrase ? phraseSearch(table(), c.text) : keywordSearch(table(), c.text);
    EXPECT_EQ(tableRowsOf(result), c.rows);
    const int n = int(c.rows.size());
    ASSERT_EQ(result.size(), n + 3);
    EXPECT_EQ(result.mid(n), tail(n));
}

std::vector<int> allInscriptionRows()
{
    std::vector<int> rows;
    for (int i = 0; i < GuideTable::UsedRows; ++i)
        if (table().isInscriptionRow(i))
            rows.push_back(i);
    return rows;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Guide, GuideSearchCases,
    ::testing::Values(
        SearchCase{"EmptyKeyword", false, QString(), allInscriptionRows()},
        SearchCase{"EmptyPhrase", true, QString(), allInscriptionRows()},
        SearchCase{"Omimai", false, QStringLiteral("御見舞"), join({4, 7, 9}, range(28, 34))},
        SearchCase{"Aisatsu", false, QStringLiteral("挨拶"), {3, 75, 76}},
        SearchCase{"GoAisatsu", false, QStringLiteral("ご挨拶"), {76}},
        SearchCase{"Oiwai", false, QStringLiteral("御祝"),
                   join(join({36, 37, 46, 51, 52}, range(55, 70)), {78})},
        SearchCase{"TrailingHalfBlank", false, QStringLiteral("御祝 "), {}},
        SearchCase{"TrailingFullBlank", false, QStringLiteral("賀　"), {1}},
        SearchCase{"KeywordOnlyInKeywords", false, QStringLiteral("ゴルフ"), {}},
        SearchCase{"GolfPhrase", true, QStringLiteral("ゴルフ"), range(141, 148)},
        SearchCase{"RisshunPhrase", true, QStringLiteral("立春"), {4, 5}},
        SearchCase{"SectionHeadersNeverMatch", false, QStringLiteral("年間行事"), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GuideSearch, PhraseWithoutMatchGivesTheTwoMessageRows)
{
    const QList<GridRow> expected = {{QString(), QStringLiteral("語句が見つかりませんでした。")},
                                     {QString(), QStringLiteral("送り仮名を変えて、もう一度検索してください。")}};
    EXPECT_EQ(phraseSearch(table(), QStringLiteral("ごあいさつ")), expected);
    EXPECT_EQ(phraseSearch(table(), QStringLiteral("ｺﾞﾙﾌ")), expected); // no width folding
    EXPECT_EQ(phraseSearch(table(), QStringLiteral("----")), expected);  // headers have no phrase text
}

TEST(GuideSearch, Containment)
{
    EXPECT_TRUE(containsText(QStringLiteral("abc"), QString()));
    EXPECT_FALSE(containsText(QString(), QString()));
    EXPECT_FALSE(containsText(QStringLiteral("ABC"), QStringLiteral("b")));
    EXPECT_FALSE(containsText(QStringLiteral("御挨拶"), QStringLiteral("ご挨拶")));
}

TEST(GuideSearch, PickRule)
{
    const struct {
        QString cell;
        bool heading;
        std::optional<QString> pick;
    } cases[] = {
        {QStringLiteral("　寿　　　　"), false, QStringLiteral("寿")},
        {QStringLiteral("　○○回忌志"), false, QStringLiteral("○○回忌志")},
        {QStringLiteral("　ベスグロ賞"), false, QStringLiteral("ベスグロ賞")},
        {QStringLiteral("　御年賀　　"), false, QStringLiteral("御年賀")},
        {QStringLiteral("　 内祝 　"), false, QStringLiteral("内祝")},
        {headingSecond(), true, std::nullopt},
        {headingFirst(), true, std::nullopt},
        {table().GuideOmoteList[0], false, std::nullopt},
        {table().GuideList[1], false, std::nullopt},
        {QStringLiteral(" "), false, std::nullopt},
        {QString(), false, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PickGuideCell(c.cell, c.heading), c.pick) << c.cell.toStdString();
}

TEST(GuideSearch, SameInscriptionFromDifferentRowsPicksTheSameText)
{
    for (int row : {38, 43, 47, 53, 71, 73})
        EXPECT_EQ(PickGuideCell(table().GuideOmoteList[row]), QStringLiteral("内祝")) << row;
}
