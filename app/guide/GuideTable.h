// The fixed table of the inscription guide: 133 inscriptions in 19 sections,
// each with a short description and search keywords the user never sees.
// The texts are laid out exactly as the guide's grids show them, because the
// pick rule and the searches work on these padded cell texts.
#pragma once

#include <QString>
#include <QStringList>

namespace guide {

inline const QChar FullBlank = QChar(0x3000);

struct GuideTable {
    static constexpr int Capacity = 201; // rows 0..200 exist, rows 0..155 are used
    static constexpr int UsedRows = 156;
    static constexpr int CellWidth = 6;         // inscription cells, leading blank included
    static constexpr int DescriptionWidth = 22; // descriptions are padded to this

    // First cell per row: a section header, a padded inscription or empty.
    QStringList GuideOmoteList;
    // Second cell per row: padded description followed by its keywords, or empty.
    QStringList GuideList;

    // Builds the table anew, as the guide does each time it opens.
    static GuideTable build();
    // Every entry of the source table starts at the row it claims to.
    static bool rowNumbersConsistent();

    bool isInscriptionRow(int row) const;
};

// "　" + inscription, padded with full-width blanks to six characters.
QString padInscription(const QString& inscription);
// The description padded with full-width blanks to 22 characters, then the keywords.
QString describe(const QString& description, const QString& keywords);

} // namespace guide
