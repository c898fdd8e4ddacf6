#include "app/guide/GuideSearch.h"

namespace guide {
namespace {

QList<GridRow> countAndNote(int count)
{
    return {
        {QString(), QStringLiteral("検索結果") + QString::number(count) + QStringLiteral("件見つかりました。")},
        {QString(), QString()},
        {QString(), QString::fromUtf8(NoteText)},
    };
}

bool isBlank(QChar c) { return c == u' ' || c == FullBlank; }

} // namespace

QString headingFirst() { return QStringLiteral("表書き") + QString(4, FullBlank); }

QString headingSecond()
{
    return QString(2, FullBlank) + QStringLiteral("簡単な説明") + QString(15, FullBlank);
}

bool containsText(const QString& tableText, const QString& searchText)
{
    if (tableText.isEmpty())
        return false;
    return tableText.contains(searchText, Qt::CaseSensitive);
}

QList<GridRow> fullListRows(const GuideTable& table)
{
    QList<GridRow> rows;
    for (int i = 0; i < GuideTable::UsedRows; ++i)
        rows.append({table.GuideOmoteList[i], table.GuideList[i]});
    rows.append({QString(), QString()});
    for (const char* note : {NoteText, "表書きは、習慣・宗教（宗派）によって異なり", "ます。あくまでも参考程度にご覧ください。"})
        rows.append({QStringLiteral(" "), QString::fromUtf8(note)});
    return rows;
}

QList<GridRow> keywordSearch(const GuideTable& table, const QString& keyword)
{
    QList<GridRow> rows;
    for (int i = 0; i < GuideTable::UsedRows; ++i) {
        if (table.isInscriptionRow(i) && containsText(table.GuideOmoteList[i], keyword))
            rows.append({table.GuideOmoteList[i], table.GuideList[i]});
    }
    return rows + countAndNote(rows.size());
}

QList<GridRow> phraseSearch(const GuideTable& table, const QString& phrase)
{
    QList<GridRow> rows;
    for (int i = 0; i < GuideTable::UsedRows; ++i) {
        if (containsText(table.GuideList[i], phrase))
            rows.append({table.GuideOmoteList[i], table.GuideList[i]});
    }
    if (rows.isEmpty()) {
        return {{QString(), QStringLiteral("語句が見つかりませんでした。")},
                {QString(), QStringLiteral("送り仮名を変えて、もう一度検索してください。")}};
    }
    return rows + countAndNote(rows.size());
}

std::optional<QString> PickGuideCell(const QString& cellText, bool headingRow)
{
    if (headingRow || cellText.isEmpty() || cellText.at(0) != FullBlank)
        return std::nullopt;
    QStringView inscription = QStringView(cellText).mid(1, 5);
    while (!inscription.isEmpty() && isBlank(inscription.front()))
        inscription = inscription.mid(1);
    while (!inscription.isEmpty() && isBlank(inscription.back()))
        inscription.chop(1);
    return inscription.toString();
}

} // namespace guide
