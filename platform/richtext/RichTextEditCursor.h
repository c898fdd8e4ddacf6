// Where the editing caret may stand and where the movement keys take it, on
// a document and its layout. Kept apart from the widget so that the rules
// can be checked without a screen.
//
// A caret never stands between the CR and LF of a paragraph end nor inside
// a surrogate pair. "Along" is the distance down a vertical column (or
// across a horizontal line); "across" steps from one laid line to the next,
// which in vertical writing is one column further left.
#pragma once

#include "platform/richtext/RichDocument.h"
#include "platform/richtext/TextLayout.h"

#include <utility>

namespace rt::caret {

// The next and the previous caret stop; a paragraph end is one step.
qsizetype next(const RichDocument& doc, qsizetype pos);
qsizetype previous(const RichDocument& doc, qsizetype pos);

// Start and end of the laid line that shows pos.
qsizetype lineStart(const TextLayout& layout, qsizetype pos);
qsizetype lineEnd(const TextLayout& layout, qsizetype pos);

// Distance along its line at which the caret for pos stands.
double alongOf(const TextLayout& layout, qsizetype pos);

// The stop nearest to `along` on the line `lines` lines after (or, when
// negative, before) the one showing pos. Past the first or last line the
// caret goes to the start or the end of the text.
qsizetype acrossLines(const TextLayout& layout, qsizetype pos, int lines, double along);

// How many lines from the one showing pos fit into `distanceMm` across, in
// the direction of `sign` (+1 or -1); at least one.
int linesWithin(const TextLayout& layout, qsizetype pos, double distanceMm, int sign);

// The position of the character under a point (not the nearest gap, as
// TextLayout::positionAt gives): what a double-click picks.
qsizetype characterAt(const TextLayout& layout, const QPointF& mm);

// The word around pos, as [first, second): a run of one kind of writing
// (kanji, hiragana, katakana, letters and digits, blanks), any other
// character alone.
std::pair<qsizetype, qsizetype> wordAt(const RichDocument& doc, qsizetype pos);

// The text of one paragraph with an object as U+FFFC.
QString paragraphText(const Paragraph& p);

} // namespace rt::caret
