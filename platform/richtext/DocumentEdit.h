// Position-based edits on a RichDocument: the operations behind the
// selection API. Positions count a paragraph end as 2 (CR LF) and an object
// as 1; a position between CR and LF counts as the paragraph end.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <functional>

namespace rt::edit {

struct Location {
    qsizetype paragraph = 0;
    qsizetype offset = 0; // UTF-16 / object position inside the paragraph
};

// forRangeEnd: a position inside a CR LF pair belongs to the next paragraph.
Location locate(const RichDocument& doc, qsizetype pos, bool forRangeEnd = false);
qsizetype paragraphStart(const RichDocument& doc, qsizetype paragraph);

// The format that typing at pos picks up: the character before it in its
// paragraph, else the first one after it, else the paragraph mark.
CharFormat formatAt(const RichDocument& doc, qsizetype pos);

// Removes [from, to); paragraphs joined by removing their end keep the
// later paragraph's mark.
void removeRange(RichDocument& doc, qsizetype from, qsizetype to);

// Inserts text at pos in fmt; CR LF, CR or LF start a new paragraph whose
// ending mark takes fmt. An empty paragraph's mark takes fmt as well.
// Returns the position after the inserted text.
qsizetype insertText(RichDocument& doc, qsizetype pos, const QString& text, const CharFormat& fmt);
qsizetype insertObject(RichDocument& doc, qsizetype pos, std::shared_ptr<EmbeddedObject> obj,
                       const CharFormat& fmt);

// Visits the formats of every character, object and paragraph mark in
// [from, to). A mark counts when the range includes its paragraph end.
void visitFormats(const RichDocument& doc, qsizetype from, qsizetype to,
                  const std::function<void(const CharFormat&)>& visit);
void applyFormat(RichDocument& doc, qsizetype from, qsizetype to,
                 const std::function<void(CharFormat&)>& change);

} // namespace rt::edit
