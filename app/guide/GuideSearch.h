// What the guide's three grids show and what a pick in them yields, without
// any widget: the full list, the keyword and phrase searches with their count,
// note and message rows, and the pick rule.
#pragma once

#include "app/guide/GuideTable.h"

#include <QList>
#include <QString>
#include <optional>

namespace guide {

// One data row of a guide grid (the heading row is not part of a result).
struct GridRow {
    QString first;
    QString second;
    bool operator==(const GridRow&) const = default;
};

// Heading texts of both columns; each column is exactly as wide as its heading.
QString headingFirst();
QString headingSecond();

inline constexpr auto NoteText = "□印と弔事は、結びきりののし紙を使います。";

// The one comparison of both searches: an unbroken run, nothing folded.
// An empty search text is contained in every non-empty text and in no empty one.
bool containsText(const QString& tableText, const QString& searchText);

// All rows of the full list: the table rows 0..155, an empty row, three notes.
QList<GridRow> fullListRows(const GuideTable& table);

// Inscription rows whose six-character cell contains the keyword, then the
// count row, an empty row and the note row.
QList<GridRow> keywordSearch(const GuideTable& table, const QString& keyword);

// Rows whose description-and-keywords text contains the phrase, then the
// count, empty and note rows; or the two message rows when none matched.
QList<GridRow> phraseSearch(const GuideTable& table, const QString& phrase);

// The pick rule: only the first cell of an inscription row below the heading
// yields an inscription (its second character on, at most five, trimmed of
// half- and full-width blanks).
std::optional<QString> PickGuideCell(const QString& cellText, bool headingRow = false);

} // namespace guide
