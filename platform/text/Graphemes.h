// Characters as the user sees them: one grapheme cluster each, so a
// surrogate pair (𠮷) is one character and a variation selector belongs to
// the character before it (葛 with its selector). Every length rule and every
// cut of a name or an inscription counts and splits these, never UTF-16 units.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace text {

// Number of characters.
qsizetype charCount(QStringView s);
// The characters in order; joined they give the text back.
QStringList chars(QStringView s);
// Where each character starts, in UTF-16 units, in order.
QList<qsizetype> charStarts(QStringView s);
// The first n characters (all when n is beyond the text).
QString leftChars(QStringView s, qsizetype n);
// The characters from the n-th (0-based) on.
QString midChars(QStringView s, qsizetype n);

} // namespace text
